#pragma once

#include <QString>

#include <functional>

class QMdiSubWindow;
class QObject;
class QSettings;
class QWidget;

namespace lt {

class Handshake;
class Link;

// What every window may ask of the application shell, the frame they all
// live in: the link to the module, the status panels, the SMS manner menu
// and the area of child windows. The main window is the one shell; windows
// know only this face of it.
class Shell
{
public:
    virtual ~Shell() = default;

    // Parent of the connect windows and notices, and of what they say.
    virtual QWidget &frame() = 0;
    virtual Link &link() = 0;
    virtual Handshake &handshake() = 0;

    // Shows a child window inside the frame, deleted when it closes (a single
    // instance per name stays the caller's job).
    virtual QMdiSubWindow *addChild(QWidget *window) = 0;
    // Brings a child window's frame to the front.
    virtual void activateChild(QWidget *window) = 0;

    // Status panels 1..3: the string-table prefix followed by value.
    enum Panel { PortPanel = 1, ModulePanel = 2, SendCountPanel = 3 };
    virtual void setPanel(Panel panel, const QString &value) = 0;
    virtual QString panelText(Panel panel) const = 0;
    // Panel 1 while a module window uses the port: "COM1--9600,n,8,1" (a
    // device path in place of COM1 when the port was chosen by path).
    virtual void showPortInUse() = 0;
    virtual void showPortUnused() = 0;

    // The module window that talks through the port: while it is open, the
    // port is its to close.
    virtual void setPortUser(QWidget *window) = 0;
    virtual QWidget *portUser() const = 0;

    // The SMS manner menu: which encoding carries the check mark.
    enum class SmsManner { Chinese, English, Hex };
    virtual SmsManner smsManner() const = 0;
    virtual void setSmsMannerVisible(bool visible) = 0;
    // slot runs, while context lives, whenever the user clicks an entry.
    virtual void onSmsMannerChosen(QObject *context, std::function<void(SmsManner)> slot) = 0;

    // Where windows keep what the next start begins with (each under a
    // group of its own name); null while nothing is kept.
    virtual QSettings *settings() const = 0;
    // The port the command line named: every connect window of this run
    // starts with it, over what was remembered. Empty when none was named.
    virtual QString startPort() const = 0;
};

} // namespace lt
