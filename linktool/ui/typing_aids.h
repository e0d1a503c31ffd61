#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace lt {

// A text box's text with its selection, as the typing aids see it.
struct EditState
{
    QString text;
    int selStart = 0;
    int selLength = 0;
};

// The hex-with-colon typing rule: the key goes through hex_key; the resulting
// character replaces the selection (or, with appendAtEnd, goes to the end);
// then, when the length is 2 more than a multiple of 3, the caret moves to the
// end and ":" follows. A dropped key still runs the colon rule. Backspace
// deletes as usual. Typing 0, A, 1, F gives "0A:1F:".
EditState hexColonKey(EditState state, int key, bool appendAtEnd = false);

// Installs the rule on a box. Text that comes in any other way than a key
// (pasted, pasted with the middle button, committed by an input method) is
// typed character by character through the same rule.
void installHexColonAid(QLineEdit *box, bool appendAtEnd = false);
// In a multi-line box Enter goes through the rule too and Tab moves on. With
// active, the rule holds only while active() does; otherwise the box takes keys
// as usual (a box whose content is hexadecimal in one mode and plain text in another).
void installHexColonAid(QPlainTextEdit *box, bool appendAtEnd = false, std::function<bool()> active = {});

// A plain key filter (hex_key or num_key): the filtered character is inserted at the caret.
void installKeyFilter(QLineEdit *box, int (*filter)(int));

} // namespace lt
