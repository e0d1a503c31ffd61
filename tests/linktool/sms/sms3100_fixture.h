#pragma once

// Shared set-up of the QX3100 window tests: a simulated module behind COM1,
// the main window with the port open as the connect window leaves it.

#include "linktool_support.h"

#include "app/main_window.h"
#include "link/link.h"
#include "link/timing.h"
#include "sms/phone_table.h"
#include "sms/qx3100_window.h"

#include "models/qx3100_model.h"

#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <memory>

namespace sms3100 {

inline QByteArray head()
{
    return QByteArray::fromHex("1A2A3A4A5A6A7A8A");
}

struct Fixture
{
    std::unique_ptr<test::SimModule> sim;
    std::unique_ptr<lt::MainWindow> main;
    std::unique_ptr<test::MessageRecorder> messages;

    void start()
    {
        QStandardPaths::setTestModeEnabled(true);
        test::resetProgramState();
        lt::timing::setScale(0.25, 250);
        messages = std::make_unique<test::MessageRecorder>();
        sim = std::make_unique<test::SimModule>(QStringLiteral("qx3100"));
        main = std::make_unique<lt::MainWindow>();
        main->link().port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(main->link().port().open(), lt::ModulePort::Opened);
        main->link().port().setDtr(false);
        main->link().setParseMode(lt::ParseMode::SmsConnect);
    }

    void stop()
    {
        main.reset();
        sim.reset();
        messages.reset();
        test::resetProgramState();
    }

    qxsim::Qx3100Model &model() { return static_cast<qxsim::Qx3100Model &>((*sim)->model()); }

    lt::Qx3100Window *window() { return main ? main->findChild<lt::Qx3100Window *>(QStringLiteral("frm3100COM")) : nullptr; }

    template<class T = QWidget>
    T *control(const QString &name)
    {
        T *w = window() ? window()->findChild<T *>(name) : nullptr;
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }

    QPushButton *command(int i) { return control<QPushButton>(QStringLiteral("Command%1").arg(i)); }

    // Opens the window and waits until its first read sequence is over.
    void openAndSettle()
    {
        lt::openQx3100Window(*main);
        QVERIFY(window());
        // The first refresh hands the replies to the parameters.
        QTRY_VERIFY_WITH_TIMEOUT(window()->repliesTo() == lt::Qx3100Window::RepliesTo::Parameters, 3000);
        waitIdle();
    }

    // The same with a module that keeps quiet during the first read, for
    // tests about what comes after it.
    void openQuick()
    {
        (*sim)->faults().silent = true;
        openAndSettle();
        (*sim)->faults().silent = false;
        forget();
    }

    void waitIdle()
    {
        auto *sstab = control(QStringLiteral("SSTab1"));
        for (const char *t : {"Timer1", "Timer2", "Timer3", "Timer4"})
            QTRY_VERIFY_WITH_TIMEOUT(!control<QTimer>(QLatin1String(t))->isActive(), 10000);
        QVERIFY(sstab->isEnabled());
        QTest::qWait(150);   // the last answers have been parsed
    }

    // The requests the module heard, as hex, without the frame head.
    QStringList heard()
    {
        QStringList out;
        for (const QByteArray &r : (*sim)->requests())
            out << (r.startsWith(head()) ? r.mid(8) : r).toHex().toUpper();
        return out;
    }
    void forget() { (*sim)->clearRequests(); }
};

} // namespace sms3100
