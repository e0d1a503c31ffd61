#include "phone_db.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace lt {

PhoneDb::PhoneDb() : m_connection(QStringLiteral("phone_db"))
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty() || !QDir().mkpath(dir))
        return;
    m_file = QDir(dir).filePath(QStringLiteral("phone_db.sqlite"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_file);
    if (!db.open())
        return;
    QSqlQuery q(db);
    m_open = q.exec(QStringLiteral("create table if not exists Phone_Table (slave text, phone_number text)"));
}

PhoneDb::~PhoneDb()
{
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

bool PhoneDb::clear()
{
    if (!m_open)
        return false;
    // One transaction: a loop starts from an empty table or from the old one, never from half of it.
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("delete from Phone_Table"))) {
        db.rollback();
        return false;
    }
    return db.commit();
}

bool PhoneDb::add(const QString &slave, const QString &phoneNumber)
{
    if (!m_open)
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("insert into Phone_Table (slave, phone_number) values (?, ?)"));
    q.addBindValue(slave);
    q.addBindValue(phoneNumber);
    return q.exec();
}

bool PhoneDb::replace(const QString &slave, const QString &phoneNumber)
{
    if (!m_open)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connection);
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("delete from Phone_Table where slave = ?"));
    q.addBindValue(slave);
    if (!q.exec() || !add(slave, phoneNumber)) {
        db.rollback();
        return false;
    }
    return db.commit();
}

bool PhoneDb::hasNumber(const QString &phoneNumber) const
{
    if (!m_open)
        return false;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("select * from Phone_Table where phone_number = ?"));
    q.addBindValue(phoneNumber);
    return q.exec() && q.next();
}

QList<QPair<QString, QString>> PhoneDb::records() const
{
    QList<QPair<QString, QString>> out;
    if (!m_open)
        return out;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    if (q.exec(QStringLiteral("select slave, phone_number from Phone_Table order by rowid")))
        while (q.next())
            out.append({q.value(0).toString(), q.value(1).toString()});
    return out;
}

} // namespace lt
