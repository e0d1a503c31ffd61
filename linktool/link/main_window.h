#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>

class QAction;
class QActionGroup;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace lt {

class Handshake;
class MSComm;

// The frame window: owns the serial port, the receive tick, the menus and the
// status bar, and hands every received block to the parser of parse_mode.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    static MainWindow *instance();

    MSComm &comm() { return *m_comm; }
    Handshake &handshake() { return *m_handshake; }
    QMdiArea &mdi() { return *m_mdi; }

    // Writes send_buf whole to the port.
    void send();

    // Status panels 1..3: the string-table prefix followed by value.
    enum Panel { PortPanel = 1, ModulePanel = 2, SendCountPanel = 3 };
    void setPanel(Panel panel, const QString &value);
    QString panelText(Panel panel) const;
    // Panel 1 while a module window uses the port: "COM1--9600,n,8,1".
    void showPortInUse();
    void showPortUnused();

    // The module window that talks through the port: while it is open, the
    // port is its to close.
    void setPortUser(QWidget *window) { m_portUser = window; }
    QWidget *portUser() const { return m_portUser; }

    // The parser the receive tick calls for a parse_mode; dropped with its owner.
    void registerParser(int mode, QObject *owner, std::function<void()> parser);

    // Hands one received block to the parser of parse_mode, as the receive tick does.
    void dispatch(const QByteArray &block);

    // Shows a child window inside the frame (a single instance per name stays the caller's job).
    QMdiSubWindow *addChild(QWidget *window);

    // Menu state read by the SMS test: which encoding carries the check mark.
    enum class SmsManner { Chinese, English, Hex };
    SmsManner smsManner() const;
    void setSmsMannerVisible(bool visible);

    // The chooser, the calculator and the Unicode tool are opened from here.
    void openChooser();

signals:
    // An entry of the sms_Manner menu was clicked (the SMS window empties its message box).
    void smsMannerChosen(lt::MainWindow::SmsManner manner);

private:
    void buildMenus();
    void receiveTick();
    void onVanished();
    void clearArea(const char *area);

    QMdiArea *m_mdi;
    MSComm *m_comm;
    Handshake *m_handshake;
    QTimer m_timer1;
    QTimer m_timer12;
    QLabel *m_panels[3] = {};
    QMenu *m_smsManner = nullptr;
    QAction *m_chinese = nullptr;
    QAction *m_englist = nullptr;
    QAction *m_sendhex = nullptr;
    struct Registered {
        QPointer<QObject> owner;
        std::function<void()> parser;
    };
    QHash<int, Registered> m_parsers;
    QPointer<QWidget> m_portUser;
};

} // namespace lt
