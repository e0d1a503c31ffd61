#pragma once

// What the configurator's tests share beside the simulated module and CPU
// time of every program's tests.

#include "cpu_time.h"
#include "sim_module.h"

#include "message_box.h"
#include "models/smsconf_model.h"
#include "timing.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTableWidget>
#include <QTest>

namespace smstest {

// A row of a table list double-clicked as a user does it.
inline void doubleClickRow(QTableWidget *list, int row)
{
    list->scrollToItem(list->item(row, 1));
    const QRect cell = list->visualItemRect(list->item(row, 1));
    // A real double-click: the press that picks the row, then the double-click on it.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, cell.center());
}

// Records every message box and question of the configurator and answers
// it at once (a question with answerYes).
class Messages
{
public:
    Messages()
    {
        sms::setMessageHook([this](const QString &text, const QString &title) { seen.append({text, title}); });
        sms::setQuestionHook([this](const QString &text, const QString &title) {
            questions.append({text, title});
            return answerYes;
        });
    }
    ~Messages()
    {
        sms::setMessageHook({});
        sms::setQuestionHook({});
    }
    int count(const QString &text) const
    {
        int n = 0;
        for (const auto &m : seen)
            n += m.first == text;
        return n;
    }
    bool saw(const QString &text, const QString &title) const { return seen.contains({text, title}); }
    QList<QPair<QString, QString>> seen;
    QList<QPair<QString, QString>> questions;
    bool answerYes = false;
};

// The question asked before the program ends with edits the module does not hold.
inline const QString kUnsavedQuestion = QStringLiteral("电话号码表或信息表中有修改尚未写入模块，关闭后这些修改将丢失。\n确定要关闭吗？");

} // namespace smstest
