#pragma once

#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>

namespace qxb {

// How one device ended. The words are fixed tokens a script can test for,
// in every language.
enum class Status { Ok, NoPort, Busy, NoPermission, NoAnswer, WrongModel, Refused, VerifyFailed, IoError, Interrupted };

QString statusWord(Status status);

// The line one device gets when it is done: `PORT STATUS key=value ... message`,
// or the same as one JSON object.
struct Outcome {
    QString port;
    Status status = Status::Ok;
    QList<QPair<QString, QJsonValue>> details;   // in the order they were found
    QString message;                             // for a person: what went wrong and what to do

    void add(const QString &key, const QJsonValue &value) { details.append({key, value}); }
    QJsonValue detail(const QString &key) const;

    QString humanLine() const;
    QByteArray jsonLine() const;   // compact, one line
};

} // namespace qxb
