#include "sms_test_requests.h"

#include "link/helpers.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace lt::smstest {

QString sendPrefix()
{
    return QCoreApplication::translate("lt::smstest", "发射  ");
}

QString receivePrefix()
{
    return QCoreApplication::translate("lt::smstest", "接收  ");
}

namespace {

void appendLength(QByteArray &out, int n)
{
    out.append(char((n >> 8) & 0xFF));
    out.append(char(n & 0xFF));
}

} // namespace

BodyCheck encodeBody(const QString &text, Encoding encoding, Body &out)
{
    out = Body{};
    switch (encoding) {
    case Encoding::Chinese:
        if (text.isEmpty())
            return BodyCheck::Unfit;
        for (QChar c : text) {
            out.bytes.append(char(c.unicode() >> 8));
            out.bytes.append(char(c.unicode() & 0xFF));
        }
        out.type = code::kTypeWide;
        return BodyCheck::Ok;
    case Encoding::English:
        if (text.isEmpty())
            return BodyCheck::Unfit;
        for (QChar c : text) {
            // Anything beyond ASCII would depend on a code page the module knows nothing of.
            if (c.unicode() > 0x7F)
                return BodyCheck::NotAscii;
            out.bytes.append(char(c.unicode()));
        }
        out.type = code::kTypeByte;
        return BodyCheck::Ok;
    case Encoding::Hex: {
        static const QRegularExpression pairs(QStringLiteral("^(?:[0-9A-F]{2}:)*[0-9A-F]{0,2}$"));
        if (text.size() <= 2 || !pairs.match(text).hasMatch())
            return BodyCheck::Unfit;
        // length ÷ 3 rounded: a complete last pair without its ":" counts, a lone digit does not.
        const int n = int((text.size() + 1) / 3);
        for (int k = 0; k < n; ++k)
            out.bytes.append(char(hex_pair(text, 3 * k)));
        out.type = code::kTypeWide;
        return BodyCheck::Ok;
    }
    }
    return BodyCheck::Unfit;
}

int sendCount(const QString &text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Chinese:
        return int(text.size()) * 2;
    case Encoding::English:
        return int(text.size());
    case Encoding::Hex:
        return int(text.size()) / 3;
    }
    return 0;
}

bool addressValid(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-F]{2}:[0-9A-F]{2}:$"));
    return form.match(text).hasMatch();
}

QByteArray moduleAddress(const QString &text)
{
    QByteArray out(2, '\0');
    if (text.size() >= 5) {
        out[0] = char(hex_pair(text, 0));
        out[1] = char(hex_pair(text, 3));
    }
    return out;
}

bool numberValid(const QString &number)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{11}$"));
    return digits.match(number).hasMatch();
}

QByteArray packNumber(const QString &number)
{
    QByteArray out(6, '\0');
    if (number.size() < 11)
        return out;
    out[0] = char(hex_value(number.at(0).unicode()));
    for (int k = 1; k <= 5; ++k)
        out[k] = char(hex_pair(number, 2 * k - 1));
    return out;
}

QByteArray readRequest(const QByteArray &address)
{
    return QByteArray(1, code::kRequest) + address.left(2) + code::kRead + code::kEnd;
}

QByteArray statusRequest(const QByteArray &address)
{
    return QByteArray(1, code::kRequest) + address.left(2) + code::kWrite + QByteArray(2, '\0') + code::kEnd;
}

bool lengthFits(SendForm form, int bodyLength)
{
    const int widest = form.passive && form.format ? bodyLength + 10 : bodyLength;
    return widest <= kMaxLength;
}

QByteArray sendRequest(SendForm form, const QByteArray &address, const QByteArray &packedNumber, const Body &body)
{
    const int n = int(body.bytes.size());
    QByteArray formatted;
    if (form.format) {
        formatted.append(char(body.type));
        formatted.append(char(code::kNumberKind));
        formatted.append(packedNumber.left(6));
        appendLength(formatted, n);
    }
    formatted.append(body.bytes);
    if (!form.passive)
        return formatted;
    QByteArray out(1, code::kRequest);
    out.append(address.left(2));
    out.append(code::kWrite);
    appendLength(out, int(formatted.size()));
    out.append(formatted);
    out.append(code::kEnd);
    return out;
}

QByteArray bytesFromHexText(const QString &hex)
{
    const int n = int(hex.size() / 3);
    QByteArray out;
    out.reserve(n);
    for (int i = 0; i < n; ++i)
        out.append(char(hex_pair(hex, 3 * i)));
    return out;
}

QStringList logLines(const QString &prefix, const QString &hex)
{
    if (hex.size() < 45)
        return {prefix + hex};
    return {prefix + hex.left(45), hex.mid(45)};
}

} // namespace lt::smstest
