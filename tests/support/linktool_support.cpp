#include "linktool_support.h"

#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/settings_files.h"

namespace test {

MessageRecorder::MessageRecorder()
{
    lt::setMessageHook([this](const QString &text, const QString &title, QMessageBox::Icon icon,
                              QMessageBox::StandardButtons buttons) {
        messages.append({text, title, icon});
        if (!answers.isEmpty())
            return answers.takeFirst();
        for (auto b : {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
            if (buttons & b)
                return b;
        return QMessageBox::Ok;
    });
}

MessageRecorder::~MessageRecorder()
{
    lt::setMessageHook({});
    lt::setSettingsPathHook({});
}

bool MessageRecorder::saw(const QString &text) const
{
    return count(text) > 0;
}

int MessageRecorder::count(const QString &text) const
{
    int n = 0;
    for (const auto &m : messages)
        n += m.text == text;
    return n;
}

void resetProgramState()
{
    lt::setMessageHook({});
    lt::setSettingsPathHook({});
    lt::timing::setScale(1.0, 0);
}

} // namespace test
