#include "sequencer.h"

namespace qx {

Sequencer::Sequencer(std::function<int(int)> scale, const QString &timerName, QObject *parent)
    : QObject(parent), m_scale(std::move(scale))
{
    m_timer.setObjectName(timerName);
    // A child, so the timer is found by name among the window's own.
    m_timer.setParent(this);
    // A coarse timer may fire 5 % early; a module given less than its
    // period to answer is taken for silent.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &Sequencer::tick);
}

void Sequencer::start(Plan plan)
{
    m_plan = std::move(plan);
    m_next = 0;
    ++m_run;
    m_timer.start(m_scale(m_plan.firstMs));
}

void Sequencer::stop()
{
    ++m_run;
    m_timer.stop();
}

void Sequencer::next(int step)
{
    if (m_plan.advance == Advance::OnReply)
        m_next = step;
}

void Sequencer::tick()
{
    m_timer.start(m_scale(m_plan.periodMs));
    const int step = m_next;
    // Whoever hears a signal may stop the sequence (a lost link, a closed
    // window) or start another: this run then has nothing more to do.
    const quint64 run = m_run;
    if (step < 0 || step >= size()) {
        emit ticked(size());
        if (run == m_run)
            finish();
        return;
    }
    emit ticked(step);
    if (run != m_run)
        return;
    m_next = m_plan.advance == Advance::EveryTick ? step + 1 : kAwaiting;
    const QByteArray frame = m_plan.frames.at(step);
    if (!frame.isEmpty()) {
        emit send(frame);
        if (run != m_run)
            return;
    }
    if (m_plan.advance == Advance::EveryTick && m_plan.end == End::WithLast && m_next >= size())
        finish();
}

void Sequencer::finish()
{
    ++m_run;
    m_timer.stop();
    emit finished();
}

} // namespace qx
