#pragma once

#include "sequencer.h"

#include <QByteArray>
#include <QList>

#include <optional>

// The timed sequences of the QX3100 window as data: which frames, at which
// pace, and what ends them. The window runs them on qx::Sequencer; a program
// without a window can run the same plans.
namespace lt::qx3100 {

// The read chain: one query per step, each step the index of its query in
// readPlan(). The answer to a query names the step that follows it (the
// parser's FrameView::readNext), so the chain only asks what the module's
// answers so far make meaningful: the password only when one is used, the
// passive address only in passive form, and so on.
namespace read {
inline constexpr int kVersion = 0;
inline constexpr int kRestartTime = 1;
inline constexpr int kPasswordUse = 2;
inline constexpr int kPassword = 3;
inline constexpr int kWorkForm = 4;
inline constexpr int kPassiveAddress = 5;
inline constexpr int kTransForm = 6;
inline constexpr int kTransparentMode = 7;
inline constexpr int kReceiver = 8;
inline constexpr int kAddressSettings = 9;
inline constexpr int kPowerSaving = 10;
inline constexpr int kWakeTimes = 11;
inline constexpr int kWakeMode = 12;
// Past the last query: nothing more to ask.
inline constexpr int kDone = 13;
} // namespace read

// The read chain (Timer2): the first query 100 ms after the start, then a
// tick every 500 ms; a tick that finds its query unanswered ends the chain.
qx::Sequencer::Plan readPlan();

// What the window writes in one go: one group of the module's settings.
enum class Group {
    WorkMode,         // work form, transfer form and, for transparent mode 2, the address settings
    PowerSaving,      // power saving, and when on the wake mode and the delays after waking
    PasswordUse,
    Password,
    Receiver,
    RestartTime,
    PassiveAddress,
    ModuleType,
    Baud,
};

// How the window paces a group's frames: the work mode (Timer1, 2 s apart)
// and power saving (Timer3, 1 s apart) as sequences that end a tick after
// their last frame, the first frame 100 ms after the click; none for the
// groups of one frame, which go out at once.
std::optional<qx::Sequencer::Plan> writePlan(Group group, const QList<QByteArray> &frames);

// The phone-table read loop (Timer4): entries first..last, one every 200 ms
// whatever comes back, the first 100 ms after the start; step k reads entry
// first + k. Nothing to read when last < first.
qx::Sequencer::Plan phoneTablePlan(int first, int last);

} // namespace lt::qx3100
