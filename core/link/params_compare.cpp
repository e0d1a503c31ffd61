#include "params_compare.h"

namespace lt::params {

QList<Comparison> compare(const QStringList &fieldOrder, const QJsonObject &file, const QJsonObject &read,
                          const std::function<bool(const QString &field)> &isWritten)
{
    QList<Comparison> rows;
    for (const QString &field : fieldOrder) {
        if (!file.contains(field))
            continue;
        const QJsonValue wanted = file.value(field);
        const QJsonValue current = read.value(field);
        const bool written = isWritten(field);
        rows << Comparison{field, wanted, current, written, written && current != wanted};
    }
    return rows;
}

QStringList changedFields(const QList<Comparison> &comparison)
{
    QStringList fields;
    for (const Comparison &row : comparison)
        if (row.changed)
            fields << row.field;
    return fields;
}

} // namespace lt::params
