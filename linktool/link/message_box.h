#pragma once

#include <QMessageBox>

#include <functional>

namespace lt {

// Every message box of the program goes through here. Tests install a hook
// that records the message and answers it without a modal loop.
QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &title,
                                    QMessageBox::Icon icon = QMessageBox::Information,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

using MessageHook = std::function<QMessageBox::StandardButton(
    const QString &text, const QString &title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;
void setMessageHook(MessageHook hook);

} // namespace lt
