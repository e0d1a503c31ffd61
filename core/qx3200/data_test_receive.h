#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace lt {
struct ModuleState;
}

// What comes back during the data test: the data branch of the QX3200 reply
// parser, and how the collected bytes are shown once the line is quiet.
namespace lt::qx3200::datatest {

// The last "$" command sent to a passive module: its "!" answer is read by it.
enum class PassiveCommand { None, Read, MemoryCheck, Write };

// What the data branch made of one block.
struct Outcome
{
    QStringList log;   // lines for the raw area, line end not included
    QString collected; // "hh:" text to add to the message being collected
    bool dropped = false; // a passive read answer whose length cannot be right
};

// workForm 0 passive, other active; transForm 0 transparent, other format;
// collecting: a message is still being collected (its display gap runs), so a
// block that fits no rule is the rest of it. Reads nothing past the block.
Outcome parseBurst(const QByteArray &block, int workForm, int transForm, PassiveCommand lastCommand,
                   bool collecting = false);

// What the display shows of the collected text once the line is quiet.
struct Shown
{
    QString receive;                // the receive area's new text
    std::optional<QString> sender;  // sender address (format transfer only)
    QString log;                    // line for the raw area, line end not included
};
Shown display(const QString &collected, int workForm, int transForm);

// Characters start.. (counted from 1) of text, at most count of them; empty when
// the range lies outside the text or count is not positive.
QString textRange(const QString &text, int start, int count);

// The data test's receiving side over one module: which command the answers
// belong to and the message collected until the line falls quiet. Whoever
// owns it keeps the quiet gap and calls show() when it has passed.
class Receiver
{
public:
    void commandSent(PassiveCommand command) { m_lastCommand = command; }
    PassiveCommand lastCommand() const { return m_lastCommand; }

    // One received block, read in the modes module reports; a block while a
    // message is being collected may be the rest of it.
    Outcome take(const QByteArray &block, const ModuleState &module);
    bool collecting() const { return !m_collected.isEmpty(); }
    const QString &collected() const { return m_collected; }
    // The collected message as it is shown; it is forgotten then.
    Shown show(const ModuleState &module);

private:
    PassiveCommand m_lastCommand = PassiveCommand::None;
    QString m_collected;
};

} // namespace lt::qx3200::datatest
