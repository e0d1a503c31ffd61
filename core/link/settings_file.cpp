#include "settings_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

namespace lt::settings_file {

namespace {

Reading refused(const QString &why)
{
    return {std::nullopt, why};
}

} // namespace

QByteArray toBytes(const Document &document)
{
    QJsonObject root;
    root.insert(QStringLiteral("format"), kFormat);
    root.insert(QStringLiteral("model"), document.model);
    root.insert(QStringLiteral("saved"), document.saved.toOffsetFromUtc(document.saved.offsetFromUtc())
                                             .toString(Qt::ISODate));
    root.insert(QStringLiteral("program"), document.program);
    root.insert(QStringLiteral("params"), document.params);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Reading fromBytes(const QByteArray &bytes, const QString &expectedModel)
{
    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(bytes, &error);
    const QJsonObject root = json.object();
    const QJsonValue format = root.value(QStringLiteral("format"));
    const QJsonValue model = root.value(QStringLiteral("model"));
    const QJsonValue params = root.value(QStringLiteral("params"));
    if (error.error != QJsonParseError::NoError || !json.isObject() || !format.isDouble() || !model.isString()
        || !params.isObject())
        return refused(QCoreApplication::translate("lt::settings_file", "这个文件不是模块参数文件"));
    // A whole number only: 1.5 is no format this program ever wrote.
    const double number = format.toDouble();
    if (number != double(qint64(number)) || number < 1)
        return refused(QCoreApplication::translate("lt::settings_file", "这个文件不是模块参数文件"));
    if (number > kFormat)
        return refused(QCoreApplication::translate("lt::settings_file", "参数文件的格式（%1）比本程序的（%2）新，请用新版本的程序打开")
                           .arg(qint64(number))
                           .arg(kFormat));
    if (!expectedModel.isEmpty() && model.toString() != expectedModel)
        return refused(QCoreApplication::translate("lt::settings_file", "这是 %1 模块的参数文件，不能用于 %2 模块").arg(model.toString(), expectedModel));

    Document document;
    document.model = model.toString();
    document.saved = QDateTime::fromString(root.value(QStringLiteral("saved")).toString(), Qt::ISODate);
    document.program = root.value(QStringLiteral("program")).toString();
    document.params = params.toObject();
    return {document, {}};
}

Reading load(const QString &path, const QString &expectedModel)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("lt::settings_file", "无法读取文件 %1：%2").arg(path, file.errorString()));
    return fromBytes(file.readAll(), expectedModel);
}

std::optional<QString> save(const QString &path, const Document &document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toBytes(document)) < 0 || !file.commit())
        return QCoreApplication::translate("lt::settings_file", "无法写入文件 %1：%2").arg(path, file.errorString());
    return std::nullopt;
}

} // namespace lt::settings_file
