#include "requests.h"

#include "link/frame.h"
#include "link/helpers.h"

#include <iterator>
#include <limits>

namespace lt::qx3200 {

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(quint8(v)));
    return out;
}

QByteArray write(quint8 code, const QByteArray &data, quint8 operation = op::kWrite)
{
    return frame::write_request(code, data, operation);
}

} // namespace

QByteArray readFrame(quint8 code)
{
    return frame::read_request(code, op::kRead);
}

std::optional<QByteArray> addressFrame(quint8 code, const QString &project, const QString &site, quint8 operation)
{
    if (project.size() != 1 || site.size() != 3)
        return std::nullopt;
    auto digit = [](QChar c) { return hex_value(c.unicode()); };
    return write(code, bytes({digit(project[0]) * 16 + digit(site[0]), digit(site[1]) * 16 + digit(site[2])}),
                 operation);
}

std::optional<QByteArray> passiveAddressBytes(const QString &text)
{
    if (text.isEmpty())
        return std::nullopt;
    // Character codes, as the module compares them; a character beyond one
    // byte cannot be part of an address.
    const QString pair = text.size() == 1 ? QLatin1Char('0') + text : text.left(2);
    if (pair[0].unicode() > 0xFF || pair[1].unicode() > 0xFF)
        return std::nullopt;
    return bytes({pair[0].unicode(), pair[1].unicode()});
}

std::optional<QByteArray> passiveAddressFrame(const QByteArray &address)
{
    if (address.size() != 2)
        return std::nullopt;
    return write(code::kPassiveAddress, address);
}

std::optional<qint64> roundedValue(const QString &text)
{
    const auto v = decimal_value(text);
    if (!v)
        return std::nullopt;
    return round_even(*v);
}

std::optional<QByteArray> heartbeatFrame(int seconds)
{
    if (seconds < 0 || seconds > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return write(code::kHeartbeat, bytes({seconds / 256, seconds % 256}));
}

std::optional<QByteArray> restartCountFrame(int count)
{
    if (count < 0 || count > 255)
        return std::nullopt;
    return write(code::kRestartCount, bytes({count}));
}

QByteArray workFormFrame(WorkForm form)
{
    return write(code::kWorkForm, bytes({form == WorkForm::Active ? 1 : 0}));
}

QByteArray transFormFrame(TransForm form)
{
    return write(code::kTransForm, bytes({form == TransForm::Format ? 1 : 0}));
}

QByteArray transparentModeFrame(TransparentMode mode)
{
    return write(code::kTransparentMode, bytes({mode == TransparentMode::Mode1 ? 1 : 0}));
}

QByteArray addressSettingsFrame(const AddressSettings &a)
{
    return write(code::kAddressSettings, bytes({a.start, a.length, a.groupMax, int(a.type)}));
}

QByteArray powerSavingFrame(bool on)
{
    return write(code::kPowerSaving, bytes({on ? 1 : 0}));
}

QByteArray wakeModeFrame(WakeMode mode)
{
    return write(code::kWakeMode, bytes({mode == WakeMode::Mode2 ? 1 : 0, 0, 0, 0}));
}

std::optional<quint16> wakeUnits(double ms)
{
    const auto units = round_even(ms / kWakeUnitMs);
    if (!units || *units < 0 || *units > 0xFFFF)
        return std::nullopt;
    return quint16(*units);
}

std::optional<QByteArray> wakeTimesFrame(double idleMs, double dataMs)
{
    const auto idle = wakeUnits(idleMs);
    const auto data = wakeUnits(dataMs);
    if (!idle || !data)
        return std::nullopt;
    return write(code::kWakeTimes, bytes({*idle / 256, *idle % 256, *data / 256, *data % 256}));
}

const QList<int> &listedBauds()
{
    // Every rate the module knows but the last, 115200, which only the port's
    // own line can ask for.
    static const QList<int> rates(std::begin(lt::code::kBaudRates), std::end(lt::code::kBaudRates) - 1);
    return rates;
}

quint8 baudCode(int baud)
{
    return lt::code::baudCode(baud).value_or(*lt::code::baudCode(9600));
}

std::optional<int> listedBaud(int baudByte)
{
    const int index = baudByte - lt::code::kFirstBaudCode;
    if (index < 0 || index >= listedBauds().size())
        return std::nullopt;
    return listedBauds().at(index);
}

quint8 lineByte(int dataBits, Parity parity, int stopBits)
{
    quint8 b = dataBits == 7 ? line::kSevenDataBits : line::kEightDataBits;
    if (stopBits == 2)
        b |= line::kTwoStopBits;
    if (parity == Parity::Even)
        b |= line::kEvenParity;
    else if (parity == Parity::Odd)
        b |= line::kOddParity;
    return b;
}

QByteArray serialLineFrame(int baud, int dataBits, Parity parity, int stopBits)
{
    const quint8 line = lineByte(dataBits, parity, stopBits);
    return write(code::kSerialLine, bytes({baudCode(baud), line, line}));
}

QString hexPair(int high, int low)
{
    return byte_hex(high) + QLatin1Char(':') + byte_hex(low) + QLatin1Char(':');
}

QString wakeTimesText(int idleMs, int dataMs)
{
    // Shortest decimal text of the seconds: 2400 ms are 2.4s, 4000 ms 4s.
    auto seconds = [](int ms) { return QString::number(ms / 1000.0, 'g', 12) + QLatin1Char('s'); };
    return seconds(idleMs) + QStringLiteral("   ") + seconds(dataMs);
}

namespace {
constexpr quint8 kReadChain[] = {code::kIdentity,   code::kVersion,         code::kHeartbeat,       code::kRestartCount,
                                 code::kPowerSaving, code::kWakeTimes,       code::kWorkForm,        code::kPassiveAddress,
                                 code::kTransForm,  code::kTarget,          code::kTransparentMode, code::kAddressSettings,
                                 code::kWakeMode};
} // namespace

std::optional<quint8> readChainCode(int step)
{
    if (step < 0 || step >= int(std::size(kReadChain)))
        return std::nullopt;
    return kReadChain[step];
}

int readChainStep(quint8 readCode)
{
    for (int step = 0; step < int(std::size(kReadChain)); ++step)
        if (kReadChain[step] == readCode)
            return step;
    return kEndOfReadChain;
}

} // namespace lt::qx3200
