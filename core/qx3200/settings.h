#pragma once

#include "requests.h"

#include "link/params_json.h"
#include "sequencer.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The QX3200's settings as values: what a read found, the groups the window
// writes them in with their frames, pace and refusals, and the JSON form a
// settings file keeps them in.
namespace lt::qx3200 {

// One field per value the module reports or takes; empty when it was not
// read (or not given). The field names are the keys of the JSON form.
struct Settings
{
    std::optional<QString> project;          // identity address: the project digit "1"
    std::optional<QString> site;             // and the site "234" (the address reads "12:34:")
    std::optional<QString> internal_code;    // "56:78:", read only
    std::optional<QString> version;          // read only
    std::optional<int> heartbeat_seconds;
    std::optional<int> restart_count;
    std::optional<bool> power_saving;
    std::optional<double> wake_idle_ms;      // the module keeps units of 400 ms
    std::optional<double> wake_data_ms;
    std::optional<WakeMode> wake_mode;       // 1 or 2 in the JSON form
    std::optional<WorkForm> work_form;
    std::optional<QString> passive_address;  // "30:35:": the two bytes a passive module answers to
    std::optional<TransForm> trans_form;
    std::optional<QString> target_project;
    std::optional<QString> target_site;
    std::optional<TransparentMode> transparent_mode;   // 1 or 2 in the JSON form
    std::optional<int> address_start;
    std::optional<int> address_length;
    std::optional<int> group_max;
    std::optional<AddressType> address_type;
    // The module's own serial line. It reports only the baud rate, and that
    // only in answer to a write: the window's read chain does not ask for it.
    std::optional<int> baud;
    std::optional<int> data_bits;
    std::optional<Parity> parity;
    std::optional<int> stop_bits;

    bool operator==(const Settings &) const = default;
};

// What one button of the window writes.
enum class Group {
    WorkMode,        // work and transfer form; for transparent transfer its mode, for mode 2 the address settings
    PowerSaving,     // power saving; when on, the wake mode and the wake times
    Heartbeat,       // heartbeat and restart count
    Target,
    PassiveAddress,
    Identity,        // answered by the network: see ParamEvents::identityResult
    SerialLine,
};

// Every field name, in the order of the struct.
const QStringList &fieldNames();
// The fields a group writes, and the group that writes a field (none for
// what is only read).
QStringList fieldsOf(Group group);
std::optional<Group> groupOf(const QString &field);

// The order a whole set of settings is written in: the identity late, since
// its outcome comes from the network (the window waits up to 90 s for it)
// and may be a question; the serial line last, since the module takes its
// new line at once.
const QList<Group> &writeOrder();

// The frames of a group for the values in settings, or the refusal of the
// first value the group cannot be sent with, in the order the window checks
// its boxes: the window's own message where it has one, params::missingValue
// or params::badValue otherwise. Only the group's fields are looked at.
struct GroupWrite
{
    QList<QByteArray> frames;   // empty when refused
    std::optional<params::Refusal> refusal;
};
GroupWrite writeGroup(Group group, const Settings &settings);

// How the window paces a group's frames: the heartbeat (Timer1) 50 ms after
// the click and its second frame a second later, done with it; the work mode
// (Timer4) and power saving (Timer5) 100 ms after the click, a second apart,
// done a second after the last frame. None for the groups of one frame,
// which go out at once.
std::optional<qx::Sequencer::Plan> writePlan(Group group, const QList<QByteArray> &frames);

// The identity write again, replacing the module that holds the address
// (once the user agreed to); none when the values give no frame.
std::optional<QByteArray> identityReplaceFrame(const Settings &settings);

// The parameter read chain (Timer2): every read request in step order
// (readChainCode), the first 100 ms after the start, a tick every 400 ms;
// each answer names the next step (ParamEvents::nextRead), and a tick that
// finds its read unanswered ends the chain.
qx::Sequencer::Plan readPlan();

// A window box's text as a number the module takes: the nearest whole
// number (halves to even), or, for a text that is no number, a value every
// rule refuses.
int enteredWholeNumber(const QString &text);
// The same for a decimal number: NaN for a text that is no number.
double enteredNumber(const QString &text);

// The JSON form: keys are the field names, values as a user reads them
// ("30:35:", 300, "passive", "format", true, 1 for mode 1); fields not read
// are left out.
QJsonObject toParams(const Settings &settings);
// The settings of a JSON form, or the first refusal (by key order): a key no
// field has, a value of the wrong kind, or one the window would refuse.
// Addresses are taken as the module reports them: project and site digits
// hexadecimal (kept in upper case), a passive address as "hh:hh:".
struct ParamsRead
{
    Settings settings;
    std::optional<params::Refusal> refusal;
};
ParamsRead fromParams(const QJsonObject &params);

} // namespace lt::qx3200
