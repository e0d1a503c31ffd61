#pragma once

#include "app/main_window.h"
#include "gprs/frm3200com_window.h"
#include "link/timing.h"

#include "linktool_support.h"

#include <QTest>

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

    // A control of the open QX3200 window; a missing one ends the run.
    template<class T = QWidget>
    T *w(const QString &name)
    {
        T *found = lt::Frm3200COM::instance()->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
};
