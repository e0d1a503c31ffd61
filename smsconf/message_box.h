#pragma once

#include <QMessageBox>

#include <functional>

namespace sms {

// Every message box and file dialog of the configurator goes through here,
// so tests can record a message and answer it without a modal loop.
void message(QWidget *parent, const QString &text, const QString &title,
             QMessageBox::Icon icon = QMessageBox::Information);

// A yes/no question; true for yes.
bool question(QWidget *parent, const QString &text, const QString &title);

// The file to write or to read, asked in the system's file dialog; empty
// when the user cancels. suggested is the name offered for a new file.
QString fileToSave(QWidget *parent, const QString &title, const QString &suggested);
QString fileToOpen(QWidget *parent, const QString &title);

using MessageHook = std::function<void(const QString &text, const QString &title)>;
void setMessageHook(MessageHook hook);
using QuestionHook = std::function<bool(const QString &text, const QString &title)>;
void setQuestionHook(QuestionHook hook);
// Answers the file dialogs instead of the user: `save` tells which was asked.
using FileHook = std::function<QString(bool save, const QString &title)>;
void setFileHook(FileHook hook);

} // namespace sms
