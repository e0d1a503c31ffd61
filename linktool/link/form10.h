#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace lt {

// The network wait notice: a growing row of ">" every 500 ms, and after the
// 180th tick (90 s) a time-out message, then it closes. The user cannot end
// it: the caller does when its wait is over (accept()), or it times out.
class Form10 : public QDialog
{
    Q_OBJECT
public:
    explicit Form10(QWidget *parent = nullptr);

    QLabel *label() const { return m_label1; }
    int ticks() const { return m_count; }

protected:
    void reject() override {}
    void closeEvent(QCloseEvent *event) override;

private:
    void tick();

    QLabel *m_label1;
    QTimer *m_timer1;
    QString m_text;
    qint16 m_count = 0;
};

} // namespace lt
