#pragma once

#include "outcome.h"

#include "link/params_json.h"
#include "link/write_plans.h"
#include "sequencer.h"

#include <QJsonObject>
#include <QList>
#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace lt {
class Link;
}

namespace qxb {

// A module's settings read and written over an identified link, with the
// frames, order and pace its window uses. One kind per model; a session
// reports through its signals, once per read() or write().
class SettingsSession : public QObject
{
    Q_OBJECT
public:
    // "QX3100" or "QX3200"; none for another.
    static std::unique_ptr<SettingsSession> forModel(const QString &model, lt::Link &link);

    ~SettingsSession() override;

    virtual QString model() const = 0;
    // Every setting the window's refresh reads; readDone() when the chain ran
    // to its end, failed(NoAnswer) when the module stopped answering.
    virtual void read() = 0;
    // Takes a settings file's params for write(); the refusal of the first
    // value the module's rules refuse, naming its field.
    virtual std::optional<lt::params::Refusal> take(const QJsonObject &params) = 0;
    // Writes what take() took, group by group in the module's order; writeDone() or failed().
    virtual void write() = 0;
    // Whether a write sends this field (and so a verify read compares it).
    virtual bool isWritten(const QString &field) const = 0;
    // Before a verify read: the port as the written settings left it (a new
    // serial line takes effect at once). False when it cannot be opened.
    virtual bool followWrittenLine() { return true; }

    // The fields of wanted that a write sends and read shows otherwise (or not at all).
    QStringList differences(const QJsonObject &wanted, const QJsonObject &read) const;

signals:
    void readDone(const QJsonObject &params);
    void writeDone();
    void failed(qxb::Status status, const QString &message);

protected:
    explicit SettingsSession(lt::Link &link);

    // Runs plans one after another on one sequencer, each to its end, then then().
    void runPlans(QList<qx::Sequencer::Plan> plans, std::function<void()> then) { m_chain.run(std::move(plans), std::move(then)); }

    lt::Link &m_link;
    qx::Sequencer m_sequencer;

private:
    lt::PlanChain m_chain{m_sequencer};
};

// The refusal as the line shows it: the field, then the window's own message.
QString refusalText(const lt::params::Refusal &refusal);

} // namespace qxb
