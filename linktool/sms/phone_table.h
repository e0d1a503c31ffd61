#pragma once

#include "phone_db.h"

#include <QGroupBox>
#include <QList>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace lt {

class Frm3100COM;

// The group "透明方式2设置": writes one identity-address entry of the
// module's phone table, reads one entry or a range back into the grid and
// keeps a copy in phone_db.
class PhoneTableGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit PhoneTableGroup(Frm3100COM &window, QWidget *parent = nullptr);

    // Command11, Command12, Command13: members of the window's button array.
    QList<QPushButton *> buttons() const;
    // Boxes that the read loop locks with the window.
    QList<QWidget *> inputs() const;
    PhoneDb &db() { return m_db; }

    // Window load: a database that cannot be opened is reported and the group disabled.
    void checkDb();

    // Answers decoded by the frame half of sms_parser.
    void entryRead(const QByteArray &phoneRec);
    void entryWritten(int high, int low);
    // The port went away: the read loop stops (the window unlocks).
    void linkLost();

private:
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Timer4_Timer();
    void endLoop();
    void resetGrid();
    void putRow(int row, const QString &address, const QString &number);
    bool dbUsable();
    // A read entry is added; a written one replaces the record of its address.
    void store(const QString &address, const QString &number, bool replaceAddress);

    Frm3100COM &m_window;
    PhoneDb m_db;
    QLineEdit *Text8, *Text9, *Text10, *Text12;
    QPushButton *Command11, *Command12, *Command13;
    QLabel *Label28;
    QTableWidget *Grid;
    QTimer Timer4;
    int read_index = 0;
    int m_stopIndex = 0;
    int grid_row = 1;   // row 0 is the header, so a write before any read lands in row 1
    bool table_reading = false;
};

} // namespace lt
