#include "message_side.h"

#include "dialog_controls.h"
#include "frames.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QVBoxLayout>

namespace sms {

MessageSide::MessageSide(UnsavedEdits &edits, QWidget *window) : TableSide(TableKind::Messages, edits, window)
{
}

void MessageSide::addTo(QVBoxLayout *column)
{
    auto *top = new QGridLayout;
    column->addLayout(top);
    top->addWidget(new QLabel(tr("序号"), m_window), 0, 0);
    m_position = makeBox(m_window, QStringLiteral("position"), QString::number(kMessageCount - 1));
    m_position->setReadOnly(true);
    m_position->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_position));
    top->addWidget(m_position, 0, 1);

    auto *read = makeButton(m_window, QStringLiteral("readMessages"), tr("读信息表"));
    m_stopRead = makeButton(m_window, QStringLiteral("stopRead"), tr("中断读取"));
    auto *write = makeButton(m_window, QStringLiteral("writeMessages"), tr("写信息表"));
    m_stopWrite = makeButton(m_window, QStringLiteral("stopWrite"), tr("中断写入"));
    auto *writeSingle = makeButton(m_window, QStringLiteral("writeSingle"), tr("单次写入"));
    auto *clear = makeButton(m_window, QStringLiteral("clearMessages"), tr("清空信息表"));
    auto *exportMessages = makeButton(m_window, QStringLiteral("exportMessages"), tr("导出…"));
    exportMessages->setToolTip(tr("把信息表存为 CSV 文件（位置,信息内容）"));
    auto *importMessages = makeButton(m_window, QStringLiteral("importMessages"), tr("导入…"));
    importMessages->setToolTip(tr("从 CSV 文件读入信息表；写入模块仍需按“写信息表”"));
    top->addWidget(read, 0, 2);
    top->addWidget(write, 0, 3);
    top->addWidget(writeSingle, 0, 4);
    top->addWidget(clear, 0, 5);
    top->addWidget(m_stopRead, 1, 2);
    top->addWidget(m_stopWrite, 1, 3);
    top->addWidget(exportMessages, 1, 4);
    top->addWidget(importMessages, 1, 5);

    m_progress = new QProgressBar(m_window);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    column->addWidget(m_progress);

    auto *list = makeTableList(m_window, QStringLiteral("messageList"), tr("寄存器位置"), 80,
                               tr("信息内容"), 350, kMessageCount, 0);
    sizeTableList(list, kRowsShown);
    list->viewport()->installEventFilter(this);
    adopt(list);
    column->addWidget(list, 1);
}

bool MessageSide::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == list()->viewport() && event->type() == QEvent::MouseButtonPress) {
        const int row = list()->rowAt(static_cast<QMouseEvent *>(event)->position().toPoint().y());
        m_position->setText(row < 0 ? QString() : list()->item(row, 0)->text());
    }
    return TableSide::eventFilter(watched, event);
}

} // namespace sms
