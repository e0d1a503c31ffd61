#pragma once

#include "codes.h"

#include "sequencer.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace lt {

class Link;

// The window that started the exchange: the handshake touches it only through
// these calls, and never after it is gone. It shows nothing itself.
class HandshakeClient
{
public:
    virtual ~HandshakeClient() = default;
    virtual void showStep(int step) = 0;          // progress: the read about to go out, 5 when they are over
    virtual void timedOut() = 0;                  // no identification answer: tell the user (the port closes after)
    virtual void restoreControls() = 0;           // time-out or lost link: Connect, Cancel and lists usable again
    virtual void noVerdict() = 0;                 // the module never said what it is
    virtual void verdict(quint8 moduleType) = 0;  // byte 10 of the D1 answer; called after the parser's pass
};

// The identification request, the five parameter reads one second apart and
// the verdict, on one link. What the module answers goes into the link's
// identity(). One parser serves both connect modes.
class Handshake : public QObject
{
    Q_OBJECT
public:
    explicit Handshake(Link &link, QObject *parent = nullptr);

    // Arms the exchange in mode (SmsConnect or Qx3200Connect): the
    // identification request goes out 100 ms later.
    void start(ParseMode mode, QObject *window, HandshakeClient *client);
    // Stops every timer of the exchange and forgets the window (Cancel, a
    // window closed, another exchange).
    void stop();
    bool running() const;

    // 0 between blocks: a pass never leaves the parser inside a reply.
    int parseState() const { return m_state; }

    // Timer8 sends the identification request, Timer9 waits for its answer,
    // Timer11 paces the reads.
    QTimer &identifyTimer() { return m_identifyTimer; }
    const QTimer &identifyTimer() const { return m_identifyTimer; }
    QTimer &answerTimer() { return m_answerTimer; }
    const QTimer &answerTimer() const { return m_answerTimer; }
    const QTimer &readTimer() const { return m_reads.timer(); }

signals:
    // The module said which it is (byte 10 of the D1 answer), before any
    // window acts on it.
    void moduleTypeKnown(quint8 moduleType);

private:
    enum State : int { WaitingForStart = 0, Signature, Code, Value };

    void identify();
    void timeout();
    void linkLost();
    void startReads();
    void parse(const QByteArray &block);
    void take(quint8 command, const QByteArray &block);
    HandshakeClient *client() const;

    Link &m_link;
    QTimer m_identifyTimer;   // Timer8
    QTimer m_answerTimer;     // Timer9
    qx::Sequencer m_reads;    // Timer11
    int m_state = WaitingForStart;
    bool m_readsTicked = false;
    QPointer<QObject> m_window;
    HandshakeClient *m_client = nullptr;
};

} // namespace lt
