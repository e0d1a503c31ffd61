#include "settings_files.h"

#include "message_box.h"

#include "link/settings_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lt {

namespace {

SettingsPathHook g_pathHook;

// A value as a user reads it: texts without their quotes, numbers as typed.
QString shown(const QJsonValue &value)
{
    switch (value.type()) {
    case QJsonValue::String: return value.toString();
    case QJsonValue::Double: return QString::number(value.toDouble());
    case QJsonValue::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    default: return ComparisonDialog::tr("（未读）");
    }
}

} // namespace

void setSettingsPathHook(SettingsPathHook hook)
{
    g_pathHook = std::move(hook);
}

ComparisonDialog::ComparisonDialog(const QList<params::Comparison> &rows, QWidget *parent)
    : QDialog(parent), m_table(new QTableWidget(int(rows.size()), 4, this)), m_write(new QPushButton(tr("写入模块")))
{
    setObjectName(QStringLiteral("settingsComparison"));
    setWindowTitle(tr("参数文件与模块的比较"));
    m_table->setObjectName(QStringLiteral("comparisonTable"));
    m_table->setHorizontalHeaderLabels({tr("参数"), tr("文件中的值"), tr("模块中的值"), tr("比较")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    fill(rows);
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeComparison"));
    m_write->setObjectName(QStringLiteral("writeModule"));
    m_write->setEnabled(!params::changedFields(rows).isEmpty());
    buttons->addButton(m_write, QDialogButtonBox::ActionRole);
    connect(m_write, &QPushButton::clicked, this, &ComparisonDialog::writeRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table);
    layout->addWidget(buttons);
    resize(m_table->horizontalHeader()->length() + 60, 400);
}

void ComparisonDialog::fill(const QList<params::Comparison> &rows)
{
    for (int r = 0; r < rows.size(); ++r) {
        const params::Comparison &row = rows.at(r);
        // Not written: what is only read, and the groups that keep their own
        // button (the module answers them on a new line or over the network).
        const QString state = !row.written ? tr("不写入") : row.changed ? tr("改变") : tr("相同");
        const QString cells[] = {row.field, shown(row.inFile), shown(row.read), state};
        for (int c = 0; c < 4; ++c)
            m_table->setItem(r, c, new QTableWidgetItem(cells[c]));
        if (row.changed)
            m_table->item(r, 3)->setForeground(Qt::red);
    }
}

void ComparisonDialog::showReadBack(const QList<params::Comparison> &rows, const QStringList &written)
{
    fill(rows);
    for (int r = 0; r < rows.size(); ++r) {
        if (!written.contains(rows.at(r).field))
            continue;
        QTableWidgetItem *state = m_table->item(r, 3);
        state->setText(rows.at(r).changed ? tr("写入失败") : tr("已写入"));
        state->setForeground(rows.at(r).changed ? Qt::red : Qt::darkGreen);
    }
}

SettingsFiles::SettingsFiles(QWidget *window, Model model)
    : QObject(window), m_window(window), m_model(std::move(model)), m_save(new QPushButton(tr("保存参数…"), window)),
      m_load(new QPushButton(tr("载入参数…"), window))
{
    m_save->setObjectName(QStringLiteral("saveSettings"));
    m_load->setObjectName(QStringLiteral("loadSettings"));
    m_save->setToolTip(tr("把最近一次从模块读到的参数保存到文件"));
    m_load->setToolTip(tr("把文件中的参数填入窗口，并与模块中的参数比较；不会写入模块"));
    connect(m_save, &QPushButton::clicked, this, &SettingsFiles::save);
    connect(m_load, &QPushButton::clicked, this, &SettingsFiles::load);
}

QString SettingsFiles::askPath(bool saving) const
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested =
        saving ? QDir(folder).filePath(m_model.name + QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-HHmmss'.json'")))
               : folder;
    if (g_pathHook)
        return g_pathHook(saving, suggested);
    const QString filter = tr("模块参数文件 (*.json)");
    return saving ? QFileDialog::getSaveFileName(m_window, tr("保存参数"), suggested, filter)
                  : QFileDialog::getOpenFileName(m_window, tr("载入参数"), suggested, filter);
}

void SettingsFiles::save()
{
    // What the module reported, never the boxes: an edit not yet written is
    // no setting of the module.
    const QJsonObject params = m_model.lastRead();
    if (params.isEmpty()) {
        message(m_window, tr("还没有从模块读到参数，请先刷新"), tr("提示信息"));
        return;
    }
    const QString path = askPath(true);
    if (path.isEmpty())
        return;
    settings_file::Document document;
    document.model = m_model.name;
    document.saved = QDateTime::currentDateTime();
    document.program =
        (QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()).trimmed();
    document.params = params;
    if (const auto refusal = settings_file::save(path, document))
        message(m_window, *refusal, tr("错误提示"), QMessageBox::Critical);
}

void SettingsFiles::load()
{
    const QString path = askPath(false);
    if (path.isEmpty())
        return;
    const settings_file::Reading reading = settings_file::load(path, m_model.name);
    if (!reading.document) {
        message(m_window, reading.refusal, tr("错误提示"), QMessageBox::Critical);
        return;
    }
    QJsonObject taken;
    if (const auto refusal = m_model.fill(reading.document->params, taken)) {
        refuse(*refusal);
        return;
    }
    delete m_comparison;
    m_taken = taken;
    m_written.clear();
    m_comparison = new ComparisonDialog(
        params::compare(m_model.fields, taken, m_model.lastRead(), m_model.isWritten), m_window);
    m_comparison->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_comparison, &ComparisonDialog::writeRequested, this, &SettingsFiles::write);
    m_comparison->show();
}

void SettingsFiles::refuse(const params::Refusal &refusal) const
{
    message(m_window, tr("参数 %1：%2").arg(refusal.field, refusal.message), refusal.title);
}

void SettingsFiles::write()
{
    // Compared again: a refresh since the load may have changed what differs.
    const QStringList changed =
        params::changedFields(params::compare(m_model.fields, m_taken, m_model.lastRead(), m_model.isWritten));
    if (changed.isEmpty() || !m_model.write(m_taken, changed))
        return;
    m_written = changed;
    m_comparison->writeButton()->setEnabled(false);
}

void SettingsFiles::readBack()
{
    if (m_comparison)
        m_comparison->showReadBack(params::compare(m_model.fields, m_taken, m_model.lastRead(), m_model.isWritten),
                                   m_written);
}

} // namespace lt
