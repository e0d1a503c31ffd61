#pragma once

#include "codes.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lt::smstest {

// How the message text travels: the sms_Manner entry with the check mark.
enum class Encoding { Chinese, English, Hex };

// Every length field of a request is a signed 16-bit count; L + 10 must fit as well.
constexpr int kMaxLength = 32767;

struct Body
{
    QByteArray bytes;
    quint8 type = code::kTypeWide;
};

enum class BodyCheck { Ok, Unfit, NotAscii };

// The message bytes for the text in the chosen encoding. Unfit: empty text, or
// in hexadecimal mode a text of two characters or less or one that is not
// pairs of upper-case digits each followed by ":" (a trailing lone digit is
// ignored). NotAscii: a character that has no single-byte code in English mode.
BodyCheck encodeBody(const QString &text, Encoding encoding, Body &out);

// What the byte counter of the send area shows for the text.
int sendCount(const QString &text, Encoding encoding);

// "12:34:" style module address: exactly two upper-case hex pairs each followed by ":".
bool addressValid(const QString &text);
QByteArray moduleAddress(const QString &text);

// Receiver number: exactly 11 decimal digits.
bool numberValid(const QString &number);
// 6 bytes: the first digit alone, then the digit pairs 2-3 .. 10-11, one nibble each.
QByteArray packNumber(const QString &number);

// Passive-form requests: "$", address, then "R" CR, or "W" 00 00 CR.
QByteArray readRequest(const QByteArray &address);
QByteArray statusRequest(const QByteArray &address);

// The message request for the module's work form and transfer form.
struct SendForm
{
    bool passive = false;
    bool format = false;
};
QByteArray sendRequest(SendForm form, const QByteArray &address, const QByteArray &packedNumber, const Body &body);
// Whether the length fields of that request can hold the body.
bool lengthFits(SendForm form, int bodyLength);
// Back from such text: length ÷ 3 bytes, each from the two digits that lead its group.
QByteArray bytesFromHexText(const QString &hex);

// A log entry of the raw-code area: prefix and hex text on one line while the
// text is under 45 characters, otherwise its first 45 characters on the first
// line and the rest on a second.
QStringList logLines(const QString &prefix, const QString &hex);

// The prefixes of what was sent and what was received, in the user's language.
QString sendPrefix();
QString receivePrefix();

} // namespace lt::smstest
