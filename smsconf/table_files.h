#pragma once

#include <QCoreApplication>

class QWidget;

namespace sms {

class TableSide;

// A table's list saved as a CSV file, and read back from one, with the file
// asked of the user; window owns the dialogs and messages.
class TableFiles
{
    Q_DECLARE_TR_FUNCTIONS(sms::TableFiles)
public:
    static void save(QWidget *window, const TableSide &side);
    // Fills the list only, asking first when it holds unsaved edits: the
    // module gets the table when the user writes it.
    static void load(QWidget *window, TableSide &side);
};

} // namespace sms
