#pragma once

#include "cpu_time.h"
#include "sim_module.h"

#include <QList>
#include <QMessageBox>
#include <QString>

namespace test {

// Records every message box of linktool and answers it at once.
class MessageRecorder
{
public:
    struct Message {
        QString text;
        QString title;
        QMessageBox::Icon icon;
    };
    MessageRecorder();
    ~MessageRecorder();

    QList<Message> messages;
    // Answers given in order; Ok (or the first button offered) once they run out.
    QList<QMessageBox::StandardButton> answers;

    bool saw(const QString &text) const;
    int count(const QString &text) const;
};

// Fresh shared state, message recorder hook cleared, time at normal speed.
void resetProgramState();

} // namespace test
