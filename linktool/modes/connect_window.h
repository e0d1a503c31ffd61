#pragma once

#include "link/codes.h"
#include "link/handshake.h"

#include <QDialog>

class QComboBox;
class QProgressBar;
class QPushButton;
class QSettings;

namespace qx {
class PortBox;
}

namespace lt {

class Link;
class Shell;

// What both connect windows share: port and baud lists, Connect and Cancel,
// the progress bar of the handshake, and the handshake's callbacks. The port
// and rate that last opened are kept (under the window's name) and are where
// the next window begins.
class ConnectWindow : public QDialog, protected HandshakeClient
{
    Q_OBJECT
protected:
    ConnectWindow(Shell &shell, const char *name, ParseMode parseMode);

    Link &link() const;
    // Parity, data bits and stop bits, e.g. "n,8,1".
    virtual QString lineTail() const = 0;
    void setListsEnabled(bool enabled);
    // Connect was pressed: what the last verdict allowed no longer holds.
    virtual void forgetVerdict() {}
    // The line settings beyond the rate, kept like the port; the settings
    // group is the window's own. The SMS module's line is always 8N1.
    virtual void restoreLine(const QSettings &) {}
    virtual void rememberLine(QSettings &) const {}
    // Restores what the last Connect kept; each window calls it once its
    // controls are made.
    void restoreChoices();

    // HandshakeClient, but for the verdict: each window takes its own.
    void showStep(int step) override;
    void timedOut() override;
    void restoreControls() override;
    void noVerdict() override;

    // Every way the window ends: Cancel, Esc, the close box, a verdict or Enter.
    void done(int result) override;

    qx::PortBox *portList() const { return m_portList; }
    QComboBox *baudList() const { return m_baudList; }
    QPushButton *connectButton() const { return m_connect; }
    QPushButton *cancelButton() const { return m_cancel; }
    QProgressBar *progressBar() const { return m_progress; }

    Shell &m_shell;

private:
    void connectClicked();
    void cancelClicked();
    void rememberChoices();

    ParseMode m_parseMode;
    bool m_openedPort = false;   // Connect opened the port; a verdict or Enter hands it on by accepting
    qx::PortBox *m_portList;     // Combo1
    QComboBox *m_baudList;       // Combo2
    QPushButton *m_connect;      // Command1(0)
    QPushButton *m_cancel;       // Command1(1)
    QProgressBar *m_progress;    // PBar
};

} // namespace lt
