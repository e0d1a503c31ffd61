#include "table_side.h"

#include <QTableWidget>

namespace sms {

TableSide::TableSide(TableKind kind, UnsavedEdits &edits, QWidget *window)
    : m_window(window), m_kind(kind), m_edits(edits)
{
}

void TableSide::adopt(QTableWidget *list)
{
    m_list = list;
    connect(m_list, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { edit(row); });
}

int TableSide::rows() const
{
    return m_list->rowCount();
}

QString TableSide::value(int row) const
{
    const auto *item = m_list->item(row, 1);
    return item ? item->text() : QString();
}

void TableSide::setValue(int row, const QString &value)
{
    if (auto *item = m_list->item(row, 1))
        item->setText(value);
    if (m_kind == TableKind::Phones)
        m_edits.phoneReplaced(row);
    else
        m_edits.messageReplaced(row);
}

void TableSide::editValue(int row, const QString &value)
{
    setValue(row, value);
    if (m_kind == TableKind::Phones)
        m_edits.phoneEdited(row);
    else
        m_edits.messageEdited(row);
}

bool TableSide::hasUnsavedEdits() const
{
    return m_kind == TableKind::Phones ? m_edits.anyPhones() : m_edits.anyMessages();
}

void TableSide::edit(int row)
{
    auto *box = makeInput();
    m_input = box;
    connect(box, &QDialog::accepted, this, [this, box, row] {
        if (box->confirmed())
            editValue(row, box->text());
    });
    box->show();
}

} // namespace sms
