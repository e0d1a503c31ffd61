#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

namespace lt {

// Disables a window's buttons while a sequence runs and gives each its own
// state back afterwards. Locking twice saves the disabled states, so the next
// unlock leaves the buttons disabled, as the windows have always behaved.
class ButtonLock
{
public:
    // buttons keep their saved state; alsoDisable (a tab control) is simply
    // disabled by lock and enabled by unlock.
    explicit ButtonLock(QList<QWidget *> buttons = {}, QList<QWidget *> alsoDisable = {});
    void setWidgets(QList<QWidget *> buttons, QList<QWidget *> alsoDisable = {});

    void lock();
    void unlock();
    bool isLocked() const { return m_locked; }

private:
    QList<QPointer<QWidget>> m_buttons;
    QList<QPointer<QWidget>> m_also;
    QList<bool> m_saved;
    bool m_locked = false;
};

} // namespace lt
