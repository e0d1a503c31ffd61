#pragma once

#include <QObject>

class QSocketNotifier;

namespace qxb {

// Ctrl-C (SIGINT) and SIGTERM as a Qt signal on the event loop: the handler
// only writes a byte to a socket pair, everything else runs in the loop.
class InterruptWatch : public QObject
{
    Q_OBJECT
public:
    explicit InterruptWatch(QObject *parent = nullptr);
    ~InterruptWatch() override;

signals:
    void interrupted();

private:
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace qxb
