#pragma once

#include "codes.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Parameter frames of the QX3200, byte for byte, and the values they carry.
// Builders return no frame when a value does not fit its bytes, so nobody can
// send undefined bytes.
namespace lt::qx3200 {

// WorkForm, TransForm and AddressType are the family's (link/codes.h); a
// reply's address type above 2 counts as AddressType::R50.

// Of transparent transfer: where the address sits in the data.
enum class TransparentMode : quint8 { Mode1, Mode2 };
// What the module does after waking.
enum class WakeMode : quint8 { Mode1, Mode2 };
enum class Parity : quint8 { None, Odd, Even };

// Where the address sits in transparent data of mode 2 (bytes 10..13 of 0xE1).
struct AddressSettings
{
    int start = 0;
    int length = 0;
    int groupMax = 0;
    AddressType type = AddressType::Ascii;
    friend bool operator==(const AddressSettings &, const AddressSettings &) = default;
};

// The 10-byte read request of a parameter.
QByteArray readFrame(quint8 code);

// Identity (code::kIdentity, operation write or replace) or target
// (code::kTarget) address from a one-digit project number and a
// three-character site number. Each character counts by hex_value; no frame
// unless project has 1 character and site 3.
std::optional<QByteArray> addressFrame(quint8 code, const QString &project, const QString &site,
                                       quint8 operation = op::kWrite);

// The two bytes the passive-address box stands for: one character is sent as
// "0" and it, two or more as the first two characters; none for an empty
// text or a character beyond one byte.
std::optional<QByteArray> passiveAddressBytes(const QString &boxText);
// The write of the passive-mode address; no frame unless address has two bytes.
std::optional<QByteArray> passiveAddressFrame(const QByteArray &address);

// Nearest integer of a decimal text, halves to even; no value for a text
// that is not a number.
std::optional<qint64> roundedValue(const QString &text);

// Heartbeat seconds 0..32767 in two bytes (the module reads them back as a
// signed number); restart count 0..255 in one.
std::optional<QByteArray> heartbeatFrame(int seconds);
std::optional<QByteArray> restartCountFrame(int count);

QByteArray workFormFrame(WorkForm form);
QByteArray transFormFrame(TransForm form);
QByteArray transparentModeFrame(TransparentMode mode);
// Bytes as given: the window's scroll bars keep each within one byte.
QByteArray addressSettingsFrame(const AddressSettings &settings);

QByteArray powerSavingFrame(bool on);
QByteArray wakeModeFrame(WakeMode mode);
// A wake time in milliseconds as units of 400 ms (halves to even), 0..65535
// units; none for a value out of range or not a number.
std::optional<quint16> wakeUnits(double ms);
std::optional<QByteArray> wakeTimesFrame(double idleMs, double dataMs);

// The module's own serial line: baud code (code::baudCode; a rate it does not
// know as 9600) and the line-control byte of a 16550-type UART.
quint8 baudCode(int baud);
quint8 lineByte(int dataBits, Parity parity, int stopBits);
QByteArray serialLineFrame(int baud, int dataBits, Parity parity, int stopBits);
// The rates the window lists, in code order.
const QList<int> &listedBauds();
// The listed rate a baud code stands for (3..10); none for any other code.
std::optional<int> listedBaud(int baudByte);

// Two bytes as "hh:hh:", as the module's addresses are shown.
QString hexPair(int high, int low);
// Wake times as shown: "2.4s   4s" for 2400 and 4000 ms.
QString wakeTimesText(int idleMs, int dataMs);

// Step of the parameter read chain to the code it reads; none ends the chain.
std::optional<quint8> readChainCode(int step);
// The step that reads readCode; kEndOfReadChain for a code the chain does not read.
inline constexpr int kEndOfReadChain = 100;
int readChainStep(quint8 readCode);

} // namespace lt::qx3200
