#pragma once

#include "sequencer.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <optional>

// Writing a whole set of settings, group after group, for every program that
// does: which groups a set of values touches, each group's frames at its
// window's pace, and the plans run one after another.
namespace lt {

// The groups of a model's write order that given (params) holds a field of, in that order.
template<class Group>
QList<Group> groupsGiven(const QList<Group> &order, const QJsonObject &given, QStringList (*fieldsOf)(Group))
{
    QList<Group> groups;
    for (const Group group : order) {
        const QStringList fields = fieldsOf(group);
        if (std::any_of(fields.begin(), fields.end(), [&given](const QString &f) { return given.contains(f); }))
            groups << group;
    }
    return groups;
}

// A group of one frame goes out at once in the windows; between groups a
// whole-set write leaves the module the same second the windows' sequences
// give each frame.
qx::Sequencer::Plan singleFramePlan(const QByteArray &frame);

// A group's frames at its window's pace: the group's own plan, or (a group
// the window sends at once) one plan for each frame.
template<class Group>
QList<qx::Sequencer::Plan> plansOf(Group group, const QList<QByteArray> &frames,
                                   std::optional<qx::Sequencer::Plan> (*writePlan)(Group, const QList<QByteArray> &))
{
    if (const auto plan = writePlan(group, frames))
        return {*plan};
    QList<qx::Sequencer::Plan> plans;
    for (const QByteArray &frame : frames)
        plans << singleFramePlan(frame);
    return plans;
}

// Runs plans on one sequencer, each to its end, then calls then().
class PlanChain : public QObject
{
    Q_OBJECT
public:
    explicit PlanChain(qx::Sequencer &sequencer, QObject *parent = nullptr);

    void run(QList<qx::Sequencer::Plan> plans, std::function<void()> then);
    // The plan running stops and the rest are dropped; then() is not called.
    void stop();
    bool isRunning() const { return m_running; }

private:
    void runNext();

    qx::Sequencer &m_sequencer;
    QList<qx::Sequencer::Plan> m_plans;
    std::function<void()> m_then;
    bool m_running = false;
};

} // namespace lt
