#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace lt {

class MSComm;

// Selects port and line settings of the port without opening it: "COM1".."COM8"
// give 1..8 (anything else 1); a baud text from the lists gives its rate
// (anything else 9600); the settings become "<rate>,<tail>".
void set_port(MSComm &comm, const QString &port, const QString &baud, const QString &tail);

// The byte as two upper-case hexadecimal digits.
QString byte_hex(int b);
// Value of one hexadecimal digit given as a character code; anything else is 0.
int hex_value(int c);
// Key filters for hexadecimal and decimal boxes: the key code to insert, 0 to drop it.
int hex_key(int key);
int num_key(int key);
// Bytes as hexadecimal text, every byte two digits and a colon ("0A:4F:").
QString hex_text(const QByteArray &bytes);
// Value of the hexadecimal pair at characters at and at + 1 (hex_value rules;
// a character past the end counts as 0).
int hex_pair(const QString &text, int at);
// A decimal number typed by the user ("60", " 2.5 "), in the C locale; none for anything else.
std::optional<double> decimal_value(const QString &text);
// The nearest 32-bit whole number, halves to the even neighbour (2.5 gives 2,
// 3.5 gives 4); none when the value does not fit.
std::optional<qint32> round_even(double value);
// CRC-16 over buf[0..n-1], high byte first.
QByteArray crc16(const QByteArray &buf, int n);

// Byte i of a block, or -1 when the block is too short: parsers read through
// this so that nothing is read past the received bytes.
inline int byteAt(const QByteArray &block, int i)
{
    return i >= 0 && i < block.size() ? quint8(block.at(i)) : -1;
}

} // namespace lt
