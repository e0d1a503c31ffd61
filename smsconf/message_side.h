#pragma once

#include "table_side.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

namespace sms {

// The message table's side: the position of the row last pressed, the
// buttons that move the table, the progress of a transfer and the list.
class MessageSide : public TableSide
{
    Q_OBJECT
public:
    // Rows always in sight; a taller window shows more.
    static constexpr int kRowsShown = 8;

    MessageSide(UnsavedEdits &edits, QWidget *window);

    // Position box and buttons in a grid, the progress bar, then the list.
    void addTo(QVBoxLayout *column);

    QLineEdit *positionBox() const { return m_position; }
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *stopReadButton() const { return m_stopRead; }
    QPushButton *stopWriteButton() const { return m_stopWrite; }
    CInfoDlg *input() const { return static_cast<CInfoDlg *>(openInput()); }

protected:
    TextEntryDialog *makeInput() override { return new CInfoDlg(m_window); }
    // A press on a row of the list shows its position.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_position = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_stopRead = nullptr;
    QPushButton *m_stopWrite = nullptr;
};

} // namespace sms
