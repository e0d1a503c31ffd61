#include "settings.h"

#include "link/helpers.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QRegularExpression>

#include <cmath>
#include <functional>
#include <limits>

namespace lt::qx3200 {

namespace {

using Check = std::optional<params::Refusal>;

// The window's own refusals, word for word, under its title; translated where they are given.
const char *const kIncomplete = QT_TRANSLATE_NOOP("lt::qx3200", "模块设置时参数不全");
const char *const kNoProject = QT_TRANSLATE_NOOP("lt::qx3200", "您还没有输入工程号");
const char *const kSiteLength = QT_TRANSLATE_NOOP("lt::qx3200", "您输入站点号错误，站点号是 3 位");
const char *const kNoPassiveAddress = QT_TRANSLATE_NOOP("lt::qx3200", "您还没有输入被动方式地址");
const char *const kPassiveAddressBytes = QT_TRANSLATE_NOOP("lt::qx3200", "被动方式地址只能是 ASCII 字符");
const char *const kHeartbeatRange = QT_TRANSLATE_NOOP("lt::qx3200", "心跳时间必须在 0 到 9999 秒之间");
const char *const kRestartRange = QT_TRANSLATE_NOOP("lt::qx3200", "模块重起次数必须在 0 到 255 之间");
const char *const kWakeRange = QT_TRANSLATE_NOOP("lt::qx3200", "醒后时间必须在 0 到 26214000 毫秒之间");

params::Refusal said(const QString &field, const char *message)
{
    return {field, QCoreApplication::translate("lt::qx3200", message),
            QCoreApplication::translate("lt::qx3200", "系统提示")};
}

// The heartbeat box takes four digits.
constexpr int kMostHeartbeatSeconds = 9999;

// The pace of each sequence, as the window has always sent it.
constexpr int kHeartbeatFirstMs = 50;
constexpr int kWriteFirstMs = 100;
constexpr int kWritePeriodMs = 1000;
constexpr int kReadFirstMs = 100;
constexpr int kReadPeriodMs = 400;

constexpr params::Named<Parity> kParityNames[] = {
    {Parity::None, "none"}, {Parity::Odd, "odd"}, {Parity::Even, "even"}};

// The fields that hold the hexadecimal digits of an identity or target address.
const QStringList kAddressDigitFields{QStringLiteral("project"), QStringLiteral("site"),
                                      QStringLiteral("target_project"), QStringLiteral("target_site")};

bool hexDigits(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^[0-9A-Fa-f]*$"));
    return form.match(text).hasMatch();
}

// "hh:hh:" (or "hh:hh", either case) as its two bytes.
std::optional<QByteArray> pairBytes(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^([0-9A-Fa-f]{2}):([0-9A-Fa-f]{2}):?$"));
    const auto match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QByteArray out;
    out.append(char(match.captured(1).toInt(nullptr, 16)));
    out.append(char(match.captured(2).toInt(nullptr, 16)));
    return out;
}

// The value rules of the window's boxes and lists, field by field.

Check projectCheck(const QString &field, const std::optional<QString> &project)
{
    if (project->isEmpty())
        return said(field, kNoProject);
    // The box holds one character.
    if (project->size() != 1)
        return params::badValue(field);
    return {};
}

Check siteCheck(const QString &field, const std::optional<QString> &site)
{
    if (site->size() != 3)
        return said(field, kSiteLength);
    return {};
}

Check wakeCheck(const QString &field, const std::optional<double> &ms)
{
    if (!wakeUnits(*ms))
        return said(field, kWakeRange);
    return {};
}

Check passiveAddressCheck(const Settings &s)
{
    const QString field = QStringLiteral("passive_address");
    if (s.passive_address->isEmpty())
        return said(field, kNoPassiveAddress);
    for (QChar c : *s.passive_address)
        if (c.unicode() > 0xFF)
            return said(field, kPassiveAddressBytes);
    if (!pairBytes(*s.passive_address))
        return params::badValue(field);
    return {};
}

// Up to four ASCII characters, or two bytes of the other types, as the
// window's scroll bar allows.
Check addressLengthCheck(const Settings &s)
{
    const int longest = !s.address_type || *s.address_type == AddressType::Ascii ? 4 : 2;
    if (*s.address_length < 1 || *s.address_length > longest)
        return params::badValue(QStringLiteral("address_length"));
    return {};
}

Check rangeCheck(const QString &field, int value, int low, int high)
{
    if (value < low || value > high)
        return params::badValue(field);
    return {};
}

// One field: where it lives in Settings, which group writes it, its JSON
// form, and the window's rule for its value.
struct Field
{
    QString key;
    std::optional<Group> group;
    std::function<bool(const Settings &)> present;
    std::function<QJsonValue(const Settings &)> toJson;
    // False when the JSON value is not of the field's kind.
    std::function<bool(Settings &, const QJsonValue &)> fromJson;
    std::function<Check(const Settings &)> check;
};

template<class T, class Out, class In>
Field field(const char *key, std::optional<Group> group, std::optional<T> Settings::*member, Out out, In in,
            std::function<Check(const Settings &)> check = {})
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
    f.check = check ? check : [](const Settings &) { return Check{}; };
    return f;
}

template<class T>
T same(const T &value)
{
    return value;
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

// Mode 1 or 2, as the window names them.
template<class Mode>
int modeOut(Mode mode)
{
    return int(mode) + 1;
}

template<class Mode>
std::optional<Mode> modeIn(const QJsonValue &json)
{
    const auto number = params::whole(json, 1, 2);
    return number ? std::optional<Mode>(Mode(*number - 1)) : std::nullopt;
}

const QList<Field> &fields()
{
    constexpr int kAnyWhole = std::numeric_limits<int>::max();
    constexpr int kNoWhole = std::numeric_limits<int>::min();
    static const QList<Field> table = {
        field("project", Group::Identity, &Settings::project, same<QString>, params::text,
              [](const Settings &s) { return projectCheck(QStringLiteral("project"), s.project); }),
        field("site", Group::Identity, &Settings::site, same<QString>, params::text,
              [](const Settings &s) { return siteCheck(QStringLiteral("site"), s.site); }),
        field("internal_code", std::nullopt, &Settings::internal_code, same<QString>, params::text),
        field("version", std::nullopt, &Settings::version, same<QString>, params::text),
        field("heartbeat_seconds", Group::Heartbeat, &Settings::heartbeat_seconds, same<int>, whole<kNoWhole, kAnyWhole>,
              [](const Settings &s) {
                  return *s.heartbeat_seconds < 0 || *s.heartbeat_seconds > kMostHeartbeatSeconds
                             ? Check(said(QStringLiteral("heartbeat_seconds"), kHeartbeatRange))
                             : Check{};
              }),
        field("restart_count", Group::Heartbeat, &Settings::restart_count, same<int>, whole<kNoWhole, kAnyWhole>,
              [](const Settings &s) {
                  return restartCountFrame(*s.restart_count) ? Check{}
                                                             : Check(said(QStringLiteral("restart_count"), kRestartRange));
              }),
        field("power_saving", Group::PowerSaving, &Settings::power_saving, same<bool>, params::flag),
        field("wake_idle_ms", Group::PowerSaving, &Settings::wake_idle_ms, same<double>, params::number,
              [](const Settings &s) { return wakeCheck(QStringLiteral("wake_idle_ms"), s.wake_idle_ms); }),
        field("wake_data_ms", Group::PowerSaving, &Settings::wake_data_ms, same<double>, params::number,
              [](const Settings &s) { return wakeCheck(QStringLiteral("wake_data_ms"), s.wake_data_ms); }),
        field("wake_mode", Group::PowerSaving, &Settings::wake_mode, modeOut<WakeMode>, modeIn<WakeMode>),
        field("work_form", Group::WorkMode, &Settings::work_form, namesOut(params::kWorkFormNames),
              namesIn(params::kWorkFormNames)),
        field("passive_address", Group::PassiveAddress, &Settings::passive_address, same<QString>, params::text,
              passiveAddressCheck),
        field("trans_form", Group::WorkMode, &Settings::trans_form, namesOut(params::kTransFormNames),
              namesIn(params::kTransFormNames)),
        field("target_project", Group::Target, &Settings::target_project, same<QString>, params::text,
              [](const Settings &s) { return projectCheck(QStringLiteral("target_project"), s.target_project); }),
        field("target_site", Group::Target, &Settings::target_site, same<QString>, params::text,
              [](const Settings &s) { return siteCheck(QStringLiteral("target_site"), s.target_site); }),
        field("transparent_mode", Group::WorkMode, &Settings::transparent_mode, modeOut<TransparentMode>,
              modeIn<TransparentMode>),
        field("address_start", Group::WorkMode, &Settings::address_start, same<int>, whole<kNoWhole, kAnyWhole>,
              [](const Settings &s) { return rangeCheck(QStringLiteral("address_start"), *s.address_start, 0, 255); }),
        field("address_length", Group::WorkMode, &Settings::address_length, same<int>, whole<kNoWhole, kAnyWhole>,
              addressLengthCheck),
        field("group_max", Group::WorkMode, &Settings::group_max, same<int>, whole<kNoWhole, kAnyWhole>,
              [](const Settings &s) { return rangeCheck(QStringLiteral("group_max"), *s.group_max, 1, 255); }),
        field("address_type", Group::WorkMode, &Settings::address_type, namesOut(params::kAddressTypeNames),
              namesIn(params::kAddressTypeNames)),
        field("baud", Group::SerialLine, &Settings::baud, same<int>, whole<kNoWhole, kAnyWhole>,
              [](const Settings &s) {
                  return lt::code::baudCode(*s.baud) ? Check{} : Check(params::badValue(QStringLiteral("baud")));
              }),
        field("data_bits", Group::SerialLine, &Settings::data_bits, same<int>, whole<7, 8>),
        field("parity", Group::SerialLine, &Settings::parity, namesOut(kParityNames), namesIn(kParityNames)),
        field("stop_bits", Group::SerialLine, &Settings::stop_bits, same<int>, whole<1, 2>),
    };
    return table;
}

const Field *find(const QString &key)
{
    return params::findField(fields(), key);
}

// What the window says of a value a group cannot go without.
params::Refusal missing(const QString &key)
{
    if (key == QLatin1String("project") || key == QLatin1String("target_project"))
        return said(key, kNoProject);
    if (key == QLatin1String("site") || key == QLatin1String("target_site"))
        return said(key, kSiteLength);
    if (key == QLatin1String("passive_address"))
        return said(key, kNoPassiveAddress);
    if (groupOf(key) == Group::SerialLine)
        return params::missingValue(key);   // the window always has all four
    return said(key, kIncomplete);
}

// The fields a group cannot be sent without, for these values, in the order the window checks them.
QStringList neededBy(Group group, const Settings &s)
{
    switch (group) {
    case Group::WorkMode: {
        QStringList keys{QStringLiteral("work_form"), QStringLiteral("trans_form")};
        // A mode still at none would leave the module's address unknown.
        if (s.trans_form == TransForm::Transparent)
            keys << QStringLiteral("transparent_mode");
        if (s.trans_form == TransForm::Transparent && s.transparent_mode == TransparentMode::Mode2)
            keys << QStringLiteral("address_type") << QStringLiteral("address_start") << QStringLiteral("address_length")
                 << QStringLiteral("group_max");
        return keys;
    }
    case Group::PowerSaving:
        if (s.power_saving.value_or(false))
            return {QStringLiteral("power_saving"), QStringLiteral("wake_mode"), QStringLiteral("wake_idle_ms"),
                    QStringLiteral("wake_data_ms")};
        return {QStringLiteral("power_saving")};
    default:
        return fieldsOf(group);
    }
}

QList<QByteArray> framesOf(Group group, const Settings &s)
{
    switch (group) {
    case Group::WorkMode: {
        QList<QByteArray> frames{workFormFrame(*s.work_form), transFormFrame(*s.trans_form)};
        if (*s.trans_form == TransForm::Transparent) {
            frames << transparentModeFrame(*s.transparent_mode);
            if (*s.transparent_mode == TransparentMode::Mode2)
                frames << addressSettingsFrame({*s.address_start, *s.address_length, *s.group_max, *s.address_type});
        }
        return frames;
    }
    case Group::PowerSaving: {
        QList<QByteArray> frames{powerSavingFrame(*s.power_saving)};
        if (*s.power_saving)
            frames << wakeModeFrame(*s.wake_mode) << *wakeTimesFrame(*s.wake_idle_ms, *s.wake_data_ms);
        return frames;
    }
    case Group::Heartbeat:
        return {*heartbeatFrame(*s.heartbeat_seconds), *restartCountFrame(*s.restart_count)};
    case Group::Target:
        return {*addressFrame(code::kTarget, *s.target_project, *s.target_site)};
    case Group::PassiveAddress:
        return {*passiveAddressFrame(*pairBytes(*s.passive_address))};
    case Group::Identity:
        return {*addressFrame(code::kIdentity, *s.project, *s.site)};
    case Group::SerialLine:
        return {serialLineFrame(*s.baud, *s.data_bits, *s.parity, *s.stop_bits)};
    }
    return {};
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
    static const QList<Group> order{Group::WorkMode, Group::PowerSaving, Group::Heartbeat, Group::Target,
                                    Group::PassiveAddress, Group::Identity, Group::SerialLine};
    return order;
}

GroupWrite writeGroup(Group group, const Settings &settings)
{
    GroupWrite out;
    const QStringList needed = neededBy(group, settings);
    // Every box filled in before any value is looked at, as the window has always checked.
    for (const QString &key : needed)
        if (!find(key)->present(settings)) {
            out.refusal = missing(key);
            return out;
        }
    for (const QString &key : needed)
        if ((out.refusal = find(key)->check(settings)))
            return out;
    out.frames = framesOf(group, settings);
    return out;
}

std::optional<qx::Sequencer::Plan> writePlan(Group group, const QList<QByteArray> &frames)
{
    using Seq = qx::Sequencer;
    switch (group) {
    case Group::Heartbeat:
        // The buttons come back with the last frame: there is nothing to wait for.
        return Seq::Plan{frames, kHeartbeatFirstMs, kWritePeriodMs, Seq::Advance::EveryTick, Seq::End::WithLast};
    case Group::WorkMode:
    case Group::PowerSaving:
        return Seq::Plan{frames, kWriteFirstMs, kWritePeriodMs, Seq::Advance::EveryTick, Seq::End::NextTick};
    default:
        return std::nullopt;
    }
}

std::optional<QByteArray> identityReplaceFrame(const Settings &s)
{
    if (!s.project || !s.site)
        return std::nullopt;
    return addressFrame(code::kIdentity, *s.project, *s.site, op::kReplace);
}

qx::Sequencer::Plan readPlan()
{
    qx::Sequencer::Plan plan;
    for (int step = 0; const auto code = readChainCode(step); ++step)
        plan.frames << readFrame(*code);
    plan.firstMs = kReadFirstMs;
    plan.periodMs = kReadPeriodMs;
    plan.advance = qx::Sequencer::Advance::OnReply;
    return plan;
}

int enteredWholeNumber(const QString &text)
{
    const auto v = roundedValue(text);
    return v ? int(*v) : std::numeric_limits<int>::min();
}

double enteredNumber(const QString &text)
{
    return decimal_value(text).value_or(std::nan(""));
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
    auto refuse = [&out](const params::Refusal &refusal) {
        out.refusal = refusal;
        out.settings = {};
        return out;
    };
    // Every value of its kind first: the rules of some fields look at others.
    for (auto it = json.begin(); it != json.end(); ++it) {
        const Field *f = find(it.key());
        if (!f)
            return refuse(params::unknownKey(it.key()));
        if (!f->fromJson(out.settings, it.value()))
            return refuse(params::badValue(f->key));
        // The window would send any other character as 0: a file's value is
        // taken only as the module reports it.
        if (kAddressDigitFields.contains(f->key) && !hexDigits(it.value().toString()))
            return refuse(params::badValue(f->key));
    }
    for (auto it = json.begin(); it != json.end(); ++it)
        if (const auto refusal = find(it.key())->check(out.settings))
            return refuse(*refusal);
    // One way of writing an address, as it is read.
    if (out.settings.passive_address)
        out.settings.passive_address = hex_text(*pairBytes(*out.settings.passive_address));
    for (std::optional<QString> *digits : {&out.settings.project, &out.settings.site, &out.settings.target_project,
                                           &out.settings.target_site})
        if (*digits)
            *digits = (*digits)->toUpper();
    return out;
}

} // namespace lt::qx3200
