#include "message_box.h"

namespace sms {

namespace {
MessageHook g_hook;
}

void message(QWidget *parent, const QString &text, const QString &title, QMessageBox::Icon icon)
{
    if (g_hook) {
        g_hook(text, title);
        return;
    }
    QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
    box.exec();
}

void setMessageHook(MessageHook hook)
{
    g_hook = std::move(hook);
}

} // namespace sms
