#include "helpers.h"

#include <QLocale>

#include <cfenv>
#include <cmath>
#include <limits>

namespace lt {

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

} // namespace lt
