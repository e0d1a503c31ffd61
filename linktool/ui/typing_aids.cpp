#include "typing_aids.h"

#include "link/helpers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
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

// Adapts one kind of box to a per-key rule. Every way text gets in goes
// through the rule: typed keys, the paste shortcut, middle-click paste of the
// selection and what an input method commits. Drops and the context menu are
// switched off instead.
class KeyRule : public QObject
{
public:
    using Apply = std::function<void(int key)>;
    KeyRule(QWidget *box, Apply apply, std::function<bool()> active = {})
        : QObject(box), m_apply(std::move(apply)), m_active(std::move(active)),
          m_multiLine(qobject_cast<QPlainTextEdit *>(box) != nullptr)
    {
        box->installEventFilter(this);
        if (auto *edit = qobject_cast<QPlainTextEdit *>(box)) {
            // In a multi-line box Tab and Enter would break the groups: Tab
            // moves on, Enter is a key like any other and goes through the rule.
            edit->setTabChangesFocus(true);
            // A multi-line box gets its mouse clicks on its viewport.
            edit->viewport()->installEventFilter(this);
        }
        box->setAcceptDrops(false);
        box->setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // Only events that bring text ask whether the rule holds: the others
        // come also while the box's owner is being taken apart.
        if (!bringsText(event) || (m_active && !m_active()))
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(static_cast<QKeyEvent *>(event));
        case QEvent::InputMethod:
            // Nothing is composed in place: the committed text is typed.
            enter(static_cast<QInputMethodEvent *>(event)->commitString());
            return true;
        default:
            // The middle button: the box would paste the selection on release, past the rule.
            if (event->type() == QEvent::MouseButtonRelease && QGuiApplication::clipboard()->supportsSelection())
                enter(QGuiApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
    }

private:
    static bool bringsText(const QEvent *event)
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::InputMethod:
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return static_cast<const QMouseEvent *>(event)->button() == Qt::MiddleButton;
        default:
            return false;
        }
    }

    bool keyPress(QKeyEvent *e)
    {
        if (e->matches(QKeySequence::Paste)) {
            enter(QGuiApplication::clipboard()->text());
            return true;
        }
        const bool enterKey = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
        const int code = m_multiLine && enterKey ? 13 : keyCode(e);
        if (code == 0)
            return false;
        m_apply(code);
        return true;
    }

    // Text from anywhere but a key goes in character by character, as if typed.
    void enter(const QString &text)
    {
        for (QChar c : text)
            m_apply(c.unicode());
    }

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
