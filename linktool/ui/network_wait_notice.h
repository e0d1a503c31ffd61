#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace lt {

// Form10, the network wait notice: a growing row of ">" every 500 ms, and
// after the 180th tick (90 s) a time-out message, then it closes. The user
// cannot end it: the caller does when its wait is over (accept()), or it
// times out.
class NetworkWaitNotice : public QDialog
{
    Q_OBJECT
public:
    explicit NetworkWaitNotice(QWidget *parent = nullptr);

    int ticks() const { return m_ticks; }

protected:
    void reject() override {}
    void closeEvent(QCloseEvent *event) override;

private:
    void tick();

    QLabel *m_row;     // Label1
    QTimer *m_ticker;  // Timer1
    QString m_text;
    int m_ticks = 0;
};

} // namespace lt
