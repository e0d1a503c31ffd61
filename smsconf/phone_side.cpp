#include "phone_side.h"

#include "dialog_controls.h"
#include "frames.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace sms {

PhoneSide::PhoneSide(UnsavedEdits &edits, QWidget *window) : TableSide(TableKind::Phones, edits, window)
{
}

void PhoneSide::addTo(QVBoxLayout *column)
{
    auto *list = makeTableList(m_window, QStringLiteral("phoneList"), tr("序号"), 80,
                               tr("电话号码"), 200, kPhoneSlots, 1);
    sizeTableList(list, kRowsShown);
    adopt(list);
    column->addWidget(list, 1);

    auto *write = makeButton(m_window, QStringLiteral("writePhoneTable"), tr("写入号码表"));
    auto *read = makeButton(m_window, QStringLiteral("readPhoneTable"), tr("读取号码表"));
    auto *exportPhones = makeButton(m_window, QStringLiteral("exportPhones"), tr("导出…"));
    exportPhones->setToolTip(tr("把电话号码表存为 CSV 文件（序号,电话号码）"));
    auto *importPhones = makeButton(m_window, QStringLiteral("importPhones"), tr("导入…"));
    importPhones->setToolTip(tr("从 CSV 文件读入电话号码表；写入模块仍需按“写入号码表”"));
    auto *buttons = new QHBoxLayout;
    for (auto *b : {write, read, exportPhones, importPhones})
        buttons->addWidget(b);
    column->addLayout(buttons);
}

} // namespace sms
