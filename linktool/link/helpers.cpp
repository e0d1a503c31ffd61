#include "helpers.h"

#include "ms_comm.h"

#include "crc16.h"

#include <QLocale>

#include <cfenv>
#include <cmath>
#include <limits>

namespace lt {

void set_port(MSComm &comm, const QString &port, const QString &baud, const QString &tail)
{
    int number = 1;
    if (port.size() == 4 && port.startsWith(QLatin1String("COM")) && port.at(3) >= QLatin1Char('1')
        && port.at(3) <= QLatin1Char('8'))
        number = port.at(3).digitValue();
    comm.setCommPort(number);

    static const int rates[] = {1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200};
    int rate = 9600;
    for (int r : rates)
        if (baud == QString::number(r) + QLatin1String("bps"))
            rate = r;
    comm.setSettings(QString::number(rate) + QLatin1Char(',') + tail);
}

QString byte_hex(int b)
{
    return QStringLiteral("%1").arg(b & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

int hex_value(int c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

QString hex_text(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size() * 3);
    for (char b : bytes)
        out += byte_hex(quint8(b)) + QLatin1Char(':');
    return out;
}

int hex_pair(const QString &text, int at)
{
    auto digit = [&text](int i) { return i >= 0 && i < text.size() ? hex_value(text.at(i).unicode()) : 0; };
    return digit(at) * 16 + digit(at + 1);
}

std::optional<double> decimal_value(const QString &text)
{
    bool ok = false;
    const double v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<qint32> round_even(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(value);
    std::fesetround(saved);
    if (r < double(std::numeric_limits<qint32>::min()) || r > double(std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(r);
}

int hex_key(int key)
{
    if (key == 8 || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'F'))
        return key;
    if (key >= 'a' && key <= 'f')
        return key - 'a' + 'A';
    if (key >= 0 && key <= 126)
        return 0;
    return key;
}

int num_key(int key)
{
    if (key == 8 || (key >= '0' && key <= '9'))
        return key;
    if (key >= 0 && key <= 126)
        return 0;
    return key;
}

QByteArray crc16(const QByteArray &buf, int n)
{
    n = qBound(0, n, int(buf.size()));
    const std::uint16_t reg = qx::crc16(reinterpret_cast<const std::uint8_t *>(buf.constData()), std::size_t(n));
    QByteArray out(2, '\0');
    out[0] = char(reg >> 8);
    out[1] = char(reg & 0xFF);
    return out;
}

} // namespace lt
