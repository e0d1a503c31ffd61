#pragma once

#include <QString>

namespace lt {

// What the module windows still share between their pieces. The program runs
// on one thread, so nothing here is locked.
struct SharedState
{
    // Last SMS-test or passive-mode request (1 read, 2 status or memory check, 3 send)
    // and the received message as hexadecimal text.
    int req_kind = 0;
    QString rx_hex;

    // Which half of the QX3100 reply parser runs: -1 the frame half (parameter
    // tab), 0 the SMS-test half.
    qint16 sms_tab_mode = 0;
};

SharedState &shared();

// Back to the values of program start (used between test cases).
void resetShared();

} // namespace lt
