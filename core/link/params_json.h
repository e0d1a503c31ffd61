#pragma once

#include "codes.h"

#include <QJsonValue>
#include <QList>
#include <QStringList>
#include <QString>

#include <iterator>
#include <optional>

// What the settings models of both modules share in their JSON form (the
// "params" of a settings file): the refusal of a value, the names of the
// values both modules know alike, and readers that take a JSON value only
// in the form those names and numbers are written in.
namespace lt::params {

// Why a value was refused: its field (the JSON key), and the message and
// title the window shows for it.
struct Refusal
{
    QString field;
    QString message;
    QString title;
    bool operator==(const Refusal &) const = default;
};

// A key that names no field of the model.
Refusal unknownKey(const QString &key);
// A value of the wrong kind or out of range, for a field whose window has no
// message of its own for it.
Refusal badValue(const QString &key);
// A value a group cannot be written without.
Refusal missingValue(const QString &key);

// A value of an enumeration and the name it has in the JSON form.
template<class E>
struct Named
{
    E value;
    const char *name;
};

inline constexpr Named<WorkForm> kWorkFormNames[] = {{WorkForm::Passive, "passive"}, {WorkForm::Active, "active"}};
inline constexpr Named<TransForm> kTransFormNames[] = {{TransForm::Transparent, "transparent"},
                                                       {TransForm::Format, "format"}};
inline constexpr Named<AddressType> kAddressTypeNames[] = {
    {AddressType::Ascii, "ascii"}, {AddressType::Hex, "hex"}, {AddressType::Bcd, "bcd"}, {AddressType::R50, "r50"}};

template<class E, std::size_t N>
QString nameOf(const Named<E> (&names)[N], E value)
{
    for (const Named<E> &n : names)
        if (n.value == value)
            return QLatin1String(n.name);
    return {};
}

// The value a JSON string names; none for any other string or kind of value.
template<class E, std::size_t N>
std::optional<E> named(const Named<E> (&names)[N], const QJsonValue &json)
{
    if (!json.isString())
        return std::nullopt;
    for (const Named<E> &n : names)
        if (json.toString() == QLatin1String(n.name))
            return n.value;
    return std::nullopt;
}

// Lookups over a model's table of fields (each with a `key` and a `group`),
// the same for both modules' settings.
template<class Field>
const Field *findField(const QList<Field> &table, const QString &key)
{
    for (const Field &f : table)
        if (f.key == key)
            return &f;
    return nullptr;
}

template<class Field>
QStringList fieldKeys(const QList<Field> &table)
{
    QStringList keys;
    for (const Field &f : table)
        keys << f.key;
    return keys;
}

template<class Field, class Group>
QStringList fieldKeysOf(const QList<Field> &table, Group group)
{
    QStringList keys;
    for (const Field &f : table)
        if (f.group == group)
            keys << f.key;
    return keys;
}

std::optional<QString> text(const QJsonValue &json);
std::optional<bool> flag(const QJsonValue &json);
// A finite number.
std::optional<double> number(const QJsonValue &json);
// A whole number from min to max.
std::optional<int> whole(const QJsonValue &json, int min, int max);

} // namespace lt::params
