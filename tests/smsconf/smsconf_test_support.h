#pragma once

#include "message_box.h"
#include "simulator.h"
#include "models/smsconf_model.h"
#include "timing.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTableWidget>
#include <QTest>

#include <sys/resource.h>

#include <memory>

namespace smstest {

// CPU time (user + system) the process spends while its event loop runs for ms milliseconds.
inline double cpuMillisWhileWaiting(int ms)
{
    auto now = [] {
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
    };
    const double before = now();
    QTest::qWait(ms);
    return now() - before;
}

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

// An in-process simulated module behind COM<port> (via QXCOM<port>).
class Module
{
public:
    explicit Module(int port = 4) : m_port(port) { restart(); }
    void restart()
    {
        m_sim = std::make_unique<qxsim::Simulator>(std::make_unique<qxsim::SmsconfModel>());
        if (!m_sim->start())
            qFatal("cannot open a pseudo-terminal");
        qputenv(("QXCOM" + QByteArray::number(m_port)).constData(), m_sim->devicePath().toLocal8Bit());
    }
    qxsim::Simulator &sim() { return *m_sim; }
    qxsim::SmsconfModel &model() { return static_cast<qxsim::SmsconfModel &>(m_sim->model()); }
    void set(const QString &key, int value)
    {
        if (!model().setOption(key, QString::number(value)))
            qFatal("unknown module option %s", qPrintable(key));
    }

private:
    int m_port;
    std::unique_ptr<qxsim::Simulator> m_sim;
};

} // namespace smstest
