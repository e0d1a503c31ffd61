#pragma once

#include "ui/shell.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;

namespace lt {

class Handshake;
class Link;

// The frame window, the program's one shell: owns the link to the module and
// its handshake, the menus and the status bar, and the area the other windows
// live in.
class MainWindow : public QMainWindow, public Shell
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QMdiArea &mdi() { return *m_mdi; }

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

    // The chooser, the calculator and the Unicode tool are opened from here.
    void openChooser();

signals:
    // An entry of the sms_Manner menu was clicked (the SMS window empties its message box).
    void smsMannerChosen(lt::Shell::SmsManner manner);

private:
    void buildMenus();
    void onVanished();
    void clearArea(const char *area);

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
};

} // namespace lt
