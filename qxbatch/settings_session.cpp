#include "settings_session.h"

#include "qx3100_session.h"
#include "qx3200_session.h"

#include "link/link.h"
#include "link/params_compare.h"
#include "link/timing.h"

namespace qxb {

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
    return lt::params::changedFields(
        lt::params::compare(wanted.keys(), wanted, read, [this](const QString &field) { return isWritten(field); }));
}

QString refusalText(const lt::params::Refusal &refusal)
{
    return refusal.field + QLatin1String(": ") + refusal.message;
}

} // namespace qxb
