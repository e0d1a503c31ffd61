#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace lt::params {

// One field of a settings file set beside what was last read from the module.
struct Comparison
{
    QString field;
    QJsonValue inFile;
    QJsonValue read;   // undefined when the module's value was not read
    bool written;      // a write sends it (the rest is only read: the version, ...)
    bool changed;      // writing the file would change the module
    bool operator==(const Comparison &) const = default;
};

// The fields the file gives, in the model's field order (fieldOrder), each
// with the value last read. A written field whose value was not read counts
// as changed; a field no write sends never does.
QList<Comparison> compare(const QStringList &fieldOrder, const QJsonObject &file, const QJsonObject &read,
                          const std::function<bool(const QString &field)> &isWritten);

// The changed fields of a comparison, in its order.
QStringList changedFields(const QList<Comparison> &comparison);

} // namespace lt::params
