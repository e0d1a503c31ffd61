#pragma once

#include "input_dialogs.h"
#include "table_csv.h"
#include "unsaved_edits.h"

#include <QObject>
#include <QPointer>

class QTableWidget;
class QWidget;

namespace sms {

// One of the two tables as the user sees it: a list with the values in its
// second column, which a double-click edits row by row. The list is the
// table's only copy.
class TableSide : public QObject
{
    Q_OBJECT
public:
    TableKind kind() const { return m_kind; }
    QTableWidget *list() const { return m_list; }
    int rows() const;

    QString value(int row) const;
    // What the module sent, or nothing for a read.
    void setValue(int row, const QString &value);
    // What the user typed or imported: the module does not hold it yet.
    void editValue(int row, const QString &value);
    bool hasUnsavedEdits() const;

protected:
    // Its controls are children of window; edits record what the module
    // does not hold yet.
    TableSide(TableKind kind, UnsavedEdits &edits, QWidget *window);
    // The list, once made: a double-click on a row opens the input box.
    void adopt(QTableWidget *list);
    // The input box for one value, a child of window.
    virtual TextEntryDialog *makeInput() = 0;
    // The input box opened by the last double-click, while it is open.
    TextEntryDialog *openInput() const { return m_input; }

    QWidget *const m_window;

private:
    void edit(int row);

    const TableKind m_kind;
    UnsavedEdits &m_edits;
    QTableWidget *m_list = nullptr;
    QPointer<TextEntryDialog> m_input;
};

} // namespace sms
