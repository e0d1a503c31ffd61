#pragma once

#include <QMessageBox>

#include <functional>

namespace sms {

// Every message box of the configurator goes through here, so tests can
// record a message and answer it without a modal loop.
void message(QWidget *parent, const QString &text, const QString &title,
             QMessageBox::Icon icon = QMessageBox::Information);

// A yes/no question; true for yes.
bool question(QWidget *parent, const QString &text, const QString &title);

using MessageHook = std::function<void(const QString &text, const QString &title)>;
void setMessageHook(MessageHook hook);
using QuestionHook = std::function<bool(const QString &text, const QString &title)>;
void setQuestionHook(QuestionHook hook);

} // namespace sms
