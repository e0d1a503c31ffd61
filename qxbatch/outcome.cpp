#include "outcome.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qxb {

QString statusWord(Status status)
{
    switch (status) {
    case Status::Ok: return QStringLiteral("ok");
    case Status::NoPort: return QStringLiteral("no-port");
    case Status::Busy: return QStringLiteral("busy");
    case Status::NoPermission: return QStringLiteral("no-permission");
    case Status::NoAnswer: return QStringLiteral("no-answer");
    case Status::WrongModel: return QStringLiteral("wrong-model");
    case Status::Refused: return QStringLiteral("refused");
    case Status::VerifyFailed: return QStringLiteral("verify-failed");
    case Status::IoError: return QStringLiteral("io-error");
    case Status::Interrupted: return QStringLiteral("interrupted");
    }
    return {};
}

QJsonValue Outcome::detail(const QString &key) const
{
    for (const auto &d : details)
        if (d.first == key)
            return d.second;
    return QJsonValue::Undefined;
}

namespace {

// A value as one word of the line: quoted when it holds a space or is empty,
// so the line still splits into its fields.
QString word(const QJsonValue &value)
{
    QString text;
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue &item : value.toArray())
            items << item.toVariant().toString();
        text = items.join(QLatin1Char(','));
    } else {
        text = value.toVariant().toString();
    }
    if (text.isEmpty() || text.contains(QLatin1Char(' ')) || text.contains(QLatin1Char('"')))
        return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\\\"")) + QLatin1Char('"');
    return text;
}

} // namespace

QString Outcome::humanLine() const
{
    QStringList fields{port, statusWord(status)};
    for (const auto &d : details)
        fields << d.first + QLatin1Char('=') + word(d.second);
    if (!message.isEmpty())
        fields << QString(message).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return fields.join(QLatin1Char(' '));
}

QByteArray Outcome::jsonLine() const
{
    QJsonObject o;
    o.insert(QStringLiteral("port"), port);
    o.insert(QStringLiteral("status"), statusWord(status));
    for (const auto &d : details)
        o.insert(d.first, d.second);
    if (!message.isEmpty())
        o.insert(QStringLiteral("message"), message);
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

} // namespace qxb
