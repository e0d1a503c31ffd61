#include "qx3100_protocol.h"

#include "link/frame.h"
#include "link/helpers.h"

#include "crc16.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace lt::qx3100 {

QByteArray query(quint8 code)
{
    return frame::read_request(code, code == 0xA3 ? 2 : kQuery);
}

QByteArray set(quint8 code, const QByteArray &data)
{
    return frame::write_request(code, data, kSet);
}

QByteArray setByte(quint8 code, int value)
{
    return set(code, QByteArray(1, char(value)));
}

std::optional<QByteArray> colonBytes(const QString &text, int pairs)
{
    if (pairs <= 0 || text.size() < 3 * (pairs - 1) + 2)
        return std::nullopt;
    QByteArray out;
    for (int k = 0; k < pairs; ++k)
        out.append(char(hex_pair(text, 3 * k)));
    return out;
}

std::optional<QByteArray> phoneBytes(const QString &number)
{
    if (number.size() != 11)
        return std::nullopt;
    QByteArray out(1, '\x01');
    for (int k = 0; k < 5; ++k)
        out.append(char(hex_pair(number, 1 + 2 * k)));
    return out;
}

int baudCode(const QString &text)
{
    static const char *const rates[] = {"1200bps", "2400bps", "4800bps", "9600bps", "14400bps",
                                        "19200bps", "38400bps", "57600bps", "115200bps"};
    for (int i = 0; i < 9; ++i)
        if (text == QLatin1String(rates[i]))
            return i + 3;
    return 0;
}

int addressTypeCode(const QString &text)
{
    if (text == QStringLiteral("16进制"))
        return 1;
    if (text == QStringLiteral("BCD码"))
        return 2;
    if (text == QStringLiteral("R50模式"))
        return 3;
    return 0;   // "ASCII" and any other text
}

QString addressTypeName(int code)
{
    switch (code) {
    case 0: return QStringLiteral("ASCII");
    case 1: return QStringLiteral("十六进制");
    case 2: return QStringLiteral("BCD码");
    default: return QStringLiteral("R50模式");
    }
}

std::optional<qint32> restartUnits(double seconds)
{
    return round_even(seconds / 0.005);
}

std::optional<quint16> wakeUnits(double milliseconds)
{
    const auto whole = round_even(milliseconds);
    if (!whole)
        return std::nullopt;
    const auto units = round_even(*whole / 400.0);
    if (!units || *units < 0 || *units > 0xFFFF)
        return std::nullopt;
    return quint16(*units);
}

QByteArray be16(quint16 value)
{
    QByteArray out;
    out.append(char(value >> 8)).append(char(value & 0xFF));
    return out;
}

QByteArray be32(qint32 value)
{
    const auto u = quint32(value);
    QByteArray out;
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(char((u >> shift) & 0xFF));
    return out;
}

QByteArray phoneRead(quint8 high, quint8 low)
{
    QByteArray data;
    data.append(char(high)).append(char(low)).append(char(high)).append(char(low));
    return frame::write_request(0xD4, data, kPhoneRead);
}

QByteArray withCrc(QByteArray frame)
{
    const std::uint16_t reg = qx::crc16(reinterpret_cast<const std::uint8_t *>(frame.constData()), std::size_t(frame.size()));
    frame.append(char(reg & 0xFF)).append(char(reg >> 8));
    return frame;
}

QByteArray phoneWrite(quint8 high, quint8 low, const QByteArray &sixNumberBytes)
{
    QByteArray data;
    data.append(char(high)).append(char(low)).append(char(high)).append(char(low));
    data.append(sixNumberBytes.leftJustified(6, '\xFF', true));
    return withCrc(frame::write_request(0xD4, data, kPhoneWrite));
}

QString addressText(int high, int low)
{
    return byte_hex(high) + QLatin1Char(':') + byte_hex(low) + QLatin1Char(':');
}

QString numberText(const QByteArray &sixBytes)
{
    QString out = QString::number(qMax(0, byteAt(sixBytes, 0)), 16).toUpper();
    for (int i = 1; i < 6; ++i)
        out += byte_hex(qMax(0, byteAt(sixBytes, i)));
    return out;
}

QString shortestDecimal(double value)
{
    return QString::number(value, 'g', 15);
}

} // namespace lt::qx3100
