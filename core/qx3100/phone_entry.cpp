#include "phone_entry.h"

#include "codes.h"

#include "link/frame.h"
#include "link/helpers.h"

#include "crc_framing.h"

namespace lt::qx3100 {

namespace {

constexpr int kRecordSize = 22;
constexpr int kAddressAt = 10;
constexpr int kNumberAt = 14;
constexpr int kNumberSize = 6;

QByteArray addressTwice(quint8 high, quint8 low)
{
    QByteArray data;
    data.append(char(high)).append(char(low)).append(char(high)).append(char(low));
    return data;
}

} // namespace

QByteArray phoneRead(quint8 high, quint8 low)
{
    return frame::write_request(code::kPhoneEntry, addressTwice(high, low), op::kEntryRead);
}

QByteArray phoneWrite(quint8 high, quint8 low, const QByteArray &sixNumberBytes)
{
    QByteArray data = addressTwice(high, low);
    data.append(sixNumberBytes.leftJustified(kNumberSize, '\xFF', true));
    QByteArray frame = frame::write_request(code::kPhoneEntry, data, op::kEntryWrite);
    qx::appendCrc(frame);
    return frame;
}

QByteArray erasedNumber()
{
    return QByteArray(kNumberSize, '\xFF');
}

bool entryValid(QByteArrayView record)
{
    return record.size() == kRecordSize && qx::crcValid(record);
}

QString addressText(int high, int low)
{
    return byte_hex(high) + QLatin1Char(':') + byte_hex(low) + QLatin1Char(':');
}

QString numberText(QByteArrayView sixBytes)
{
    QString out = QString::number(qMax(0, byteAt(sixBytes, 0)), 16).toUpper();
    for (int i = 1; i < kNumberSize; ++i)
        out += byte_hex(qMax(0, byteAt(sixBytes, i)));
    return out;
}

QString entryAddress(QByteArrayView record)
{
    return addressText(qMax(0, byteAt(record, kAddressAt)), qMax(0, byteAt(record, kAddressAt + 1)));
}

QString entryNumber(QByteArrayView record)
{
    return numberText(record.sliced(qMin(record.size(), qsizetype(kNumberAt))));
}

} // namespace lt::qx3100
