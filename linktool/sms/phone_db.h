#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace lt {

// phone_db: the local copy of the module's phone table, table Phone_Table
// with the text fields slave (identity address) and phone_number.
// A SQLite file in the program's data folder; values always go in as bound
// parameters.
class PhoneDb
{
public:
    PhoneDb();
    ~PhoneDb();
    PhoneDb(const PhoneDb &) = delete;
    PhoneDb &operator=(const PhoneDb &) = delete;

    bool isOpen() const { return m_open; }
    QString fileName() const { return m_file; }

    bool clear();
    bool add(const QString &slave, const QString &phoneNumber);
    // The entry of one address in place of every record the table held for
    // it, in one transaction: the address is never missing nor there twice.
    bool replace(const QString &slave, const QString &phoneNumber);
    // True when a record holds this number.
    bool hasNumber(const QString &phoneNumber) const;
    QList<QPair<QString, QString>> records() const;

private:
    QString m_connection;
    QString m_file;
    bool m_open = false;
};

} // namespace lt
