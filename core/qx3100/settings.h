#pragma once

#include "sequences.h"

#include "link/codes.h"
#include "link/params_json.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The QX3100's settings as values: what the window reads from the module,
// the groups it writes them in, the frames of each group and the window's
// own refusals, and the JSON form a settings file keeps them in.
namespace lt::qx3100 {

// The model the module is made to be by the model choice.
enum class ModuleModel { Sms, Gprs };

// One field per value; empty when it was not read (or not given). The field
// names are the keys of the JSON form, and the values are kept as a user
// reads them in the window.
struct Settings
{
    std::optional<QString> version;            // software version; read only
    std::optional<int> baud;                   // bits per second: the speed the module answered at
    std::optional<double> restart_seconds;     // restart when no message came for this long
    std::optional<bool> password_required;     // whether a message must carry the password
    std::optional<QString> password;           // "12:34:56:78:"
    std::optional<WorkForm> work_form;
    std::optional<QString> passive_address;    // "00:01:", the module's address in passive form
    std::optional<TransForm> trans_form;
    std::optional<int> transparent_mode;       // 1 or 2, of transparent transfer
    std::optional<QString> receiver;           // "13912345678", where mode 1 sends to
    std::optional<int> address_start;          // mode 2: where the identity address sits in the data,
    std::optional<int> address_length;         //         how long it is,
    std::optional<int> group_max;              //         the most modules in a group,
    std::optional<AddressType> address_type;   //         and how it is written
    std::optional<bool> power_saving;
    std::optional<double> wake_idle_ms;        // delays after waking, milliseconds
    std::optional<double> wake_data_ms;
    std::optional<int> wake_mode;              // 1 or 2
    std::optional<ModuleModel> module_type;    // written only: the window never reads it back

    bool operator==(const Settings &) const = default;
};

// Every field name, in the order of the struct.
const QStringList &fieldNames();
// The fields a group writes, and the group that writes a field (none for the version).
QStringList fieldsOf(Group group);
std::optional<Group> groupOf(const QString &field);

// The order a whole set of settings is written in. The baud rate comes last:
// the module answers at its new rate from then on.
const QList<Group> &writeOrder();

// The frames of a group for the values in settings, or the refusal of the
// first value the group cannot be sent with: the window's own message where
// it has one (the same text it shows for its boxes), params::missingValue or
// params::badValue otherwise.
struct GroupWrite
{
    QList<QByteArray> frames;   // empty when refused
    std::optional<params::Refusal> refusal;
};
GroupWrite writeGroup(Group group, const Settings &settings);

// The JSON form: keys are the field names, values as a user reads them
// ("12:34:56:78:", 9600, "passive", "format", true); fields not read are left out.
QJsonObject toParams(const Settings &settings);
// The settings of a JSON form, or the first refusal (by key order): a key no
// field has, a value of the wrong kind, or one the window would refuse to send.
struct ParamsRead
{
    Settings settings;
    std::optional<params::Refusal> refusal;
};
ParamsRead fromParams(const QJsonObject &params);

} // namespace lt::qx3100
