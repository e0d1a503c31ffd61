#include "sequences.h"

#include "codes.h"
#include "phone_entry.h"
#include "requests.h"

namespace lt::qx3100 {

namespace {

constexpr int kFirstTickMs = 100;
constexpr int kReadPeriodMs = 500;
constexpr int kWorkModePeriodMs = 2000;
constexpr int kPowerSavingPeriodMs = 1000;
constexpr int kPhoneTablePeriodMs = 200;

// In the order of the read steps.
constexpr quint8 kReadChain[] = {
    code::kVersion,       code::kRestartTime,    code::kPasswordUse,     code::kPassword,  code::kWorkForm,
    code::kPassiveAddress, code::kTransForm,     code::kTransparentMode, code::kReceiver,  code::kAddressSettings,
    code::kPowerSaving,   code::kWakeTimes,      code::kWakeMode,
};
static_assert(std::size(kReadChain) == read::kDone);

qx::Sequencer::Plan everyTick(QList<QByteArray> frames, int periodMs)
{
    qx::Sequencer::Plan plan;
    plan.frames = std::move(frames);
    plan.firstMs = kFirstTickMs;
    plan.periodMs = periodMs;
    plan.advance = qx::Sequencer::Advance::EveryTick;
    plan.end = qx::Sequencer::End::NextTick;
    return plan;
}

} // namespace

qx::Sequencer::Plan readPlan()
{
    qx::Sequencer::Plan plan;
    for (quint8 command : kReadChain)
        plan.frames << query(command);
    plan.firstMs = kFirstTickMs;
    plan.periodMs = kReadPeriodMs;
    plan.advance = qx::Sequencer::Advance::OnReply;
    return plan;
}

std::optional<qx::Sequencer::Plan> writePlan(Group group, const QList<QByteArray> &frames)
{
    switch (group) {
    case Group::WorkMode:
        return everyTick(frames, kWorkModePeriodMs);
    case Group::PowerSaving:
        return everyTick(frames, kPowerSavingPeriodMs);
    default:
        return std::nullopt;
    }
}

qx::Sequencer::Plan phoneTablePlan(int first, int last)
{
    QList<QByteArray> frames;
    for (int entry = first; entry <= last; ++entry)
        frames << phoneRead(quint8(entry / 256), quint8(entry % 256));
    return everyTick(std::move(frames), kPhoneTablePeriodMs);
}

} // namespace lt::qx3100
