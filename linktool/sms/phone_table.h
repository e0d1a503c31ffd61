#pragma once

#include "phone_db.h"

#include "ui/button_lock.h"

#include "sequencer.h"

#include <QGroupBox>
#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace lt {

// What the phone table group needs of the window it sits in.
class PhoneTableHost
{
public:
    virtual ~PhoneTableHost() = default;
    // False, once the user has been told, when the port is closed.
    virtual bool portReady() = 0;
    virtual void send(const QByteArray &frame) = 0;
    // The read loop runs: everything of the window is locked but this group,
    // whose pause button must stay usable.
    virtual void lockForLoop() = 0;
    // The loop is over: the window is usable again.
    virtual void unlockAfterLoop() = 0;
};

// The group "透明方式2设置": writes one identity-address entry of the
// module's phone table, reads one entry or a range back into the grid and
// keeps a copy in phone_db.
class PhoneTableGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit PhoneTableGroup(PhoneTableHost &host, QWidget *parent = nullptr);

    PhoneDb &db() { return m_db; }

    // Window load: a database that cannot be opened is reported and the group disabled.
    void checkDb();

    // Answers decoded by the frame half of the reply parser.
    void entryRead(const QByteArray &record);
    void entryWritten(int high, int low);
    // The port went away: the read loop stops (the window unlocks).
    void linkLost();

    // The window's lock: the buttons disabled, each given its own state back
    // (and the boxes the read loop locked opened again).
    void lockButtons();
    void unlockButtons();

private:
    void writeEntry();
    void readEntry();
    void startOrPauseLoop();
    void endLoop();
    void resetGrid();
    void putRow(int row, const QString &address, const QString &number);
    bool dbUsable();
    // A read entry is added; a written one replaces the record of its address.
    void store(const QString &address, const QString &number, bool replaceAddress);

    PhoneTableHost &m_host;
    PhoneDb m_db;
    QLineEdit *m_address;       // Text8: the identity address to write
    QLineEdit *m_number;        // Text9: its number
    QLineEdit *m_first;         // Text10: first entry to read
    QLineEdit *m_last;          // Text12: last entry of the read loop
    QPushButton *m_write;       // Command11
    QPushButton *m_readOne;     // Command12
    QPushButton *m_loopButton;  // Command13: start or pause the read loop
    QLabel *m_progress;         // Label28
    QTableWidget *m_grid;       // Grid
    qx::Sequencer m_loop;       // Timer4
    ButtonLock m_lock;
    bool m_inputsLocked = false;
    int m_loopFirst = 0;        // the entry of the loop's step 0
    int m_gridRow = 1;          // row 0 is the header, so a write before any read lands in row 1
    bool m_loopReading = false; // the last read was the loop's, not a single entry's
};

} // namespace lt
