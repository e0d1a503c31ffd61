#include "table_files.h"

#include "dialog_controls.h"
#include "message_box.h"
#include "table_csv.h"
#include "table_side.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace sms {

void TableFiles::save(QWidget *window, const TableSide &side)
{
    const bool phones = side.kind() == TableKind::Phones;
    const QString path = fileToSave(window, phones ? tr("导出电话号码表") : tr("导出信息表"),
                                    phones ? tr("电话号码表.csv") : tr("信息表.csv"));
    if (path.isEmpty())
        return;
    QStringList values;
    for (int row = 0; row < side.rows(); ++row)
        values << side.value(row);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(exportTable(side.kind(), values)) < 0 || !file.commit())
        message(window, tr("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), noticeTitle());
}

void TableFiles::load(QWidget *window, TableSide &side)
{
    const bool phones = side.kind() == TableKind::Phones;
    const QString path = fileToOpen(window, phones ? tr("导入电话号码表") : tr("导入信息表"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        message(window, tr("无法读取文件 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), noticeTitle());
        return;
    }
    const TableImport read = importTable(side.kind(), file.readAll());
    if (!read.ok()) {
        message(window, read.refusal(), noticeTitle());
        return;
    }
    // What was typed and not yet written would be replaced: ask first.
    if (side.hasUnsavedEdits()
        && !question(window,
                     phones ? tr("电话号码表中有修改尚未写入模块，导入后这些修改将被文件内容替换。\n确定要导入吗？")
                            : tr("信息表中有修改尚未写入模块，导入后这些修改将被文件内容替换。\n确定要导入吗？"),
                     noticeTitle()))
        return;
    for (int row = 0; row < read.values.size(); ++row) {
        if (read.values.at(row) != side.value(row))
            side.editValue(row, read.values.at(row));
    }
}

} // namespace sms
