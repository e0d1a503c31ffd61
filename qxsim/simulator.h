#pragma once

#include "model.h"
#include "pty.h"

#include <QByteArray>
#include <QElapsedTimer>
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
    void setQuietGap(int ms) { m_gapMs = ms; }

    // Paced, the pseudo-terminal behaves like a cable at the rate the program
    // set on it: the answer reaches the program one character time per byte,
    // and a request counts from when its last byte would have arrived. A
    // pseudo-terminal moves bytes at once, so without this a transfer takes
    // no time and a wait for the line cannot be measured.
    void setPaced(bool paced) { m_paced = paced; }

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
    void sendDueBytes();
    void flush();

    std::unique_ptr<Model> m_model;
    Pty m_pty;
    Faults m_faults;
    QSocketNotifier *m_readNotifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QTimer m_gap;
    int m_gapMs = 20;
    QByteArray m_pending;
    QByteArray m_outQueue;   // bytes that have arrived at the program's end, as far as the pty takes them

    bool m_paced = false;
    QElapsedTimer m_clock;
    qint64 m_requestEndsNs = 0;   // when the last byte of the request heard so far has arrived
    QByteArray m_onLine;          // answer bytes still travelling
    qint64 m_onLineSinceNs = 0;   // when the first of them started
    qint64 m_charNs = 0;          // their character time
    QTimer m_lineTick;
    QList<QByteArray> m_requests;
    qint64 m_silentUntil = 0;
};

} // namespace qxsim
