#include "typing_aids.h"

#include "helpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <functional>

namespace lt {

EditState hexColonKey(EditState s, int key, bool appendAtEnd)
{
    s.selStart = qBound(0, s.selStart, int(s.text.size()));
    s.selLength = qBound(0, s.selLength, int(s.text.size()) - s.selStart);
    if (key == 8) {
        if (s.selLength > 0) {
            s.text.remove(s.selStart, s.selLength);
        } else if (s.selStart > 0) {
            s.text.remove(s.selStart - 1, 1);
            --s.selStart;
        }
        s.selLength = 0;
        return s;
    }
    const int code = hex_key(key);
    if (code != 0) {
        const QString ch = QString(QChar(code));
        if (appendAtEnd) {
            s.text.append(ch);
            s.selStart = int(s.text.size());
        } else {
            s.text.replace(s.selStart, s.selLength, ch);
            s.selStart += 1;
        }
        s.selLength = 0;
    }
    if (s.text.size() % 3 == 2) {
        s.text.append(QLatin1Char(':'));
        s.selStart = int(s.text.size());
        s.selLength = 0;
    }
    return s;
}

namespace {

// Key code of a key event as the filters see it: Backspace is 8, a character
// its code; 0 for keys that type nothing (arrows, Delete...), which pass on.
int keyCode(const QKeyEvent *e)
{
    if (e->key() == Qt::Key_Backspace)
        return 8;
    const QString t = e->text();
    if (t.isEmpty() || t.at(0).unicode() < 32)
        return 0;
    return t.at(0).unicode();
}

// Adapts one kind of box to a per-key rule, for typing and pasting alike.
class KeyRule : public QObject
{
public:
    using Apply = std::function<void(int key)>;
    KeyRule(QWidget *box, Apply apply, std::function<bool()> active = {})
        : QObject(box), m_apply(std::move(apply)), m_active(std::move(active)),
          m_multiLine(qobject_cast<QPlainTextEdit *>(box) != nullptr)
    {
        // In a multi-line box Tab and Enter would break the groups: Tab moves
        // on, Enter is a key like any other and goes through the rule.
        if (auto *edit = qobject_cast<QPlainTextEdit *>(box))
            edit->setTabChangesFocus(true);
        box->installEventFilter(this);
        box->setAcceptDrops(false);
        box->setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || (m_active && !m_active()))
            return false;
        auto *e = static_cast<QKeyEvent *>(event);
        if (e->matches(QKeySequence::Paste)) {
            const QString pasted = QGuiApplication::clipboard()->text();
            for (QChar c : pasted)
                m_apply(c.unicode());
            return true;
        }
        const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        const int code = m_multiLine && enter ? 13 : keyCode(e);
        if (code == 0)
            return false;
        m_apply(code);
        return true;
    }

private:
    Apply m_apply;
    std::function<bool()> m_active;
    bool m_multiLine;
};

EditState stateOf(QLineEdit *box)
{
    if (box->hasSelectedText())
        return {box->text(), box->selectionStart(), int(box->selectedText().size())};
    return {box->text(), box->cursorPosition(), 0};
}

void setState(QLineEdit *box, const EditState &s)
{
    box->setText(s.text);
    box->setCursorPosition(s.selStart);
}

EditState stateOf(QPlainTextEdit *box)
{
    const QTextCursor c = box->textCursor();
    return {box->toPlainText(), c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

void setState(QPlainTextEdit *box, const EditState &s)
{
    box->setPlainText(s.text);
    QTextCursor c = box->textCursor();
    c.setPosition(qMin(s.selStart, int(s.text.size())));
    box->setTextCursor(c);
}

template<class Box>
void installColon(Box *box, bool appendAtEnd, std::function<bool()> active = {})
{
    new KeyRule(
        box,
        [box, appendAtEnd](int key) {
            if (box->isReadOnly())
                return;
            const EditState before = stateOf(box);
            const EditState after = hexColonKey(before, key, appendAtEnd);
            if (after.text != before.text || after.selStart != before.selStart)
                setState(box, after);
        },
        std::move(active));
}

} // namespace

void installHexColonAid(QLineEdit *box, bool appendAtEnd)
{
    installColon(box, appendAtEnd);
}

void installHexColonAid(QPlainTextEdit *box, bool appendAtEnd, std::function<bool()> active)
{
    installColon(box, appendAtEnd, std::move(active));
}

void installKeyFilter(QLineEdit *box, int (*filter)(int))
{
    new KeyRule(box, [box, filter](int key) {
        if (box->isReadOnly())
            return;
        const int code = filter(key);
        if (code == 8)
            box->backspace();
        else if (code != 0)
            box->insert(QString(QChar(code)));
    });
}

} // namespace lt
