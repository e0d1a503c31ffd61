#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// What comes back during the data test: the data branch of the QX3200 reply
// parser, and how the collected bytes are shown once the line is quiet.
namespace lt::datatest {

// What the data branch made of one burst.
struct Outcome
{
    QStringList log;   // lines for the raw area, line end not included
    QString collected; // "hh:" text to add to rx_hex; the display timer restarts when not empty
    bool dropped = false; // a passive read answer whose length cannot be right
};

// workForm 0 passive, other active; transForm 0 transparent, other format;
// reqKind the last passive command (1 read, 2 memory check, 3 write);
// collecting: a message is still being collected (its display timer runs), so
// a burst that fits no rule is the rest of it. Reads nothing past the burst.
Outcome parseBurst(const QByteArray &burst, int workForm, int transForm, int reqKind, bool collecting = false);

// What the display timer shows of the collected text T.
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

} // namespace lt::datatest
