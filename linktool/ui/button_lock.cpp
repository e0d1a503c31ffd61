#include "button_lock.h"

namespace lt {

ButtonLock::ButtonLock(QList<QWidget *> buttons, QList<QWidget *> alsoDisable)
{
    setWidgets(std::move(buttons), std::move(alsoDisable));
}

void ButtonLock::setWidgets(QList<QWidget *> buttons, QList<QWidget *> alsoDisable)
{
    m_buttons.clear();
    m_also.clear();
    for (QWidget *w : buttons)
        m_buttons.append(w);
    for (QWidget *w : alsoDisable)
        m_also.append(w);
    m_saved = QList<bool>(m_buttons.size(), true);
}

void ButtonLock::lock()
{
    m_locked = true;
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (!m_buttons[i])
            continue;
        // The button's own Enabled flag, not what a disabled parent makes of it.
        m_saved[i] = !m_buttons[i]->testAttribute(Qt::WA_ForceDisabled);
        m_buttons[i]->setEnabled(false);
    }
    for (auto &w : m_also)
        if (w)
            w->setEnabled(false);
}

void ButtonLock::unlock()
{
    m_locked = false;
    for (int i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i])
            m_buttons[i]->setEnabled(m_saved[i]);
    for (auto &w : m_also)
        if (w)
            w->setEnabled(true);
}

} // namespace lt
