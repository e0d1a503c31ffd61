#pragma once

#include "outcome.h"
#include "request.h"

#include <QList>
#include <QObject>

#include <functional>

namespace qxb {

class DeviceJob;

// Every port of the request at once, one DeviceJob each on this event loop;
// each device's line is printed as it finishes.
class BatchRun : public QObject
{
    Q_OBJECT
public:
    using LineSink = std::function<void(const QString &line)>;

    BatchRun(const Request &request, LineSink print, QObject *parent = nullptr);

    void start();
    // Ctrl-C: every device not yet finished ends as `interrupted`.
    void interrupt();

    bool isDone() const { return m_running == 0; }
    // 0 when every device is ok, otherwise 1.
    int exitCode() const;
    const QList<Outcome> &outcomes() const { return m_outcomes; }

signals:
    void done();

private:
    void jobFinished(DeviceJob *job);

    Request m_request;
    LineSink m_print;
    QList<DeviceJob *> m_jobs;
    QList<Outcome> m_outcomes;   // in the order the devices finished
    int m_running = 0;
};

// The ports command: one line per serial device the system lists.
QStringList portLines(bool json);

// A line as the request asks for it.
QString lineOf(const Outcome &outcome, bool json);

} // namespace qxb
