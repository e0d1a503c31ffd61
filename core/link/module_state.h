#pragma once

#include <QString>

#include <array>

namespace lt {

// What the handshake read from the module when it connected; kept until the
// next exchange overwrites it. A value whose answer never came keeps the
// value before it.
struct ModuleIdentity
{
    quint8 status = 0;        // byte 10 of the identification answer
    quint8 workingMode = 0;   // byte 11 of it: 0x80 data communication, anything else address setting
    quint8 workForm = 0;      // parameter F8
    quint8 transForm = 0;     // parameter F9
    std::array<quint8, 11> version{};   // parameter EC, byte for byte
    QString versionText;      // the same bytes as characters
    quint8 parameterD6 = 0;
    quint8 moduleType = 0;    // the verdict, kept by the SMS module's exchange only
};

// The module's state as its replies last reported it, after the handshake:
// what the SMS test and the data test frame their requests by.
struct ModuleState
{
    int workForm = 0;    // 0 passive, other active
    int transForm = 0;   // 0 transparent, other format
};

} // namespace lt
