#include "message_box.h"

namespace lt {

namespace {
MessageHook g_hook;
}

QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &title,
                                    QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    if (g_hook)
        return g_hook(text, title, icon, buttons);
    QMessageBox box(icon, title, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

void setMessageHook(MessageHook hook)
{
    g_hook = std::move(hook);
}

} // namespace lt
