#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sms {

// The two tables as CSV files a spreadsheet opens and saves: UTF-8 with a
// byte order mark, a head line ("row,number" or "position,text"), then one
// line per row, every row of the table.
enum class TableKind { Phones, Messages };

QByteArray exportTable(TableKind kind, const QStringList &values);

// A file read back: the table it sets, or why it cannot.
struct TableImport {
    // Every row of the table, row 0 first; rows the file leaves out are empty.
    QStringList values;
    // One entry per bad line, in file order ("第 3 行：……").
    QStringList problems;
    // Set instead when the file as a whole cannot be read.
    QString unreadable;

    bool ok() const { return problems.isEmpty() && unreadable.isEmpty(); }
    // The one message that names every bad line.
    QString refusal() const;
};

// Checks every line before anything is taken: a line that is malformed, a
// row outside the table, a row given twice, a text the module cannot hold (60
// or more UTF-16 units) or a number that is not at most 20 digits.
TableImport importTable(TableKind kind, const QByteArray &file);

} // namespace sms
