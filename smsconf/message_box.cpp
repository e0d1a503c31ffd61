#include "message_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace sms {

namespace {
MessageHook g_hook;
QuestionHook g_questionHook;
FileHook g_fileHook;

QString csvFilter()
{
    return QCoreApplication::translate("sms::FileDialogs", "CSV 文件 (*.csv);;所有文件 (*)");
}
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

bool question(QWidget *parent, const QString &text, const QString &title)
{
    if (g_questionHook)
        return g_questionHook(text, title);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString fileToSave(QWidget *parent, const QString &title, const QString &suggested)
{
    if (g_fileHook)
        return g_fileHook(true, title);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, title, QDir(folder).filePath(suggested), csvFilter());
}

QString fileToOpen(QWidget *parent, const QString &title)
{
    if (g_fileHook)
        return g_fileHook(false, title);
    return QFileDialog::getOpenFileName(parent, title, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                                        csvFilter());
}

void setFileHook(FileHook hook)
{
    g_fileHook = std::move(hook);
}

void setMessageHook(MessageHook hook)
{
    g_hook = std::move(hook);
}

void setQuestionHook(QuestionHook hook)
{
    g_questionHook = std::move(hook);
}

} // namespace sms
