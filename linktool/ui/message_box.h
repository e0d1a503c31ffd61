#pragma once

#include <QMessageBox>

#include <functional>

namespace lt {

// Every message box of the program goes through here. Tests install a hook
// that records the message and answers it without a modal loop.
QMessageBox::StandardButton message(QWidget *parent, const QString &text, const QString &title,
                                    QMessageBox::Icon icon = QMessageBox::Information,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok);

// The same, shown once the event being handled is over; answered gets the
// button. A reply parser reports through this: a modal loop in the middle of
// its pass would hand the next received block to the same parser while it is
// still half-way through this one, and that block's first frame would be lost.
void postMessage(QWidget *parent, const QString &text, const QString &title,
                 QMessageBox::Icon icon = QMessageBox::Information,
                 QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                 std::function<void(QMessageBox::StandardButton)> answered = {});

using MessageHook = std::function<QMessageBox::StandardButton(
    const QString &text, const QString &title, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)>;
void setMessageHook(MessageHook hook);

} // namespace lt
