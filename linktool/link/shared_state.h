#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

namespace lt {

// Values every window and parser of the program shares. The program runs on
// one thread, so nothing here is locked.
struct SharedState
{
    // The link: last received block, request frame, active parser and its state.
    QByteArray rece_buf;
    int rece_len = 0;
    QByteArray send_buf;
    qint16 parse_mode = 0;
    qint16 parse_state = 0;
    qint16 step_no = 0;

    // What the handshake read from the module.
    std::array<std::uint8_t, 3> hello_val{};   // [1] and [2] used; [2] is the working mode
    std::uint8_t val_f8 = 0;
    std::uint8_t val_f9 = 0;
    std::array<std::uint8_t, 12> val_ec{};     // [0..10] used
    QString val_ec_text;
    std::uint8_t val_d6 = 0;
    std::uint8_t val_d1 = 0;

    // Module state last reported by the module.
    int work_form = 0;   // 0 passive, other active
    int trans_form = 0;  // 0 transparent, other format
    std::uint8_t work_mode = 0;   // 1 data communication, 0 address setting

    // Last SMS-test or passive-mode request (1 read, 2 status or memory check, 3 send)
    // and the received message as hexadecimal text.
    int req_kind = 0;
    QString rx_hex;

    // Which half of the QX3100 reply parser runs: -1 the frame half (parameter
    // tab), 0 the SMS-test half.
    qint16 sms_tab_mode = 0;
    // True while the QX3200 window runs a parameter exchange (parameter branch
    // of its parser); False sends every burst to the data-test branch.
    bool para_mode = false;

    // Address calculator variant: -1 for the K variant, 0 for the plain one.
    qint16 calc_k = 0;
};

SharedState &shared();

// Back to the values of program start (used between test cases).
void resetShared();

} // namespace lt
