#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Request frames of the QX3100 SMS module and the value encodings its
// parameters use. Plain bytes in, bytes out: no window is needed to test them.
namespace lt::qx3100 {

inline constexpr quint8 kSet = 1;
inline constexpr quint8 kQuery = 3;
inline constexpr quint8 kPhoneRead = 1;
inline constexpr quint8 kPhoneWrite = 2;

// Query of one parameter (10 bytes); the restart time is queried with 2, all others with 3.
QByteArray query(quint8 code);
// Set request: head, code, 1, data.
QByteArray set(quint8 code, const QByteArray &data);
QByteArray setByte(quint8 code, int value);

// Colon text "0A:1F:...": pair k at characters 3k+1 and 3k+2 (1-based).
// Empty when the text is too short to hold the pairs asked for.
std::optional<QByteArray> colonBytes(const QString &text, int pairs);
// An 11-digit number as the six bytes the module stores: 0x01, then the digit
// pairs 2-3 .. 10-11 each read as a hex pair. Empty unless exactly 11 characters.
std::optional<QByteArray> phoneBytes(const QString &number);

// Baud code of a 0xF2 request; 0 for a text outside the list.
int baudCode(const QString &text);
// Address type code of the selector text (0 for any other text), and the
// name the information panel shows for a received code.
int addressTypeCode(const QString &text);
QString addressTypeName(int code);

// Restart time in 5 ms units from seconds.
std::optional<qint32> restartUnits(double seconds);
// A wake delay in 400 ms units from milliseconds; empty when it does not fit 16 bits.
std::optional<quint16> wakeUnits(double milliseconds);

QByteArray be16(quint16 value);
QByteArray be32(qint32 value);

// Phone table: read one entry by its number, or by the two bytes of a colon text.
QByteArray phoneRead(quint8 high, quint8 low);
// Write one entry: address twice, the six number bytes (six 0xFF erase the
// entry), CRC over bytes 0..19 low byte first. 22 bytes.
QByteArray phoneWrite(quint8 high, quint8 low, const QByteArray &sixNumberBytes);
// Adds the CRC of the whole frame, low byte first.
QByteArray withCrc(QByteArray frame);

// Texts of an entry: "HH:LL:" and the number as the module holds it (first
// byte without a leading zero, then five pairs: "1" and ten digits, or twelve F).
QString addressText(int high, int low);
QString numberText(const QByteArray &sixBytes);

// A number as the panel shows it: shortest decimal text at 15 significant digits.
QString shortestDecimal(double value);

} // namespace lt::qx3100
