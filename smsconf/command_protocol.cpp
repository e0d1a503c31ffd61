#include "command_protocol.h"

#include "crc_framing.h"
#include "frames.h"

namespace sms {

namespace {


bool isOk(const QByteArray &r)
{
    return byteAt(r, 11) == 'O' && byteAt(r, 12) == 'K';
}

bool startsWith(const QByteArray &r, const char *text)
{
    return r.startsWith(text);
}

} // namespace

CommandProtocol::CommandProtocol(ConfigView &view, Transport transport)
    : m_view(view), m_transport(std::move(transport))
{
}

void CommandProtocol::send(const QByteArray &bytes)
{
    if (m_transport.write)
        m_transport.write(bytes);
}

void CommandProtocol::SendPhoneTable(const QStringList &numbers)
{
    m_phonesSent = numbers;
    send(phoneTableWrite(numbers));
}

void CommandProtocol::RequestPhoneTable()
{
    send(phoneTableRequest());
}

void CommandProtocol::ClearMessageTable()
{
    send(clearMessagesRequest());
}

void CommandProtocol::SendMessagePage(int page, const QStringList &texts)
{
    m_pageSent = page;
    m_pageTextsSent = texts;
    send(messagePageWrite(page, texts));
}

void CommandProtocol::RequestMessageBlock(int block)
{
    send(messageBlockRequest(block));
}

void CommandProtocol::SetSerialParams(int baud, int dataBits, int parity, int stopBits)
{
    send(serialParamsSet(baud, dataBits, parity, stopBits));
}

void CommandProtocol::QuerySerialParams()
{
    send(serialParamsQuery());
}

void CommandProtocol::SetDeviceAddress(int value)
{
    send(deviceAddressSet(value));
}

void CommandProtocol::SetRegisterAddress(int value)
{
    send(registerAddressSet(value));
}

void CommandProtocol::QueryDeviceAddress()
{
    send(deviceAddressQuery());
}

void CommandProtocol::QueryRegisterAddress()
{
    send(registerAddressQuery());
}

QStringList CommandProtocol::phoneNumbers() const
{
    QStringList numbers;
    for (int row = 0; row < kPhoneSlots; ++row)
        numbers << m_view.phoneNumber(row);
    return numbers;
}

QStringList CommandProtocol::pageTexts(int page) const
{
    QStringList texts;
    for (int k = 0; k < kPageRecords; ++k)
        texts << m_view.messageText(kPageRecords * page + k);
    return texts;
}

void CommandProtocol::WriteSinglePage(int position)
{
    const int page = position / kPageRecords;
    if (page < 0 || page >= kPageCount)
        return;
    SendMessagePage(page, pageTexts(page));
}

void CommandProtocol::ApplyReply(const QByteArray &r)
{
    if (r.size() >= 9 && r.startsWith(FrameHeader())) {
        applyFrame(r);
    } else if (startsWith(r, "QX_ADDR=")) {
        m_view.setDeviceAddress(QString::number(leadingNumber(r.mid(8))));
    } else if (startsWith(r, "QX_VREG=")) {
        m_view.setRegisterAddress(QString::number(leadingNumber(r.mid(8))));
    }
    if (m_stepOnReply)
        stepOnReply();
}

void CommandProtocol::applyFrame(const QByteArray &r)
{
    const int sub = byteAt(r, 9);
    switch (byteAt(r, 8)) {
    case FN_PHONE_TABLE:
        if (sub == 1) {
            if (isOk(r)) {
                m_view.phonesStored(m_phonesSent);
                m_view.showMessage(tr("号码表写入成功"), tr("提示"));
            } else {
                m_view.showMessage(tr("号码表写入失败"), tr("警告"));
            }
        } else if (sub == 3) {
            for (int j = 0; j < kPhoneSlots; ++j)
                m_view.setPhoneNumber(j, decodePhoneSlot(r.mid(10 + kPhoneSlotLen * j)));
        }
        break;
    case FN_CLEAR_MESSAGES:
        if (m_transport.discardReceived)
            m_transport.discardReceived();
        m_view.showMessage(tr("信息表清除成功"), tr("提示"));
        break;
    case FN_SERIAL_PARAMS:
        if (sub != 1) {
            const auto pick = [this, &r](SerialList list, int at, int first, int last) {
                const int c = byteAt(r, at);
                if (c >= first && c <= last)
                    m_view.selectSerialParam(list, c - first);
            };
            pick(SerialList::Baud, 10, '1', '9');
            pick(SerialList::DataBits, 11, '8', '9');
            pick(SerialList::Parity, 12, '0', '2');
            pick(SerialList::StopBits, 13, '1', '2');
        }
        break;
    case FN_MESSAGE_TABLE:
        if (sub == 1) {
            if (isOk(r)) {
                writeAcked = true;
                if (m_pageSent >= 0)
                    m_view.pageStored(m_pageSent, m_pageTextsSent);
                if (writeState == kIdle)
                    m_view.showMessage(tr("单次写入成功"), tr("提示"));
            } else {
                writeFailed = true;
            }
        } else if (sub == 3) {
            applyBlock(r);
        }
        break;
    default:
        break;
    }
}

void CommandProtocol::applyBlock(const QByteArray &r)
{
    // A short block cannot hold its eight records, whatever its checksum says.
    if (r.size() < kBlockReplyLen || !qx::crcValid(r)) {
        readBad = true;
        return;
    }
    const int block = byteAt(r, 10);
    if (block >= kBlockCount) {
        readBad = true;
        return;
    }
    for (int k = 0; k < kBlockRecords; ++k)
        m_view.setMessageText(kBlockRecords * block + k, decodeRecord(r.mid(11 + kRecordLen * k, kRecordLen)));
    // Rows of another block are filled all the same, but only the block asked
    // for lets the loop go on: otherwise its rows would stay empty under a
    // "read succeeded".
    if (readState == kIdle || block == readBlock)
        readGood = true;
}

void CommandProtocol::StartRead()
{
    readState = 0;
    readBlock = 0;
    readRetries = 0;
}

void CommandProtocol::StartWrite()
{
    writeState = 0;
    writePage = 0;
    writeRetries = 0;
}

void CommandProtocol::StopLoops()
{
    readState = kIdle;
    writeState = kIdle;
}

void CommandProtocol::ReadLoopTick()
{
    if (readState == 0) {
        RequestMessageBlock(readBlock);
        readWaitTicks = 0;
        readGood = false;
        readBad = false;
        m_view.setProgress(readBlock + 1);
        readState = 1;
    } else if (readState == 1) {
        ++readWaitTicks;
        if (readWaitTicks > kReadWaitLimit || readBad) {
            ++readRetries;
            readState = 0;
            if (readRetries > kRetryLimit) {
                readState = kIdle;
                m_view.loopEnded(Loop::Read);
                m_view.showMessage(tr("读取信息失败") + m_view.noAnswerNote(), tr("提示"));
            }
        } else if (readGood) {
            blockDone();
        }
    }
}

void CommandProtocol::blockDone()
{
    ++readBlock;
    readRetries = 0;
    readState = 0;
    if (readBlock >= kBlockCount) {
        readState = kIdle;
        m_view.loopEnded(Loop::Read);
        m_view.showMessage(tr("读取信息成功"), tr("提示"));
    }
}

void CommandProtocol::WriteLoopTick()
{
    if (writeState == 0) {
        SendMessagePage(writePage, pageTexts(writePage));
        writeWaitTicks = 0;
        writeAcked = false;
        writeFailed = false;
        m_view.setProgress(writePage + 1);
        writeState = 1;
    } else if (writeState == 1) {
        ++writeWaitTicks;
        if (writeWaitTicks > kWriteWaitLimit || writeFailed) {
            ++writeRetries;
            writeState = 0;
            if (writeRetries > kRetryLimit) {
                writeState = kIdle;
                m_view.loopEnded(Loop::Write);
                m_view.showMessage(tr("写信息失败") + m_view.noAnswerNote(), tr("提示"));
            }
        } else if (writeAcked) {
            pageDone();
        }
    }
}

void CommandProtocol::pageDone()
{
    ++writePage;
    writeRetries = 0;
    writeState = 0;
    if (writePage >= kPageCount) {
        writeState = kIdle;
        m_view.loopEnded(Loop::Write);
        m_view.showMessage(tr("写信息成功"), tr("提示"));
    }
}

void CommandProtocol::stepOnReply()
{
    // The tick would find the same flags and do the same; it only comes later.
    if (readState == 1 && readGood && !readBad) {
        blockDone();
        if (readState == 0) {
            ReadLoopTick();
            m_view.loopStepped(Loop::Read);
        }
    }
    if (writeState == 1 && writeAcked && !writeFailed) {
        pageDone();
        if (writeState == 0) {
            WriteLoopTick();
            m_view.loopStepped(Loop::Write);
        }
    }
}

} // namespace sms
