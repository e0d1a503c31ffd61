#include "message_box.h"

#include <QCoreApplication>

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

void postMessage(QWidget *parent, const QString &text, const QString &title, QMessageBox::Icon icon,
                 QMessageBox::StandardButtons buttons, std::function<void(QMessageBox::StandardButton)> answered)
{
    // Dropped with its parent: a window that is gone has nothing left to say.
    QObject *context = parent ? static_cast<QObject *>(parent) : QCoreApplication::instance();
    QMetaObject::invokeMethod(
        context,
        [parent, text, title, icon, buttons, answered = std::move(answered)] {
            const auto answer = message(parent, text, title, icon, buttons);
            if (answered)
                answered(answer);
        },
        Qt::QueuedConnection);
}

void setMessageHook(MessageHook hook)
{
    g_hook = std::move(hook);
}

} // namespace lt
