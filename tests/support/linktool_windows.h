#pragma once

#include "linktool_support.h"

#include <QList>

#include <functional>
#include <memory>

class QWidget;

namespace lt {
class MainWindow;
class Shell;
}

namespace test {

// What a window of linktool is opened in to be looked at: a main window,
// with a simulated module behind COM1 for windows that show what the module
// holds, and message boxes answered at once. Files stay in test mode.
class WindowStage
{
public:
    WindowStage();
    ~WindowStage();

    // A window of the shell by its objectName, once it is shown.
    QWidget *find(const char *name);
    // A child window of the shell, with the frame around it.
    QWidget *mdiChild(const char *name);
    // A menu entry of the main window, by its objectName.
    void trigger(const char *action);
    // The connect window of `model` after the module answered Connect.
    QWidget *connected(const QString &model, void (*open)(lt::Shell &), const char *name);
    // The module on COM1, started on first use.
    SimModule &module(const QString &model);

    std::unique_ptr<lt::MainWindow> main;

private:
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<SimModule> m_module;
};

// A window of linktool as a user gets to see it: its name and how it is
// opened, with each box holding its longest value where the window lets one
// be put in. Null when it did not open.
struct WindowToShow {
    const char *name;
    std::function<QWidget *(WindowStage &)> open;
};

// Every window of linktool; a window more is a line more in linktool_windows.cpp.
const QList<WindowToShow> &linktoolWindows();

} // namespace test
