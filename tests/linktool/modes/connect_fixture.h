#pragma once

#include "app/main_window.h"
#include "link/handshake.h"
#include "link/link.h"
#include "link/timing.h"

#include "linktool_support.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

// A main window, a simulated module behind COM1 and message boxes answered at once.
struct ConnectFixture
{
    explicit ConnectFixture(const QString &model) : module(model)
    {
        test::resetProgramState();
        lt::timing::setScale(0.25, 250);
        main = std::make_unique<lt::MainWindow>();
        messages = std::make_unique<test::MessageRecorder>();
    }
    ~ConnectFixture()
    {
        main.reset();
        test::resetProgramState();
    }

    template<class T>
    T *child(const char *name) const
    {
        return main->findChild<T *>(QLatin1String(name));
    }

    int requestsWithCommand(quint8 command) const
    {
        int n = 0;
        for (const QByteArray &r : module.sim().requests())
            n += r.size() > 8 && quint8(r[8]) == command;
        return n;
    }

    mutable test::SimModule module;
    std::unique_ptr<lt::MainWindow> main;
    std::unique_ptr<test::MessageRecorder> messages;
};
