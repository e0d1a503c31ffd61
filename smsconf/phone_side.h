#pragma once

#include "table_side.h"

class QVBoxLayout;

namespace sms {

// The phone table's list and the row of buttons beneath it.
class PhoneSide : public TableSide
{
    Q_OBJECT
public:
    // Rows always in sight; a taller window shows them all.
    static constexpr int kRowsShown = 8;

    PhoneSide(UnsavedEdits &edits, QWidget *window);

    // The list, then its buttons in a row: write, read, export, import.
    void addTo(QVBoxLayout *column);

    CInputMsg *input() const { return static_cast<CInputMsg *>(openInput()); }

protected:
    TextEntryDialog *makeInput() override { return new CInputMsg(m_window); }
};

} // namespace sms
