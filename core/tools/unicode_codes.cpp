#include "unicode_codes.h"

#include "link/helpers.h"

namespace lt::unicode {

QByteArray codeUnitArray(const QString &text)
{
    QByteArray array(1, '\0');
    array.reserve(1 + 2 * text.size());
    for (QChar unit : text) {
        array.append(char(unit.unicode() >> 8));
        array.append(char(unit.unicode() & 0xFF));
    }
    return array;
}

QString codeUnitText(const QByteArray &array)
{
    QString out;
    for (qsizetype i = 1; i < array.size(); ++i)
        out += byte_hex(quint8(array.at(i))) + QLatin1Char(':');
    return out + QLatin1String("\r\n");
}

} // namespace lt::unicode
