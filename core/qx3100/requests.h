#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Request frames of the QX3100 SMS module and the value encodings its
// parameters use. Plain bytes in, bytes out: no window is needed to test them.
namespace lt::qx3100 {

// Query of one parameter (10 bytes); the restart time is queried with its own operation byte.
QByteArray query(quint8 code);
// Set request: head, code, lt::op::kWrite, data.
QByteArray set(quint8 code, const QByteArray &data);
QByteArray setByte(quint8 code, int value);

// Colon text "0A:1F:...": pair k at characters 3k+1 and 3k+2 (1-based).
// Empty when the text is too short to hold the pairs asked for.
std::optional<QByteArray> colonBytes(const QString &text, int pairs);
// An 11-digit number as the six bytes the module stores: 0x01, then the digit
// pairs 2-3 .. 10-11 each read as a hex pair. Empty unless exactly 11 characters.
std::optional<QByteArray> phoneBytes(const QString &number);

// Baud code of a serial-line request for a rate in bits per second; 0 for a
// rate outside the list, or none (what the window sends for a text it does not know).
int baudCode(std::optional<int> bitsPerSecond);

// Restart time in 5 ms units from seconds.
std::optional<qint32> restartUnits(double seconds);
// A wake delay in 400 ms units from milliseconds; empty when it does not fit 16 bits.
std::optional<quint16> wakeUnits(double milliseconds);

QByteArray be16(quint16 value);
QByteArray be32(qint32 value);

// A number as the panel shows it: shortest decimal text at 15 significant digits.
QString shortestDecimal(double value);
// The same value as a number: what a user reads, without the last bits a
// product of the module's units leaves (2 × 0.4 is 0.8, not 0.8000000000000002).
double readable(double value);

} // namespace lt::qx3100
