#pragma once

#include "model.h"
#include "pty.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>

class QSocketNotifier;

namespace qxsim {

// Ways a module or its cable can misbehave, applied to every answer.
struct Faults
{
    bool silent = false;     // hears requests but never answers
    int dropNext = 0;        // swallow the next N answers
    int delayMs = 0;         // answer this much later
    int splitAt = -1;        // send an answer as two bursts, cut before this byte (0 = the middle)
    int splitGapMs = 0;      // pause between the two bursts
    int junkByte = -1;       // a byte put in front of every answer (0..255)

    // "silent", "drop=N", "delay=MS", "split=AT:GAP", "junk=HH"; false when not a fault option.
    bool parse(const QString &key, const QString &value);
    static QStringList help();
};

// Plays one module on a pseudo-terminal: requests are read by the quiet-gap
// rule a module applies, handed to the model, and each answer is sent as one
// burst. Runs on the event loop of the thread that owns it.
class Simulator : public QObject, private ModuleLink
{
    Q_OBJECT
public:
    explicit Simulator(std::unique_ptr<Model> model, QObject *parent = nullptr);
    ~Simulator() override;

    bool start(const QString &linkPath = {});
    QString devicePath() const { return m_pty.slavePath(); }
    QString errorString() const { return m_pty.errorString(); }

    Faults &faults() { return m_faults; }
    Model &model() { return *m_model; }

    // Silence on the line that ends a request block.
    void setQuietGap(int ms) { m_gap.setInterval(ms); }

    // Bytes the module sends on its own.
    void send(const QByteArray &bytes, int delayMs = 0) { sendUnsolicited(bytes, delayMs); }

    // The cable is pulled: the pseudo-terminal goes away under the program.
    void vanish();

    const QList<QByteArray> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

signals:
    void requestReceived(const QByteArray &request);
    void bytesSent(const QByteArray &bytes);

private:
    void reply(const QByteArray &bytes, int delayMs) override;
    void sendUnsolicited(const QByteArray &bytes, int delayMs) override;
    void goSilent(int ms) override;

    void onReadable();
    void onQuiet();
    void transmit(const QByteArray &bytes, int delayMs);
    void writeNow(const QByteArray &bytes);
    void flush();

    std::unique_ptr<Model> m_model;
    Pty m_pty;
    Faults m_faults;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_gap;
    QByteArray m_pending;
    QByteArray m_outQueue;
    QList<QByteArray> m_requests;
    qint64 m_silentUntil = 0;
};

} // namespace qxsim
