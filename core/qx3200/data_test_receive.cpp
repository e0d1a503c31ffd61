#include "data_test_receive.h"

#include "codes.h"
#include "data_test_frames.h"

#include "link/helpers.h"
#include "link/module_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace lt::qx3200::datatest {

namespace {

// The prefix of a received line in the raw area, in the user's language.
QString received()
{
    return QCoreApplication::translate("lt::qx3200::datatest", "接收  ");
}

// What one pass of the data branch made of a block.
enum class Pass {
    Unmatched,   // no rule fits the block
    Matched,     // a rule fitted: logged, dropped or ignored by that rule
    Collected,   // the whole block was collected: it must not be scanned again
};

Pass parseOnce(const QByteArray &b, int workForm, int transForm, PassiveCommand lastCommand, Outcome &out)
{
    const int first = byteAt(b, 0);
    if (workForm == 0) {
        if (first == kAnswer) {
            switch (lastCommand) {
            case PassiveCommand::Read: {
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
                out.log << received() + hex_text(b.left(6));
                return Pass::Matched;
            }
            case PassiveCommand::MemoryCheck:
                out.log << received() + hex_text(b.left(6));
                return Pass::Matched;
            case PassiveCommand::Write:
                out.log << received() + hex_text(b.left(4));
                return Pass::Matched;
            case PassiveCommand::None:
                return Pass::Unmatched;   // no command of ours is waiting for it
            }
        }
        if (first == kMalformed) {
            out.log << received() + QStringLiteral("3F:") + hex_text(b.left(3));
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
    if (second == kFormatData) {
        out.collected += hex_text(b);
        return Pass::Collected;
    }
    if (std::find(std::begin(kFormatStatuses), std::end(kFormatStatuses), second) != std::end(kFormatStatuses)) {
        out.log << received() + QStringLiteral("D7:") + byte_hex(second) + QLatin1Char(':');
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

Outcome parseBurst(const QByteArray &block, int workForm, int transForm, PassiveCommand lastCommand, bool collecting)
{
    Outcome out;
    QByteArray b = block;
    bool first = true;
    while (!b.isEmpty()) {
        const Pass pass = parseOnce(b, workForm, transForm, lastCommand, out);
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
    d.log = QCoreApplication::translate("lt::qx3200::datatest", "接收数据：  ") + t;
    return d;
}

Outcome Receiver::take(const QByteArray &block, const ModuleState &module)
{
    Outcome out = parseBurst(block, module.workForm, module.transForm, m_lastCommand, collecting());
    m_collected += out.collected;
    return out;
}

Shown Receiver::show(const ModuleState &module)
{
    const Shown shown = display(m_collected, module.workForm, module.transForm);
    m_collected.clear();
    return shown;
}

} // namespace lt::qx3200::datatest
