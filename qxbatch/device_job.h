#pragma once

#include "outcome.h"
#include "request.h"

#include "link/handshake.h"
#include "link/link.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

namespace qxb {

// One module on one port, from opening the port to its outcome line: the
// stages run one after another, each calling next() when it is done or
// finish() when the device has its answer. Several jobs run side by side on
// one event loop; each owns its own port and timers, so one failing never
// touches another.
class DeviceJob : public QObject, private lt::HandshakeClient
{
    Q_OBJECT
public:
    using Stage = std::function<void()>;

    DeviceJob(const Request &request, const QString &port, QObject *parent = nullptr);
    ~DeviceJob() override;

    void start();
    // Ctrl-C: every timer stops, the port closes, the outcome is `interrupted`.
    void interrupt();

    bool isDone() const { return m_done; }
    const Outcome &outcome() const { return m_outcome; }
    lt::Link &link() { return m_link; }
    const Request &request() const { return m_request; }
    // "QX3100" or "QX3200", once the handshake knows.
    QString model() const { return m_model; }

    // The command's own stages, run after the module has been identified.
    void addStages(const QList<Stage> &stages) { m_stages += stages; }
    void next();
    void finish(Status status, const QString &message = {});
    Outcome &outcome() { return m_outcome; }

signals:
    void finished();

private:
    void settle();
    void openPort();
    void identify();
    void describe();
    void changeModeIfAsked();
    void wait(int ms);

    // What the handshake tells the window it runs for.
    void showStep(int) override {}
    void timedOut() override;
    void restoreControls() override;
    void noVerdict() override;
    void verdict(quint8 moduleType) override;

    Request m_request;
    lt::Link m_link;
    lt::Handshake m_handshake;
    QTimer m_wait;
    QList<Stage> m_stages;
    Outcome m_outcome;
    QString m_model;
    bool m_done = false;
    bool m_modeChanged = false;
};

} // namespace qxb
