#pragma once

#include "bytes.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace lt {

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

// Decoders read through the one byteAt of every program.
using qx::byteAt;

} // namespace lt
