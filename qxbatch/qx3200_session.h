#pragma once

#include "settings_session.h"

#include "qx3200/reply_parser.h"
#include "qx3200/settings.h"
#include "qx3200/settings_recorder.h"

#include <QTimer>

namespace qxb {

// The QX3200's settings: the window's refresh chain to read them, its
// groups and pace to write them, and the network's answer to an identity write.
class Qx3200Session : public SettingsSession, private lt::qx3200::ParamEvents
{
    Q_OBJECT
public:
    explicit Qx3200Session(lt::Link &link);

    QString model() const override { return QStringLiteral("QX3200"); }
    void read() override;
    std::optional<lt::params::Refusal> take(const QJsonObject &params) override;
    void write() override;
    bool isWritten(const QString &field) const override;
    bool followWrittenLine() override;

private:
    void writeIdentity();
    void writeGroups();

    void nextRead(int step) override;
    void moduleReady() override {}
    void identityRetry() override;
    void identityResult(lt::qx3200::IdentityResult result) override;

    lt::qx3200::SettingsRecorder m_recorder;
    lt::qx3200::ReplyParser m_parser;
    lt::qx3200::Settings m_wanted;
    QTimer m_identityWait;
    bool m_readComplete = false;
    QList<lt::qx3200::Group> m_groups;   // still to write; those after the identity wait for its answer
};

} // namespace qxb
