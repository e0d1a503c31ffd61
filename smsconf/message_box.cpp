#include "message_box.h"

namespace sms {

namespace {
MessageHook g_hook;
QuestionHook g_questionHook;
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

void setMessageHook(MessageHook hook)
{
    g_hook = std::move(hook);
}

void setQuestionHook(QuestionHook hook)
{
    g_questionHook = std::move(hook);
}

} // namespace sms
