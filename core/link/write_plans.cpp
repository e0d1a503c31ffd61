#include "write_plans.h"

#include "timing.h"

#include <QTimer>

namespace lt {

namespace {
constexpr int kSingleFrameFirstMs = 100;
constexpr int kSingleFramePeriodMs = 1000;
}

qx::Sequencer::Plan singleFramePlan(const QByteArray &frame)
{
    return {{frame}, kSingleFrameFirstMs, kSingleFramePeriodMs, qx::Sequencer::Advance::EveryTick, qx::Sequencer::End::NextTick};
}

PlanChain::PlanChain(qx::Sequencer &sequencer, QObject *parent) : QObject(parent), m_sequencer(sequencer) {}

void PlanChain::run(QList<qx::Sequencer::Plan> plans, std::function<void()> then)
{
    m_plans = std::move(plans);
    m_then = std::move(then);
    m_running = true;
    runNext();
}

void PlanChain::stop()
{
    disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
    m_plans.clear();
    m_then = nullptr;
    if (m_running)
        m_sequencer.stop();
    m_running = false;
}

void PlanChain::runNext()
{
    disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
    if (!m_running)
        return;
    if (m_plans.isEmpty()) {
        m_running = false;
        if (m_then)
            std::exchange(m_then, nullptr)();
        return;
    }
    const qx::Sequencer::Plan plan = m_plans.takeFirst();
    connect(&m_sequencer, &qx::Sequencer::finished, this, [this, plan] {
        // A window sequence that ends with its last frame leaves the module
        // the user's next click to answer; a chain gives it one period.
        if (plan.end == qx::Sequencer::End::WithLast)
            QTimer::singleShot(timing::interval(plan.periodMs), this, [this] { runNext(); });
        else
            runNext();
    });
    m_sequencer.start(plan);
}

} // namespace lt
