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

    // True while the QX3200 window runs a parameter exchange (parameter branch
    // of its parser); False sends every burst to the data-test branch.
    bool para_mode = false;
};

SharedState &shared();

// Back to the values of program start (used between test cases).
void resetShared();

} // namespace lt
