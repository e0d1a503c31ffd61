#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

namespace lt {

class MainWindow;

// The connect window that started the exchange: the handshake touches it only
// through these calls, and never after it is gone.
class HandshakeClient
{
public:
    virtual ~HandshakeClient() = default;
    virtual void showStep(int step) = 0;          // progress bar
    virtual void restoreControls() = 0;           // time-out or lost link: Connect, Cancel and lists usable again
    virtual void noVerdict() = 0;                 // the module never said what it is
    virtual void verdict(quint8 moduleType) = 0;  // byte 10 of the D1 answer
};

// The identification request, the five parameter reads one second apart and
// the verdict. Timer8 starts it, Timer9 is the time-out of the identification
// answer, Timer11 the query ticker; the parser is the same for both modes.
class Handshake : public QObject
{
    Q_OBJECT
public:
    explicit Handshake(MainWindow &main);

    // Arms the exchange: parse_mode (100 or 110), parse_state 0, step_no 0, Timer8 in 100 ms.
    void start(int mode, QObject *window, HandshakeClient *client);
    // Stops every timer of the exchange and forgets the window (Cancel, lost link).
    void stop();
    bool running() const;
    // The port went away: stop, and give the window its controls back.
    void linkLost();

    // The reply parser of parse_mode 100 and 110.
    void parse();

    QTimer timer8;
    QTimer timer9;
    QTimer timer11;

private:
    void identify();
    void timeout();
    void queryTick();
    HandshakeClient *client() const;
    // Runs one state; false ends the pass.
    bool runState(const QByteArray &block);

    MainWindow &m_main;
    QPointer<QObject> m_window;
    HandshakeClient *m_client = nullptr;
};

} // namespace lt
