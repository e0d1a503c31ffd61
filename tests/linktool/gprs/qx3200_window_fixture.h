#pragma once

#include "app/main_window.h"
#include "gprs/qx3200_window.h"
#include "link/timing.h"
#include "sequencer.h"

#include "linktool_support.h"

#include <QTest>
#include <QTimer>

#include <memory>

// Base of the tests that drive the QX3200 window: a main window, a simulated
// QX3200 behind COM1 and message boxes answered at once, fresh for every case.
class Qx3200WindowFixture : public QObject
{
protected:
    std::unique_ptr<test::SimModule> sim;
    std::unique_ptr<lt::MainWindow> main;
    std::unique_ptr<test::MessageRecorder> rec;

    void setUpWindowTest()
    {
        test::resetProgramState();
        lt::timing::setScale(0.25, 250);
        sim = std::make_unique<test::SimModule>(QStringLiteral("qx3200"));
        main = std::make_unique<lt::MainWindow>();
        rec = std::make_unique<test::MessageRecorder>();
    }

    void tearDownWindowTest()
    {
        main.reset();
        QTest::qWait(0);
        sim.reset();
        rec.reset();
    }

    // The open QX3200 window, if any.
    lt::Qx3200Window *window() { return lt::Qx3200Window::find(*main); }

    // A control of the open QX3200 window; a missing one ends the run.
    template<class T = QWidget>
    T *w(const QString &name)
    {
        T *found = window()->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    // The sequence of the open window whose timer has that name ("Timer2": the read chain).
    qx::Sequencer *sequence(const QString &timerName)
    {
        for (qx::Sequencer *s : window()->findChildren<qx::Sequencer *>())
            if (s->timer().objectName() == timerName)
                return s;
        qFatal("no sequence %s", qPrintable(timerName));
        return nullptr;
    }
    qx::Sequencer *readChain() { return sequence(QStringLiteral("Timer2")); }
};
