#include "settings.h"

#include "codes.h"
#include "requests.h"

#include <QCoreApplication>
#include <QJsonValue>

#include <functional>
#include <limits>

namespace lt::qx3100 {

namespace {

// What the window says when a box holds a value it cannot send (an empty box
// included), by field, translated where it is shown. Every other field is
// refused with the texts of params.
struct WindowRefusal
{
    const char *field;
    const char *message;
    const char *title;
};
const WindowRefusal kWindowRefusals[] = {
    {"password", QT_TRANSLATE_NOOP("lt::qx3100", "您输入的短信密码不正确"),
     QT_TRANSLATE_NOOP("lt::qx3100", "请重新输入短信密码")},
    {"receiver", QT_TRANSLATE_NOOP("lt::qx3100", "您输入的接收方号码不正确"),
     QT_TRANSLATE_NOOP("lt::qx3100", "请重新输入接收方号码")},
    {"passive_address", QT_TRANSLATE_NOOP("lt::qx3100", "您输入的模块地址不正确"),
     QT_TRANSLATE_NOOP("lt::qx3100", "请重新输入模块地址")},
    {"restart_seconds", QT_TRANSLATE_NOOP("lt::qx3100", "您输入的重起时间不正确"),
     QT_TRANSLATE_NOOP("lt::qx3100", "请重新输入重起时间")},
    {"wake_idle_ms", QT_TRANSLATE_NOOP("lt::qx3100", "您输入的醒后延时不正确"),
     QT_TRANSLATE_NOOP("lt::qx3100", "请重新输入醒后延时")},
    {"wake_data_ms", QT_TRANSLATE_NOOP("lt::qx3100", "您输入的醒后延时不正确"),
     QT_TRANSLATE_NOOP("lt::qx3100", "请重新输入醒后延时")},
    {"work_form", QT_TRANSLATE_NOOP("lt::qx3100", "你必须选择需要的工作方式"),
     QT_TRANSLATE_NOOP("lt::qx3100", "提示信息")},
    {"trans_form", QT_TRANSLATE_NOOP("lt::qx3100", "你必须选择需要的传输方式"),
     QT_TRANSLATE_NOOP("lt::qx3100", "提示信息")},
};

std::optional<params::Refusal> windowRefusal(const QString &field)
{
    for (const WindowRefusal &r : kWindowRefusals)
        if (field == QLatin1String(r.field))
            return params::Refusal{field, QCoreApplication::translate("lt::qx3100", r.message),
                                  QCoreApplication::translate("lt::qx3100", r.title)};
    return std::nullopt;
}

params::Refusal refusedValue(const QString &field)
{
    return windowRefusal(field).value_or(params::badValue(field));
}

params::Refusal missingValue(const QString &field)
{
    return windowRefusal(field).value_or(params::missingValue(field));
}

constexpr params::Named<ModuleModel> kModuleModelNames[] = {{ModuleModel::Sms, "sms"}, {ModuleModel::Gprs, "gprs"}};

// One field: where it lives in Settings, which group writes it, its JSON
// form, and whether a value of it can be sent as the window would send it.
struct Field
{
    QString key;
    std::optional<Group> group;
    std::function<bool(const Settings &)> present;
    std::function<QJsonValue(const Settings &)> toJson;
    // False when the JSON value is not of the field's kind.
    std::function<bool(Settings &, const QJsonValue &)> fromJson;
    std::function<bool(const Settings &)> sendable;
};

template<class T, class Out, class In, class Check>
Field field(const char *key, std::optional<Group> group, std::optional<T> Settings::*member, Out out, In in,
            Check check)
{
    Field f;
    f.key = QLatin1String(key);
    f.group = group;
    f.present = [member](const Settings &s) { return (s.*member).has_value(); };
    f.toJson = [member, out](const Settings &s) { return QJsonValue(out(*(s.*member))); };
    f.fromJson = [member, in](Settings &s, const QJsonValue &json) {
        s.*member = in(json);
        return (s.*member).has_value();
    };
    f.sendable = [member, check](const Settings &s) { return (s.*member).has_value() && check(*(s.*member)); };
    return f;
}

template<class T>
T same(const T &value)
{
    return value;
}

template<class T>
bool always(const T &)
{
    return true;
}

template<int Min, int Max>
std::optional<int> whole(const QJsonValue &json)
{
    return params::whole(json, Min, Max);
}

template<class E, std::size_t N>
auto namesOut(const params::Named<E> (&names)[N])
{
    return [&names](E value) { return params::nameOf(names, value); };
}

template<class E, std::size_t N>
auto namesIn(const params::Named<E> (&names)[N])
{
    return [&names](const QJsonValue &json) { return params::named(names, json); };
}

const QList<Field> &fields()
{
    constexpr int kAnyWhole = std::numeric_limits<int>::max();
    static const QList<Field> table = {
        field("version", std::nullopt, &Settings::version, same<QString>, params::text, always<QString>),
        field("baud", Group::Baud, &Settings::baud, same<int>, whole<1, kAnyWhole>,
              [](int bps) { return code::baudCode(bps).has_value(); }),
        field("restart_seconds", Group::RestartTime, &Settings::restart_seconds, same<double>, params::number,
              [](double seconds) { return restartUnits(seconds).has_value(); }),
        field("password_required", Group::PasswordUse, &Settings::password_required, same<bool>, params::flag,
              always<bool>),
        field("password", Group::Password, &Settings::password, same<QString>, params::text,
              [](const QString &text) { return colonBytes(text, 4).has_value(); }),
        field("work_form", Group::WorkMode, &Settings::work_form, namesOut(params::kWorkFormNames),
              namesIn(params::kWorkFormNames), always<WorkForm>),
        field("passive_address", Group::PassiveAddress, &Settings::passive_address, same<QString>, params::text,
              [](const QString &text) { return colonBytes(text, 2).has_value(); }),
        field("trans_form", Group::WorkMode, &Settings::trans_form, namesOut(params::kTransFormNames),
              namesIn(params::kTransFormNames), always<TransForm>),
        field("transparent_mode", Group::WorkMode, &Settings::transparent_mode, same<int>, whole<1, 2>, always<int>),
        field("receiver", Group::Receiver, &Settings::receiver, same<QString>, params::text,
              [](const QString &number) { return phoneBytes(number).has_value(); }),
        field("address_start", Group::WorkMode, &Settings::address_start, same<int>, whole<0, 255>, always<int>),
        field("address_length", Group::WorkMode, &Settings::address_length, same<int>, whole<0, 255>, always<int>),
        field("group_max", Group::WorkMode, &Settings::group_max, same<int>, whole<0, 255>, always<int>),
        field("address_type", Group::WorkMode, &Settings::address_type, namesOut(params::kAddressTypeNames),
              namesIn(params::kAddressTypeNames), always<AddressType>),
        field("power_saving", Group::PowerSaving, &Settings::power_saving, same<bool>, params::flag, always<bool>),
        field("wake_idle_ms", Group::PowerSaving, &Settings::wake_idle_ms, same<double>, params::number,
              [](double ms) { return wakeUnits(ms).has_value(); }),
        field("wake_data_ms", Group::PowerSaving, &Settings::wake_data_ms, same<double>, params::number,
              [](double ms) { return wakeUnits(ms).has_value(); }),
        field("wake_mode", Group::PowerSaving, &Settings::wake_mode, same<int>, whole<1, 2>, always<int>),
        field("module_type", Group::ModuleType, &Settings::module_type, namesOut(kModuleModelNames),
              namesIn(kModuleModelNames), always<ModuleModel>),
    };
    return table;
}

const Field *find(const QString &key)
{
    return params::findField(fields(), key);
}

// The frames of each group, once every value it needs is there and sendable.
QList<QByteArray> framesOf(Group group, const Settings &s)
{
    switch (group) {
    case Group::WorkMode: {
        QList<QByteArray> frames{setByte(code::kWorkForm, int(*s.work_form)),
                                 setByte(code::kTransForm, int(*s.trans_form))};
        if (*s.trans_form == TransForm::Transparent && s.transparent_mode == 2) {
            QByteArray data;
            data.append(char(*s.address_start)).append(char(*s.address_length)).append(char(*s.group_max));
            data.append(char(*s.address_type));
            frames << set(code::kAddressSettings, data);
        }
        return frames;
    }
    case Group::PowerSaving: {
        QList<QByteArray> frames{setByte(code::kPowerSaving, *s.power_saving ? 1 : 0)};
        if (*s.power_saving) {
            QByteArray mode(4, '\0');
            mode[0] = char(*s.wake_mode == 1 ? kWakeMode1 : kWakeMode2);
            frames << set(code::kWakeMode, mode);
            frames << set(code::kWakeTimes, be16(*wakeUnits(*s.wake_idle_ms)) + be16(*wakeUnits(*s.wake_data_ms)));
        }
        return frames;
    }
    case Group::PasswordUse:
        return {setByte(code::kPasswordUse, *s.password_required ? 1 : 0)};
    case Group::Password:
        return {set(code::kPassword, *colonBytes(*s.password, 4))};
    case Group::Receiver:
        return {set(code::kReceiver, *phoneBytes(*s.receiver))};
    case Group::RestartTime:
        return {set(code::kRestartTime, be32(*restartUnits(*s.restart_seconds)))};
    case Group::PassiveAddress:
        return {set(code::kPassiveAddress, *colonBytes(*s.passive_address, 2))};
    case Group::ModuleType:
        return {setByte(code::kModuleType, *s.module_type == ModuleModel::Sms ? kSmsModule : code::kGprsModule)};
    case Group::Baud:
        return {setByte(code::kSerialLine, baudCode(*s.baud))};
    }
    return {};
}

// The fields a group cannot be sent without, for these values, in the order they are checked.
QStringList neededBy(Group group, const Settings &s)
{
    switch (group) {
    case Group::WorkMode:
        if (s.trans_form == TransForm::Transparent && s.transparent_mode == 2)
            return {QStringLiteral("work_form"), QStringLiteral("trans_form"), QStringLiteral("address_start"),
                    QStringLiteral("address_length"), QStringLiteral("group_max"), QStringLiteral("address_type")};
        return {QStringLiteral("work_form"), QStringLiteral("trans_form")};
    case Group::PowerSaving:
        if (s.power_saving.value_or(false))
            return {QStringLiteral("power_saving"), QStringLiteral("wake_idle_ms"), QStringLiteral("wake_data_ms"),
                    QStringLiteral("wake_mode")};
        return {QStringLiteral("power_saving")};
    default:
        return fieldsOf(group);
    }
}

} // namespace

const QStringList &fieldNames()
{
    static const QStringList names = params::fieldKeys(fields());
    return names;
}

QStringList fieldsOf(Group group)
{
    return params::fieldKeysOf(fields(), group);
}

std::optional<Group> groupOf(const QString &field)
{
    const Field *f = find(field);
    return f ? f->group : std::nullopt;
}

const QList<Group> &writeOrder()
{
    static const QList<Group> order = {Group::WorkMode,    Group::PowerSaving,    Group::PasswordUse,
                                       Group::Password,    Group::Receiver,       Group::RestartTime,
                                       Group::PassiveAddress, Group::ModuleType,  Group::Baud};
    return order;
}

GroupWrite writeGroup(Group group, const Settings &settings)
{
    GroupWrite out;
    for (const QString &key : neededBy(group, settings)) {
        const Field &f = *find(key);
        if (!f.present(settings)) {
            out.refusal = missingValue(key);
            return out;
        }
        if (!f.sendable(settings)) {
            out.refusal = refusedValue(key);
            return out;
        }
    }
    out.frames = framesOf(group, settings);
    return out;
}

QJsonObject toParams(const Settings &settings)
{
    QJsonObject out;
    for (const Field &f : fields())
        if (f.present(settings))
            out.insert(f.key, f.toJson(settings));
    return out;
}

ParamsRead fromParams(const QJsonObject &json)
{
    ParamsRead out;
    for (auto it = json.begin(); it != json.end(); ++it) {
        const Field *f = find(it.key());
        if (!f)
            out.refusal = params::unknownKey(it.key());
        else if (!f->fromJson(out.settings, it.value()) || (f->group && !f->sendable(out.settings)))
            out.refusal = refusedValue(f->key);
        if (out.refusal) {
            out.settings = {};
            return out;
        }
    }
    return out;
}

} // namespace lt::qx3100
