#include "data_test_receive.h"

#include "data_test_frames.h"

#include "link/helpers.h"

namespace lt::datatest {

namespace {

const QString kReceived = QStringLiteral("接收  ");

constexpr int kBang = 0x21;
constexpr int kQuery = 0x3F;
constexpr int kFormatLead = 0xD7;

// What one pass of the data branch made of a burst.
enum class Pass {
    Unmatched,   // no rule fits the burst
    Matched,     // a rule fitted: logged, dropped or ignored by that rule
    Collected,   // the whole burst went to rx_hex: it must not be scanned again
};

Pass parseOnce(const QByteArray &b, int workForm, int transForm, int reqKind, Outcome &out)
{
    const int first = byteAt(b, 0);
    if (workForm == 0) {
        if (first == kBang) {
            switch (reqKind) {
            case 1: {
                const int hi = byteAt(b, 3);
                const int lo = byteAt(b, 4);
                if (hi < 0 || lo < 0)
                    return Pass::Matched;   // cut short before its length: nothing to go on
                if (hi >= 0x80) {
                    out.dropped = true;
                    return Pass::Matched;
                }
                if (hi * 256 + lo != 0) {
                    out.collected += hex_text(b);
                    return Pass::Collected;
                }
                out.log << kReceived + hex_text(b.left(6));
                return Pass::Matched;
            }
            case 2:
                out.log << kReceived + hex_text(b.left(6));
                return Pass::Matched;
            case 3:
                out.log << kReceived + hex_text(b.left(4));
                return Pass::Matched;
            default:
                return Pass::Unmatched;   // no command of ours is waiting for it
            }
        }
        if (first == kQuery) {
            out.log << kReceived + QStringLiteral("3F:") + hex_text(b.left(3));
            return Pass::Matched;
        }
        return Pass::Unmatched;
    }
    if (transForm == 0) {
        out.collected += hex_text(b);
        return Pass::Collected;
    }
    if (first != kFormatLead)
        return Pass::Unmatched;
    const int second = byteAt(b, 1);
    if (second == 0x01) {
        out.collected += hex_text(b);
        return Pass::Collected;
    }
    if (second == 0xFA || second == 0xFF || second == 0xFC) {
        out.log << kReceived + QStringLiteral("D7:") + byte_hex(second) + QLatin1Char(':');
        return Pass::Matched;
    }
    return Pass::Unmatched;
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

Outcome parseBurst(const QByteArray &burst, int workForm, int transForm, int reqKind, bool collecting)
{
    Outcome out;
    QByteArray b = burst;
    bool first = true;
    while (!b.isEmpty()) {
        const Pass pass = parseOnce(b, workForm, transForm, reqKind, out);
        // Bytes already collected belong to the message being shown; reading
        // them again as a new frame would show them twice.
        if (pass == Pass::Collected)
            break;
        // Outside every rule while a message is still coming in: it is the
        // rest of that message, which reached us in more than one block, and
        // a 0xD7 inside it is data, not a frame.
        if (first && pass == Pass::Unmatched && collecting) {
            out.collected += hex_text(b);
            break;
        }
        first = false;
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
