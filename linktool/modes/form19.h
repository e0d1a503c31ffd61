#pragma once

#include <QDialog>
#include <QTimer>

#include <functional>

class QLabel;
class QProgressBar;

namespace lt {

class MainWindow;

// The restart notice after a working-mode change: closes the port after
// 200 ms, counts 50 seconds, and on the tick after that resets the connect
// window and closes.
class Form19 : public QDialog
{
    Q_OBJECT
public:
    // Shown modally with notice_text; onReset runs when the wait is over.
    Form19(MainWindow &main, const QString &notice_text, std::function<void()> onReset);

    QProgressBar *progressBar1() const { return m_progress; }

protected:
    // The module is restarting: the notice always runs its full time, so the
    // port is closed and the connect window reset whatever the user presses.
    void reject() override {}
    void closeEvent(QCloseEvent *event) override;

private:
    void tick();

    MainWindow &m_main;
    std::function<void()> m_onReset;
    QLabel *m_label;
    QProgressBar *m_progress;
    QTimer *m_timer1;
    QTimer *m_timer2;
    quint8 m_count = 0;
};

} // namespace lt
