#include "data_test_frames.h"

#include "codes.h"

#include "link/helpers.h"

#include <limits>

namespace lt::qx3200::datatest {

namespace {

void appendLength(QByteArray &out, int n)
{
    out.append(char((n >> 8) & 0xFF));
    out.append(char(n & 0xFF));
}

// "$", the module's two address bytes and the command letter.
QByteArray command(const QByteArray &address, char letter)
{
    return kCommand + address.left(2) + letter;
}

} // namespace

QString cutToGroups(const QString &text)
{
    return text.left(text.size() - text.size() % 3);
}

QByteArray hexBytes(const QString &text)
{
    const int n = int(text.size()) / 3;
    QByteArray out;
    out.reserve(n);
    for (int i = 0; i < n; ++i)
        out.append(char(hex_pair(text, 3 * i)));
    return out;
}

std::optional<QByteArray> addressBytes(const QString &text)
{
    if (text.size() < 5)
        return std::nullopt;
    QByteArray out;
    out.append(char(hex_pair(text, 0)));
    out.append(char(hex_pair(text, 3)));
    return out;
}

int maxData(bool passive, bool format)
{
    if (!passive && !format)
        return std::numeric_limits<int>::max();   // raw bytes: no length field
    return passive && format ? kMaxLength - 6 : kMaxLength;
}

QByteArray readFrame(const QByteArray &address)
{
    return command(address, kRead) + kEnd;
}

QByteArray memoryCheckFrame(const QByteArray &address)
{
    QByteArray out = command(address, kWrite);
    appendLength(out, 0);
    out.append(kEnd);
    return out;
}

QByteArray formatFrame(const QByteArray &receiver, const QByteArray &data)
{
    QByteArray out;
    out.append(char(kFormatLead));
    out.append(char(kFormatData));
    out.append(receiver.left(2));
    appendLength(out, int(data.size()));
    out.append(data);
    return out;
}

QByteArray passiveWriteFrame(const QByteArray &address, const QByteArray &data,
                             const std::optional<QByteArray> &receiver)
{
    const QByteArray message = receiver ? formatFrame(*receiver, data) : data;
    QByteArray out = command(address, kWrite);
    appendLength(out, int(message.size()));
    out.append(message);
    out.append(kEnd);
    return out;
}

} // namespace lt::qx3200::datatest
