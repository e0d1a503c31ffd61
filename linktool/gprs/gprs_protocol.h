#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Parameter frames of the QX3200 GPRS module, byte for byte. Builders return
// no frame when the input does not give every byte a defined value, so a
// window can never send undefined bytes.
namespace lt::gprs {

// Command codes.
enum Code : quint8 {
    kIdentity = 0xF4,
    kTarget = 0xF3,
    kPassiveAddress = 0xE2,
    kHeartbeat = 0xF6,
    kRestartCount = 0xE4,
    kWorkForm = 0xF8,
    kTransForm = 0xF9,
    kSubMode = 0xFB,
    kAddressSettings = 0xE1,
    kPowerSaving = 0xD3,
    kWakeMode = 0xDB,
    kWakeTimes = 0xD2,
    kSerialLine = 0xF2,
    kVersion = 0xEC,
    kStatus = 0xFD,
};

// Operation byte 9 of a request.
enum Operation : quint8 { kWrite = 0x01, kReplace = 0x02, kRead = 0x03 };

// The 10-byte read request of a parameter.
QByteArray readFrame(quint8 code);

// Identity (0xF4, operation write or replace) or target (0xF3) address from a
// one-digit project number and a three-character site number. Each character
// counts by hex_value; no frame unless project has 1 character and site 3.
std::optional<QByteArray> addressFrame(quint8 code, const QString &project, const QString &site,
                                       quint8 operation = kWrite);

// Passive-mode address: one character is sent as "0" and it, two or more as
// the first two characters; an empty text gives no frame.
std::optional<QByteArray> passiveAddressFrame(const QString &text);

// Nearest integer of a decimal text, halves to even; no value for a text
// that is not a number.
std::optional<qint64> roundedValue(const QString &text);

// Heartbeat seconds 0..65535 in two bytes; restart count 0..255 in one.
std::optional<QByteArray> heartbeatFrame(const QString &seconds);
std::optional<QByteArray> restartCountFrame(const QString &count);

QByteArray workFormFrame(bool active);
QByteArray transFormFrame(bool format);
QByteArray subModeFrame(bool mode1);

// 0 "ASCII", 1 "16进制", 2 "BCD码", 3 any other text.
quint8 addressTypeCode(const QString &typeText);
QByteArray addressSettingsFrame(int start, int length, int groupMax, const QString &typeText);

QByteArray powerSavingFrame(bool on);
QByteArray wakeModeFrame(bool mode2);
// Wake times in milliseconds, each sent in units of 400 ms (halves to even),
// 0..65535 units; no frame for a text that is not a number or out of range.
std::optional<quint16> wakeUnits(const QString &ms);
std::optional<QByteArray> wakeTimesFrame(const QString &idleMs, const QString &dataMs);

// Serial line of the module: baud code from the list text (unknown text 6)
// and the line-control byte of a 16550-type UART.
enum class Parity { None, Odd, Even };
quint8 baudCode(const QString &baudText);
quint8 lineByte(bool sevenDataBits, Parity parity, bool twoStopBits);
QByteArray serialLineFrame(const QString &baudText, bool sevenDataBits, Parity parity, bool twoStopBits);

// Two bytes as "hh:hh:".
QString hexPair(int high, int low);
// Wake times of a 0xD2 reply: "2.4s   4s" for units 6 and 10.
QString wakeTimesText(int idleUnits, int dataUnits);
// Baud text of a 0xF2 reply code 3..10, empty for any other code.
QString baudText(int code);

// Step of the parameter read chain to the code it reads; none ends the chain.
std::optional<quint8> readChainCode(int step);

} // namespace lt::gprs
