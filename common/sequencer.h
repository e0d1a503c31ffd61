#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

namespace qx {

// Runs a timed request sequence: one step per tick of a timer, the first
// tick firstMs after start, every periodMs after that. A module answers one
// request at a time and no request waits for its answer, so every read
// chain, write sequence and table loop of the programs is such a list of
// frames and a pace; what differs between them is how a step leads to the
// next and when the sequence is over, which the plan says.
class Sequencer : public QObject
{
    Q_OBJECT
public:
    enum class Advance {
        // Every tick sends the next step, answered or not.
        EveryTick,
        // A tick sends the step that the last answer named (see next()); a
        // tick that finds the step still unanswered ends the sequence, since
        // a module that did not answer within a period will not.
        OnReply,
    };
    enum class End {
        NextTick,   // one more tick after the last step ends it (the last answer has a period to arrive)
        WithLast,   // the tick of the last step ends it
    };
    struct Plan
    {
        QList<QByteArray> frames;   // an empty frame takes its tick but sends nothing
        int firstMs = 100;
        int periodMs = 1000;
        Advance advance = Advance::EveryTick;
        End end = End::NextTick;
    };

    // scale maps a nominal interval to the one the timer gets (tests run the
    // long waits fast through it); timerName names the timer as the window
    // names its controls.
    Sequencer(std::function<int(int)> scale, const QString &timerName, QObject *parent = nullptr);

    // Starts plan from its first step; a sequence already running is dropped.
    void start(Plan plan);
    // Stops without a finished signal (cancel, lost link, window closed).
    void stop();
    bool isRunning() const { return m_timer.isActive(); }

    // OnReply: the answer to the step just sent names the step to send at the
    // next tick; a step outside the plan ends the sequence there.
    void next(int step);
    // OnReply: true while the step last sent has had no answer yet.
    bool awaitingReply() const { return isRunning() && m_next == kAwaiting; }

    int size() const { return int(m_plan.frames.size()); }
    const QTimer &timer() const { return m_timer; }

signals:
    // At each tick, before its frame goes out: the step about to be sent, or
    // size() (and for OnReply any step outside the plan) when the tick ends it.
    void ticked(int step);
    void send(const QByteArray &frame);
    // The sequence ran out of steps, or (OnReply) an answer did not come.
    void finished();

private:
    static constexpr int kAwaiting = -1;

    void tick();
    void finish();

    std::function<int(int)> m_scale;
    QTimer m_timer;
    Plan m_plan;
    int m_next = 0;
    quint64 m_run = 0;   // changes whenever a run starts or ends
};

} // namespace qx
