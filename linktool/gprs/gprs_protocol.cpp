#include "gprs_protocol.h"

#include "link/frame.h"
#include "link/helpers.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace lt::gprs {

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(quint8(v)));
    return out;
}

QByteArray write(quint8 code, const QByteArray &data, quint8 operation = kWrite)
{
    return frame::write_request(code, data, operation);
}

std::optional<qint64> nearest(double v, qint64 low, qint64 high)
{
    const auto r = round_even(v);
    if (!r || *r < low || *r > high)
        return std::nullopt;
    return *r;
}

} // namespace

QByteArray readFrame(quint8 code)
{
    return frame::read_request(code, kRead);
}

std::optional<QByteArray> addressFrame(quint8 code, const QString &project, const QString &site, quint8 operation)
{
    if (project.size() != 1 || site.size() != 3)
        return std::nullopt;
    auto digit = [](QChar c) { return hex_value(c.unicode()); };
    return write(code, bytes({digit(project[0]) * 16 + digit(site[0]), digit(site[1]) * 16 + digit(site[2])}),
                 operation);
}

std::optional<QByteArray> passiveAddressFrame(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    // Character codes, as the module compares them; a character beyond one
    // byte cannot be part of an address.
    if (text.size() == 1)
        return text[0].unicode() > 0xFF ? std::nullopt : std::optional(write(kPassiveAddress, bytes({'0', text[0].unicode()})));
    if (text[0].unicode() > 0xFF || text[1].unicode() > 0xFF)
        return std::nullopt;
    return write(kPassiveAddress, bytes({text[0].unicode(), text[1].unicode()}));
}

std::optional<qint64> roundedValue(const QString &text)
{
    const auto v = decimal_value(text);
    if (!v)
        return std::nullopt;
    return nearest(*v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max());
}

std::optional<QByteArray> heartbeatFrame(const QString &seconds)
{
    const auto v = roundedValue(seconds);
    // The module reads the value back as a signed 16-bit number.
    if (!v || *v < 0 || *v > 0x7FFF)
        return std::nullopt;
    return write(kHeartbeat, bytes({int(*v / 256), int(*v % 256)}));
}

std::optional<QByteArray> restartCountFrame(const QString &count)
{
    const auto v = roundedValue(count);
    if (!v || *v < 0 || *v > 255)
        return std::nullopt;
    return write(kRestartCount, bytes({int(*v)}));
}

QByteArray workFormFrame(bool active)
{
    return write(kWorkForm, bytes({active ? 1 : 0}));
}

QByteArray transFormFrame(bool format)
{
    return write(kTransForm, bytes({format ? 1 : 0}));
}

QByteArray subModeFrame(bool mode1)
{
    return write(kSubMode, bytes({mode1 ? 1 : 0}));
}

quint8 addressTypeCode(const QString &typeText)
{
    if (typeText == QLatin1String("ASCII"))
        return 0;
    if (typeText == QStringLiteral("16进制"))
        return 1;
    if (typeText == QStringLiteral("BCD码"))
        return 2;
    return 3;
}

QByteArray addressSettingsFrame(int start, int length, int groupMax, const QString &typeText)
{
    return write(kAddressSettings, bytes({start, length, groupMax, addressTypeCode(typeText)}));
}

QByteArray powerSavingFrame(bool on)
{
    return write(kPowerSaving, bytes({on ? 1 : 0}));
}

QByteArray wakeModeFrame(bool mode2)
{
    return write(kWakeMode, bytes({mode2 ? 1 : 0, 0, 0, 0}));
}

std::optional<quint16> wakeUnits(const QString &ms)
{
    const auto v = decimal_value(ms);
    if (!v)
        return std::nullopt;
    const auto units = nearest(*v / 400.0, 0, 0xFFFF);
    if (!units)
        return std::nullopt;
    return quint16(*units);
}

std::optional<QByteArray> wakeTimesFrame(const QString &idleMs, const QString &dataMs)
{
    const auto idle = wakeUnits(idleMs);
    const auto data = wakeUnits(dataMs);
    if (!idle || !data)
        return std::nullopt;
    return write(kWakeTimes, bytes({*idle / 256, *idle % 256, *data / 256, *data % 256}));
}

quint8 baudCode(const QString &text)
{
    static const char *const texts[] = {"1200bps", "2400bps", "4800bps", "9600bps", "14400bps",
                                        "19200bps", "38400bps", "57600bps", "115200bps"};
    for (int i = 0; i < 9; ++i)
        if (text == QLatin1String(texts[i]))
            return quint8(3 + i);
    return 6;
}

quint8 lineByte(bool sevenDataBits, Parity parity, bool twoStopBits)
{
    quint8 b = sevenDataBits ? 0x02 : 0x03;
    if (twoStopBits)
        b |= 0x04;
    if (parity == Parity::Even)
        b |= 0x18;
    else if (parity == Parity::Odd)
        b |= 0x08;
    return b;
}

QByteArray serialLineFrame(const QString &baud, bool sevenDataBits, Parity parity, bool twoStopBits)
{
    const quint8 line = lineByte(sevenDataBits, parity, twoStopBits);
    return write(kSerialLine, bytes({baudCode(baud), line, line}));
}

QString hexPair(int high, int low)
{
    return byte_hex(high) + QLatin1Char(':') + byte_hex(low) + QLatin1Char(':');
}

QString wakeTimesText(int idleUnits, int dataUnits)
{
    // Shortest decimal text of the seconds: 6 units are 2.4s, 10 units 4s.
    auto seconds = [](int units) { return QString::number(units * 4 / 10.0, 'g', 12) + QLatin1Char('s'); };
    return seconds(idleUnits) + QStringLiteral("   ") + seconds(dataUnits);
}

QString baudText(int code)
{
    static const char *const texts[] = {"1200bps", "2400bps", "4800bps", "9600bps",
                                        "14400bps", "19200bps", "38400bps", "57600bps"};
    if (code < 3 || code > 10)
        return {};
    return QLatin1String(texts[code - 3]);
}

std::optional<quint8> readChainCode(int step)
{
    static const quint8 codes[] = {kIdentity, kVersion,  kHeartbeat, kRestartCount, kPowerSaving,
                                   kWakeTimes, kWorkForm, kPassiveAddress, kTransForm, kTarget,
                                   kSubMode,  kAddressSettings, kWakeMode};
    if (step < 0 || step > 12)
        return std::nullopt;
    return codes[step];
}

} // namespace lt::gprs
