#pragma once

#include "start_options.h"

#include "ui/shell.h"

#include "traffic_log.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QUrl;

namespace lt {

class Handshake;
class Link;

// The frame window, the program's one shell: owns the link to the module and
// its handshake, the menus and the status bar, the area the other windows
// live in, and the traffic log of the link.
class MainWindow : public QMainWindow, public Shell
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QMdiArea &mdi() { return *m_mdi; }

    // Restores the geometry and the traffic-log choice from settings and
    // keeps them there from now on, with what the connect windows keep.
    // Without it (as in tests) nothing is read or stored.
    void rememberIn(QSettings *settings);
    // --port, --model, --log: over what was remembered, for this run.
    void applyStartOptions(const StartOptions &options);

    // Where traffic logs go; <application data>/logs unless told otherwise.
    void setLogFolder(const QString &folder) { m_logFolder = folder; }
    QString logFolder() const { return m_logFolder; }
    qx::TrafficLog &trafficLog() { return m_log; }
    // How a folder is shown to the user: the desktop's file manager unless
    // a test watches instead.
    void setFolderOpener(std::function<bool(const QUrl &)> open) { m_openFolder = std::move(open); }

    // Shell
    QWidget &frame() override { return *this; }
    Link &link() override { return *m_link; }
    Handshake &handshake() override { return *m_handshake; }
    QMdiSubWindow *addChild(QWidget *window) override;
    void activateChild(QWidget *window) override;
    void setPanel(Panel panel, const QString &value) override;
    QString panelText(Panel panel) const override;
    void showPortInUse() override;
    void showPortUnused() override;
    void setPortUser(QWidget *window) override { m_portUser = window; }
    QWidget *portUser() const override { return m_portUser; }
    SmsManner smsManner() const override;
    void setSmsMannerVisible(bool visible) override;
    void onSmsMannerChosen(QObject *context, std::function<void(SmsManner)> slot) override;
    QSettings *settings() const override { return m_settings; }
    QString startPort() const override { return m_startPort; }

    // The chooser, the calculator and the Unicode tool are opened from here.
    void openChooser();

signals:
    // An entry of the sms_Manner menu was clicked (the SMS window empties its message box).
    void smsMannerChosen(lt::Shell::SmsManner manner);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void onVanished();
    void clearArea(const char *area);
    void startLog();
    void onLogToggled(bool on);
    void onLogFailed(const QString &text);
    void openLogFolder();

    QMdiArea *m_mdi;
    Link *m_link;
    Handshake *m_handshake;
    QTimer m_chooserTimer;   // Timer1
    QLabel *m_panels[3] = {};
    QMenu *m_smsManner = nullptr;
    QAction *m_chinese = nullptr;
    QAction *m_english = nullptr;   // englist
    QAction *m_hex = nullptr;       // sendhex
    QPointer<QWidget> m_portUser;
    QSettings *m_settings = nullptr;
    QString m_startPort;
    StartOptions::Model m_startModel = StartOptions::Model::None;
    qx::TrafficLog m_log;
    QString m_model;   // the module on the open port, once the handshake said
    QString m_logFolder;
    QAction *m_logAction = nullptr;   // trafficLog
    std::function<bool(const QUrl &)> m_openFolder;
};

} // namespace lt
