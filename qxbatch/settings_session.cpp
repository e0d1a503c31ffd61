#include "settings_session.h"

#include "qx3100_session.h"
#include "qx3200_session.h"

#include "link/link.h"
#include "link/timing.h"

#include <QTimer>

namespace qxb {

namespace {
constexpr int kSingleFrameFirstMs = 100;
constexpr int kSingleFramePeriodMs = 1000;
}

std::unique_ptr<SettingsSession> SettingsSession::forModel(const QString &model, lt::Link &link)
{
    if (model == QLatin1String("QX3200"))
        return std::make_unique<Qx3200Session>(link);
    if (model == QLatin1String("QX3100"))
        return std::make_unique<Qx3100Session>(link);
    return nullptr;
}

SettingsSession::SettingsSession(lt::Link &link)
    : m_link(link), m_sequencer(lt::timing::interval, QStringLiteral("batch"))
{
    connect(&m_sequencer, &qx::Sequencer::send, &m_link, &lt::Link::send);
}

SettingsSession::~SettingsSession() = default;

QStringList SettingsSession::differences(const QJsonObject &wanted, const QJsonObject &read) const
{
    QStringList fields;
    for (auto it = wanted.begin(); it != wanted.end(); ++it)
        if (isWritten(it.key()) && read.value(it.key()) != it.value())
            fields << it.key();
    return fields;
}

void SettingsSession::runPlans(QList<qx::Sequencer::Plan> plans, std::function<void()> then)
{
    m_plans = std::move(plans);
    m_afterPlans = std::move(then);
    runNextPlan();
}

void SettingsSession::runNextPlan()
{
    disconnect(&m_sequencer, &qx::Sequencer::finished, this, nullptr);
    if (m_plans.isEmpty()) {
        if (m_afterPlans)
            std::exchange(m_afterPlans, nullptr)();
        return;
    }
    const qx::Sequencer::Plan plan = m_plans.takeFirst();
    connect(&m_sequencer, &qx::Sequencer::finished, this, [this, plan] {
        // A window sequence that ends with its last frame leaves the module
        // the user's next click to answer; a batch gives it one period.
        if (plan.end == qx::Sequencer::End::WithLast)
            QTimer::singleShot(lt::timing::interval(plan.periodMs), this, [this] { runNextPlan(); });
        else
            runNextPlan();
    });
    m_sequencer.start(plan);
}

qx::Sequencer::Plan singleFramePlan(const QByteArray &frame)
{
    return {{frame}, kSingleFrameFirstMs, kSingleFramePeriodMs, qx::Sequencer::Advance::EveryTick, qx::Sequencer::End::NextTick};
}

QString refusalText(const lt::params::Refusal &refusal)
{
    return refusal.field + QLatin1String(": ") + refusal.message;
}

} // namespace qxb
