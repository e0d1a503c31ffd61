#pragma once

#include "link/handshake.h"

#include <QDialog>

class QComboBox;
class QProgressBar;
class QPushButton;

namespace lt {

class MainWindow;

// What both connect windows share: port and baud lists, Connect and Cancel,
// the progress bar of the handshake, and the handshake's callbacks.
class ConnectWindow : public QDialog, protected HandshakeClient
{
    Q_OBJECT
public:
    QComboBox *combo1() const { return m_combo1; }
    QComboBox *combo2() const { return m_combo2; }
    QPushButton *connectButton() const { return m_connect; }
    QPushButton *cancelButton() const { return m_cancel; }
    QProgressBar *pBar() const { return m_pBar; }

protected:
    ConnectWindow(MainWindow &main, const char *name, int parseMode);

    // Parity, data bits and stop bits, e.g. "n,8,1".
    virtual QString lineTail() const = 0;
    void setListsEnabled(bool enabled);
    // Connect was pressed: what the last verdict allowed no longer holds.
    virtual void forgetVerdict() {}

    void showStep(int step) override;
    void restoreControls() override;
    void noVerdict() override;

    // Every way the window ends: Cancel, Esc, the close box, a verdict or Enter.
    void done(int result) override;

    MainWindow &m_main;

private:
    void connectClicked();
    void cancelClicked();

    int m_parseMode;
    bool m_openedPort = false;   // Connect opened the port; a verdict or Enter hands it on by accepting
    QComboBox *m_combo1;
    QComboBox *m_combo2;
    QPushButton *m_connect;
    QPushButton *m_cancel;
    QProgressBar *m_pBar;
};

} // namespace lt
