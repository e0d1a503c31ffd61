#pragma once

#include <QMessageBox>

#include <functional>

namespace sms {

// Every message box of the configurator goes through here, so tests can
// record a message and answer it without a modal loop.
void message(QWidget *parent, const QString &text, const QString &title,
             QMessageBox::Icon icon = QMessageBox::Information);

using MessageHook = std::function<void(const QString &text, const QString &title)>;
void setMessageHook(MessageHook hook);

} // namespace sms
