#include "smsconf_model.h"

#include "crc_framing.h"

namespace qxsim {

namespace {

constexpr int kRecordLen = 128;
constexpr int kRecords = 320;
constexpr int kSlots = 20;
constexpr int kSlotLen = 20;
constexpr int kPageLen = 11 + 32 * kRecordLen + 2;   // the whole page request
constexpr int kPhoneWriteLen = 10 + kSlots * kSlotLen + 2;

QByteArray ack(quint8 code, bool ok)
{
    return FrameModel::frame(code, 1, QByteArray(1, '\0') + (ok ? "OK" : "ER"));
}

} // namespace

SmsconfModel::SmsconfModel()
    : m_phones(kSlots * kSlotLen, char(0xFF)), m_messages(kRecords * kRecordLen, char(0xFF))
{
    addIntOption(QStringLiteral("drop-reply"), &m_dropReplies, QStringLiteral("swallow the next N replies"));
    addIntOption(QStringLiteral("answer-only-retry"), &m_onlyRetry,
                 QStringLiteral("1: the first request for each block or page goes unanswered"));
    addIntOption(QStringLiteral("bad-crc-block"), &m_badCrcBlock, QStringLiteral("block sent with a corrupted checksum (-1 none)"));
    addIntOption(QStringLiteral("bad-crc-times"), &m_badCrcTimes, QStringLiteral("how often that block is corrupted (-1 always)"));
    addIntOption(QStringLiteral("refuse-page"), &m_refusePage, QStringLiteral("page answered without OK (-1 none)"));
    addIntOption(QStringLiteral("refuse-times"), &m_refuseTimes, QStringLiteral("how often that page is refused (-1 always)"));
    addIntOption(QStringLiteral("split-block"), &m_blockBursts, QStringLiteral("send every block in N bursts"));
    addIntOption(QStringLiteral("split-gap-ms"), &m_burstGapMs, QStringLiteral("pause between the bursts of a block"));
    addIntOption(QStringLiteral("other-block"), &m_otherBlock, QStringLiteral("answer block b with block (b + N) mod 40"));
    addIntOption(QStringLiteral("device-address"), &m_deviceAddress, QStringLiteral("device address"));
    addIntOption(QStringLiteral("register-address"), &m_registerAddress, QStringLiteral("register address"));

    addRow(0xE9, [this](const Frame &f, ModuleLink &link) { messageTable(f, link); });
    addRow(0xEB, [this](const Frame &f, ModuleLink &link) { phoneTable(f, link); });
    addRow(0xF2, [this](const Frame &f, ModuleLink &link) { serialParams(f, link); });

    auto number = [](const QByteArray &arg, int *target) {
        bool ok = false;
        const int v = arg.trimmed().toInt(&ok);
        if (ok)
            *target = v;
        return ok;
    };
    m_textCommands.insert("QX+ADDR=", [this, number](const QByteArray &arg, ModuleLink &link) {
        if (number(arg, &m_deviceAddress) && !dropsReply())
            link.reply("OK\r\n");
    });
    m_textCommands.insert("QX+ADDR?", [this](const QByteArray &, ModuleLink &link) {
        if (!dropsReply())
            link.reply("QX_ADDR=" + QByteArray::number(m_deviceAddress) + "\r\n");
    });
    m_textCommands.insert("QX+VREG=", [this, number](const QByteArray &arg, ModuleLink &link) {
        if (number(arg, &m_registerAddress) && !dropsReply())
            link.reply("OK\r\n");
    });
    m_textCommands.insert("QX+VREG?", [this](const QByteArray &, ModuleLink &link) {
        if (!dropsReply())
            link.reply("QX_VREG=" + QByteArray::number(m_registerAddress) + "\r\n");
    });
}

void SmsconfModel::handle(const QByteArray &request, ModuleLink &link)
{
    if (request.startsWith("QX+") && request.size() >= 8) {
        const auto command = m_textCommands.constFind(request.left(8));
        if (command != m_textCommands.constEnd())
            (*command)(request.mid(8), link);
        return;
    }
    // The clear request is the head and its code alone, shorter than any other frame.
    if (request.size() == 9 && request.startsWith(frame(0xEA, 0).left(9))) {
        m_messages.fill(char(0xFF));
        if (!dropsReply())
            link.reply(frame(0xEA, 0, "OK"));
        return;
    }
    FrameModel::handle(request, link);
}

void SmsconfModel::setMessageRecord(int position, const QByteArray &record)
{
    if (position >= 0 && position < kRecords)
        m_messages.replace(position * kRecordLen, kRecordLen, record.leftJustified(kRecordLen, char(0xFF), true));
}

bool SmsconfModel::dropsReply()
{
    if (m_dropReplies <= 0)
        return false;
    --m_dropReplies;
    return true;
}

bool SmsconfModel::failsFirstAttempt(int kind, int number)
{
    if (!m_onlyRetry)
        return false;
    return m_attempts[kind * 100 + number]++ == 0;
}

void SmsconfModel::messageTable(const Frame &f, ModuleLink &link)
{
    if (f.operation == 1)
        writePage(f, link);
    else if (f.operation == 2 && !f.data.isEmpty())
        sendBlock(quint8(f.data.at(0)), link);
}

void SmsconfModel::writePage(const Frame &f, ModuleLink &link)
{
    const int page = f.data.isEmpty() ? -1 : quint8(f.data.at(0));
    if (failsFirstAttempt(1, page) || dropsReply())
        return;
    bool ok = f.raw.size() == kPageLen && qx::crcValid(f.raw) && page >= 0 && page < kRecords / 32;
    if (ok && page == m_refusePage && m_refuseTimes != 0) {
        if (m_refuseTimes > 0)
            --m_refuseTimes;
        ok = false;
    }
    if (ok)
        m_messages.replace(page * 32 * kRecordLen, 32 * kRecordLen, f.data.mid(1, 32 * kRecordLen));
    link.reply(ack(0xE9, ok));
}

void SmsconfModel::sendBlock(int block, ModuleLink &link)
{
    if (block >= kRecords / 8 || failsFirstAttempt(2, block) || dropsReply())
        return;
    const int sent = (block + m_otherBlock) % (kRecords / 8);
    QByteArray out = frame(0xE9, 3, QByteArray(1, char(sent)) + m_messages.mid(sent * 8 * kRecordLen, 8 * kRecordLen));
    qx::appendCrc(out);
    if (block == m_badCrcBlock && m_badCrcTimes != 0) {
        if (m_badCrcTimes > 0)
            --m_badCrcTimes;
        out[out.size() - 1] = char(out.at(out.size() - 1) ^ 0x5A);
    }
    if (m_blockBursts <= 1) {
        link.reply(out);
        return;
    }
    const int step = (out.size() + m_blockBursts - 1) / m_blockBursts;
    for (int i = 0; i < m_blockBursts; ++i)
        link.reply(out.mid(i * step, step), i * m_burstGapMs);
}

void SmsconfModel::phoneTable(const Frame &f, ModuleLink &link)
{
    if (f.operation == 1) {
        if (dropsReply())
            return;
        const bool ok = f.raw.size() == kPhoneWriteLen && qx::crcValid(f.raw);
        if (ok)
            m_phones = f.data.left(kSlots * kSlotLen);
        link.reply(ack(0xEB, ok));
    } else if (f.operation == 2) {
        if (!dropsReply())
            link.reply(frame(0xEB, 3, m_phones));
    }
}

void SmsconfModel::serialParams(const Frame &f, ModuleLink &link)
{
    if (f.operation == 1) {
        if (f.data.size() < 4)
            return;
        const int baud = quint8(f.data.at(0)), bits = quint8(f.data.at(1));
        const int parity = quint8(f.data.at(2)), stop = quint8(f.data.at(3));
        const bool ok = baud >= 1 && baud <= 9 && (bits == 8 || bits == 9) && parity <= 2 && (stop == 1 || stop == 2);
        if (ok) {
            m_baudCode = baud;
            m_dataBits = bits;
            m_parity = parity;
            m_stopBits = stop;
        }
        if (!dropsReply())
            link.reply(ack(0xF2, ok));
    } else if (f.operation == 2) {
        if (!dropsReply())
            link.reply(frame(0xF2, 2, QByteArray::number(m_baudCode) + QByteArray::number(m_dataBits)
                                          + QByteArray::number(m_parity) + QByteArray::number(m_stopBits)));
    }
}

} // namespace qxsim
