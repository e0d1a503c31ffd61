#include "params_json.h"

#include <QCoreApplication>

#include <cmath>

namespace lt::params {

namespace {

// One title for every refusal of a value from a file.
QString title()
{
    return QCoreApplication::translate("lt::params", "参数错误");
}

} // namespace

Refusal unknownKey(const QString &key)
{
    return {key, QCoreApplication::translate("lt::params", "没有这个参数"), title()};
}

Refusal badValue(const QString &key)
{
    return {key, QCoreApplication::translate("lt::params", "参数值不正确"), title()};
}

Refusal missingValue(const QString &key)
{
    return {key, QCoreApplication::translate("lt::params", "缺少这个参数"), title()};
}

std::optional<QString> text(const QJsonValue &json)
{
    if (!json.isString())
        return std::nullopt;
    return json.toString();
}

std::optional<bool> flag(const QJsonValue &json)
{
    if (!json.isBool())
        return std::nullopt;
    return json.toBool();
}

std::optional<double> number(const QJsonValue &json)
{
    if (!json.isDouble() || !std::isfinite(json.toDouble()))
        return std::nullopt;
    return json.toDouble();
}

std::optional<int> whole(const QJsonValue &json, int min, int max)
{
    const auto v = number(json);
    if (!v || *v != std::floor(*v) || *v < min || *v > max)
        return std::nullopt;
    return int(*v);
}

} // namespace lt::params
