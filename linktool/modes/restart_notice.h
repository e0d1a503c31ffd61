#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>

class QLabel;
class QProgressBar;

namespace lt {

class Shell;

// Form19, the restart notice after a working-mode change: closes the port
// after 200 ms, counts 50 seconds, and on the tick after that resets the
// connect window and closes.
class RestartNotice : public QDialog
{
    Q_OBJECT
public:
    // Shown modally with text; onReset runs when the wait is over.
    RestartNotice(Shell &shell, const QString &text, std::function<void()> onReset);

protected:
    // The module is restarting: the notice always runs its full time, so the
    // port is closed and the connect window reset whatever the user presses.
    void reject() override {}
    void closeEvent(QCloseEvent *event) override;

private:
    void tick();

    Shell &m_shell;
    std::function<void()> m_onReset;
    QLabel *m_text;               // Label1
    QProgressBar *m_progress;     // ProgressBar1
    QTimer *m_seconds;            // Timer1
    QTimer *m_closePort;          // Timer2
    int m_count = 0;
};

} // namespace lt
