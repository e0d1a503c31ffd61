#include "address_calc.h"

#include "link/helpers.h"

#include <QCoreApplication>

#include <iterator>

namespace lt::addr {

namespace {

// The codings in the order of the coding spin bar's positions 1..3.
constexpr Coding kCodings[] = {Coding::Ascii, Coding::Hex, Coding::Bcd};

bool isHexDigit(QChar c)
{
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Highest address a coding can carry: two bytes, or four packed decimal digits.
long highestFor(Coding coding)
{
    return coding == Coding::Bcd ? 9999 : 0xFFFF;
}

} // namespace

Coding codingFromText(const QString &text)
{
    // Against the names as they are shown now, so a box filled by codingText
    // reads back in whichever language the program runs.
    for (int position = 1; position <= int(std::size(kCodings)); ++position)
        if (text == codingText(position))
            return kCodings[position - 1];
    return Coding::None;
}

QString codingText(int position)
{
    if (position < 1 || position > int(std::size(kCodings)))
        return {};
    switch (kCodings[position - 1]) {
    case Coding::Ascii: return QStringLiteral("ASCII");
    case Coding::Hex: return QCoreApplication::translate("lt::addr", "十六进制");
    case Coding::Bcd: return QCoreApplication::translate("lt::addr", "BCD码");
    case Coding::None: break;
    }
    return {};
}

QString errorText(Error error)
{
    switch (error) {
    case Error::None:
        return {};
    case Error::StationLength:
        return QCoreApplication::translate("lt::addr", "发射区没有需要发射的数据，请重新输入");
    case Error::StationDigits:
        return QCoreApplication::translate("lt::addr", "对方站号只能是两个十六进制字节（如12:34:），请重新输入");
    case Error::NoGroupSize:
        return QCoreApplication::translate("lt::addr", "请先用箭头选择组内模块数");
    case Error::NoCoding:
        return QCoreApplication::translate("lt::addr", "请先用箭头选择编码方式");
    case Error::OutOfRange:
        return QCoreApplication::translate("lt::addr",
                                           "计算出的地址超出所选编码的范围（ASCII和十六进制为0000到FFFF，BCD码为0到9999），"
                                           "请减小对方站号或组内模块数");
    }
    return {};
}

int stationValue(const QString &s, bool kVariant)
{
    if (s.size() != 6 || s.at(2) != QLatin1Char(':') || s.at(5) != QLatin1Char(':'))
        return -1;
    for (int i : {0, 1, 3, 4})
        if (!isHexDigit(s.at(i)))
            return -1;
    const int low = hex_value(s.at(3).unicode()) * 16 + hex_value(s.at(4).unicode());
    return kVariant ? hex_value(s.at(1).unicode()) * 256 + low : low;
}

QString addressLine(long a, Coding coding)
{
    if (coding == Coding::None || a < 0 || a > highestFor(coding))
        return {};
    const int hi = int(a / 256);
    const int lo = int(a % 256);
    QString line;
    switch (coding) {
    case Coding::Ascii:
        for (QChar c : byte_hex(hi) + byte_hex(lo))
            line += byte_hex(c.unicode()) + QLatin1Char(':');
        break;
    case Coding::Hex:
        line = byte_hex(hi) + QLatin1Char(':') + byte_hex(lo) + QLatin1Char(':');
        break;
    case Coding::Bcd: {
        const int t = int(a / 1000), h = int(a / 100 % 10), d = int(a / 10 % 10), u = int(a % 10);
        line = byte_hex(t * 16 + h) + QLatin1Char(':') + byte_hex(d * 16 + u) + QLatin1Char(':');
        break;
    }
    case Coding::None:
        break;
    }
    return line + QLatin1String("\r\n");
}

Result calculate(const QString &station, int groupSize, Coding coding, bool kVariant)
{
    if (station.size() != 6)
        return {Error::StationLength, {}};
    const int v = stationValue(station, kVariant);
    if (v < 0)
        return {Error::StationDigits, {}};
    if (groupSize < 1 || groupSize > 255)
        return {Error::NoGroupSize, {}};
    if (coding == Coding::None)
        return {Error::NoCoding, {}};
    const long top = long(v) * groupSize;
    const long bottom = top - groupSize + 1;
    if (bottom < 0 || top > highestFor(coding))
        return {Error::OutOfRange, {}};
    Result r;
    for (long a = top; a >= bottom; --a)
        r.lines += addressLine(a, coding);
    return r;
}

} // namespace lt::addr
