#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

namespace lt::settings_file {

// A module's settings as a file: UTF-8 JSON
// {"format": 1, "model": "QX3100", "saved": "<ISO time>", "program": "linktool 1.1.0", "params": {...}}.
// The params are the module's own business (each settings model reads and
// writes them); this is the envelope every program that keeps settings uses.
inline constexpr int kFormat = 1;

struct Document
{
    QString model;      // "QX3100" or "QX3200"
    QDateTime saved;
    QString program;    // "<name> <version>"
    QJsonObject params;
};

// The file's bytes, indented so that two files can be compared by eye.
QByteArray toBytes(const Document &document);

struct Reading
{
    std::optional<Document> document;
    QString refusal;   // why not, in the words a user is shown
};

// A settings file's bytes, for a module of the expected model (any model
// when none is given). Refused: what is not such a file, a newer format than
// this program writes, the other model's file.
Reading fromBytes(const QByteArray &bytes, const QString &expectedModel);

// The same through the file system; a file that cannot be read or written is
// refused with the system's reason. Saving replaces the file only once the new
// one is whole.
Reading load(const QString &path, const QString &expectedModel);
std::optional<QString> save(const QString &path, const Document &document);   // the refusal, if any

} // namespace lt::settings_file
