#include "data_test_receive.h"

#include "data_test_frames.h"

#include "link/helpers.h"

namespace lt::datatest {

namespace {

const QString kReceived = QStringLiteral("接收  ");

constexpr int kBang = 0x21;
constexpr int kQuery = 0x3F;
constexpr int kFormatLead = 0xD7;

// One pass of the data branch over a burst. Returns true when the whole burst
// went to rx_hex: those bytes are consumed and must not be scanned again.
bool parseOnce(const QByteArray &b, int workForm, int transForm, int reqKind, Outcome &out)
{
    const int first = byteAt(b, 0);
    if (workForm == 0) {
        if (first == kBang) {
            switch (reqKind) {
            case 1: {
                const int hi = byteAt(b, 3);
                const int lo = byteAt(b, 4);
                if (hi < 0 || lo < 0)
                    return false;   // cut short before its length: nothing to go on
                if (hi >= 0x80) {
                    out.dropped = true;
                    return false;
                }
                if (hi * 256 + lo != 0) {
                    out.collected += hex_text(b);
                    return true;
                }
                out.log << kReceived + hex_text(b.left(6));
                return false;
            }
            case 2:
                out.log << kReceived + hex_text(b.left(6));
                return false;
            case 3:
                out.log << kReceived + hex_text(b.left(4));
                return false;
            default:
                return false;
            }
        }
        if (first == kQuery)
            out.log << kReceived + QStringLiteral("3F:") + hex_text(b.left(3));
        return false;
    }
    if (transForm == 0) {
        out.collected += hex_text(b);
        return true;
    }
    if (first != kFormatLead)
        return false;
    const int second = byteAt(b, 1);
    if (second == 0x01) {
        out.collected += hex_text(b);
        return true;
    }
    if (second == 0xFA || second == 0xFF || second == 0xFC)
        out.log << kReceived + QStringLiteral("D7:") + byte_hex(second) + QLatin1Char(':');
    return false;
}

// Position of the first 0xD7 from byte 1 on with more than two bytes after it.
int nextFormatLead(const QByteArray &b)
{
    const int last = int(b.size()) - 1;
    for (int k = 1; last - k > 2; ++k)
        if (byteAt(b, k) == kFormatLead)
            return k;
    return -1;
}

} // namespace

Outcome parseBurst(const QByteArray &burst, int workForm, int transForm, int reqKind)
{
    Outcome out;
    QByteArray b = burst;
    while (!b.isEmpty()) {
        // Bytes already collected belong to the message being shown; reading
        // them again as a new frame would show them twice.
        if (parseOnce(b, workForm, transForm, reqKind, out))
            break;
        const int k = nextFormatLead(b);
        if (k < 0)
            break;
        b = b.mid(k);
    }
    return out;
}

QString textRange(const QString &text, int start, int count)
{
    const int from = start - 1;
    if (from < 0 || from >= text.size() || count <= 0)
        return {};
    return text.mid(from, count);
}

Shown display(const QString &t, int workForm, int transForm)
{
    const int len = int(t.size());
    const QString crlf = QStringLiteral("\r\n");
    Shown d;
    if (workForm != 0 && transForm != 0) {
        d.receive = crlf + textRange(t, 19, len);
        d.sender = textRange(t, 7, 6);
    } else if (workForm != 0) {
        d.receive = crlf + t;
    } else if (transForm != 0) {
        d.receive = crlf + textRange(t, 34, len - 36);
        d.sender = textRange(t, 22, 6);
    } else {
        d.receive = crlf + textRange(t, 16, len - 18);
    }
    d.log = QStringLiteral("接收数据：  ") + t;
    return d;
}

} // namespace lt::datatest
