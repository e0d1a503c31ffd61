#pragma once

#include "link/params_compare.h"
#include "link/params_json.h"

#include <QDialog>
#include <QJsonObject>
#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

class QPushButton;
class QTableWidget;

namespace lt {

// Where a settings file goes or comes from: a file dialog, or, in tests, the
// hook's answer (saving or loading; suggested is the dialog's starting file).
// An empty path means the user cancelled.
using SettingsPathHook = std::function<QString(bool saving, const QString &suggested)>;
void setSettingsPathHook(SettingsPathHook hook);

// The settings of a file beside what the module last reported, one row per
// field: field, value in the file, value read, changed or not; and the
// button that writes the changed ones.
class ComparisonDialog : public QDialog
{
    Q_OBJECT
public:
    ComparisonDialog(const QList<params::Comparison> &rows, QWidget *parent);

    QTableWidget *table() const { return m_table; }
    QPushButton *writeButton() const { return m_write; }
    // After a write and its read back: the values read, and for each field
    // written whether it reads back as the file has it.
    void showReadBack(const QList<params::Comparison> &rows, const QStringList &written);

signals:
    void writeRequested();

private:
    void fill(const QList<params::Comparison> &rows);

    QTableWidget *m_table;
    QPushButton *m_write;
};

// "保存参数…" and "载入参数…" of a module window: the window's last read
// saved as a settings file, a file's settings checked by the window's rules,
// put into its boxes and compared with the last read. Nothing here sends.
class SettingsFiles : public QObject
{
    Q_OBJECT
public:
    // What the window knows of its model.
    struct Model
    {
        QString name;         // "QX3100", as the file names it
        QStringList fields;   // every field, in the model's order
        std::function<bool(const QString &field)> isWritten;
        // The window's last read, in the file's form.
        std::function<QJsonObject()> lastRead;
        // A file's params read by the model's rules: on success they fill the
        // window's boxes and come back in the form the window writes them
        // (the same form lastRead has); the first refusal otherwise.
        std::function<std::optional<params::Refusal>(const QJsonObject &params, QJsonObject &taken)> fill;
        // Writes the groups that hold the changed fields with the taken
        // values, then reads the module again and calls readBack(); false
        // (nothing sent) when it cannot.
        std::function<bool(const QJsonObject &taken, const QStringList &changed)> write;
    };

    SettingsFiles(QWidget *window, Model model);

    QPushButton *saveButton() const { return m_save; }
    QPushButton *loadButton() const { return m_load; }
    ComparisonDialog *comparison() const { return m_comparison; }

    void save();
    void load();
    // The window's read after a write is done: each written field is shown
    // written or failed.
    void readBack();
    // A value the module's rules refuse, named by its field, in the window's words.
    void refuse(const params::Refusal &refusal) const;

private:
    QString askPath(bool saving) const;
    void write();

    QWidget *m_window;
    Model m_model;
    QPushButton *m_save;
    QPushButton *m_load;
    QPointer<ComparisonDialog> m_comparison;
    QJsonObject m_taken;     // the file loaded last, as the model reads it
    QStringList m_written;   // the fields its write sent
};

} // namespace lt
