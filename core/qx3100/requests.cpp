#include "requests.h"

#include "codes.h"

#include "link/frame.h"
#include "link/helpers.h"

namespace lt::qx3100 {

QByteArray query(quint8 command)
{
    return frame::read_request(command, command == code::kRestartTime ? op::kReadRestartTime : op::kRead);
}

QByteArray set(quint8 command, const QByteArray &data)
{
    return frame::write_request(command, data, op::kWrite);
}

QByteArray setByte(quint8 command, int value)
{
    return set(command, QByteArray(1, char(value)));
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

int baudCode(std::optional<int> bitsPerSecond)
{
    const auto code = bitsPerSecond ? lt::code::baudCode(*bitsPerSecond) : std::nullopt;
    return code.value_or(0);
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

QString shortestDecimal(double value)
{
    return QString::number(value, 'g', 15);
}

double readable(double value)
{
    return shortestDecimal(value).toDouble();
}

} // namespace lt::qx3100
