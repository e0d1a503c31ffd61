#include "frames.h"

#include "crc16.h"
#include "crc_framing.h"

#include <climits>

namespace sms {

namespace {

QByteArray request(std::uint8_t function)
{
    QByteArray out = FrameHeader();
    out.append(char(function));
    return out;
}

QByteArray request(std::uint8_t function, std::uint8_t sub)
{
    QByteArray out = request(function);
    out.append(char(sub));
    return out;
}

} // namespace

QByteArray FrameHeader()
{
    return QByteArray(reinterpret_cast<const char *>(qx::kFrameHead), int(qx::kFrameHeadLen));
}

bool textFitsRecord(const QString &text)
{
    return text.size() <= kMaxTextUnits;
}

QByteArray encodeRecord(const QString &text)
{
    QByteArray rec(kRecordLen, char(0xFF));
    if (text.isEmpty() || !textFitsRecord(text))
        return rec;
    rec[0] = char(2 * text.size());
    for (int i = 0; i < text.size(); ++i) {
        const char16_t u = text.at(i).unicode();
        rec[1 + 2 * i] = char(u >> 8);
        rec[2 + 2 * i] = char(u & 0xFF);
    }
    return rec;
}

QString decodeRecord(QByteArrayView record)
{
    const int len = byteAt(record, 0);
    if (len < 0 || len >= 120)
        return {};
    QString text;
    for (int i = 0; i < len / 2; ++i) {
        const int hi = byteAt(record, 1 + 2 * i);
        const int lo = byteAt(record, 2 + 2 * i);
        if (hi < 0 || lo < 0)
            break;
        text.append(QChar(char16_t(hi << 8 | lo)));
    }
    return text;
}

QByteArray encodePhoneSlot(const QString &number)
{
    QByteArray slot(kPhoneSlotLen, char(0xFF));
    for (int i = 0; i < number.size() && i < kPhoneSlotLen; ++i)
        slot[i] = char(number.at(i).unicode() & 0xFF);
    return slot;
}

QString decodePhoneSlot(QByteArrayView slot)
{
    QString number;
    for (int i = 0; i < kPhoneSlotLen; ++i) {
        const int c = byteAt(slot, i);
        if (c < '0' || c > '9')
            break;
        number.append(QChar(c));
    }
    return number;
}

QByteArray phoneTableWrite(const QStringList &numbers)
{
    QByteArray out = request(FN_PHONE_TABLE, 1);
    for (int j = 0; j < kPhoneSlots; ++j)
        out.append(encodePhoneSlot(numbers.value(j)));
    qx::appendCrc(out);
    return out;
}

QByteArray phoneTableRequest()
{
    return request(FN_PHONE_TABLE, 2);
}

QByteArray clearMessagesRequest()
{
    return request(FN_CLEAR_MESSAGES);
}

QByteArray messagePageWrite(int page, const QStringList &texts)
{
    QByteArray out = request(FN_MESSAGE_TABLE, 1);
    out.append(char(page));
    for (int k = 0; k < kPageRecords; ++k)
        out.append(encodeRecord(texts.value(k)));
    qx::appendCrc(out);
    return out;
}

QByteArray messageBlockRequest(int block)
{
    QByteArray out = request(FN_MESSAGE_TABLE, 2);
    out.append(char(block));
    return out;
}

QByteArray serialParamsSet(int baud, int dataBits, int parity, int stopBits)
{
    QByteArray out = request(FN_SERIAL_PARAMS, 1);
    out.append(char(baud + 1));
    out.append(char(dataBits + 8));
    out.append(char(parity));
    out.append(char(stopBits + 1));
    return out;
}

QByteArray serialParamsQuery()
{
    return request(FN_SERIAL_PARAMS, 2);
}

QByteArray deviceAddressSet(int value)
{
    return QByteArray("QX+ADDR=") + QByteArray::number(value);
}

QByteArray deviceAddressQuery()
{
    return QByteArrayLiteral("QX+ADDR?");
}

QByteArray registerAddressSet(int value)
{
    return QByteArray("QX+VREG=") + QByteArray::number(value);
}

QByteArray registerAddressQuery()
{
    return QByteArrayLiteral("QX+VREG?");
}

int leadingNumber(QByteArrayView text)
{
    long long value = 0;
    for (qsizetype i = 0; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return INT_MAX;   // a module never sends such a number; keep it from wrapping
    }
    return int(value);
}

} // namespace sms
