#pragma once

#include "link/codes.h"

// The QX3200's own command codes and the values of its reply and data-test
// bytes. Codes the QX3100 or the handshake share are named once, in
// link/codes.h, and only brought in here.
namespace lt::qx3200 {

// Command byte, offset 8 of every frame.
namespace code {
using lt::code::kAddressSettings;
using lt::code::kPassiveAddress;
using lt::code::kPowerSaving;
using lt::code::kSerialLine;   // written, never read: the module answers a write with its baud code in byte 9
using lt::code::kStatus;
using lt::code::kTransForm;
using lt::code::kTransparentMode;
using lt::code::kVersion;
using lt::code::kWakeMode;
using lt::code::kWakeTimes;
using lt::code::kWorkForm;
inline constexpr quint8 kIdentity = 0xF4;       // the module's own address on the network: project and site
inline constexpr quint8 kTarget = 0xF3;         // the address the module sends to
inline constexpr quint8 kHeartbeat = 0xF6;      // seconds between the module's signs of life
inline constexpr quint8 kRestartCount = 0xE4;   // how often the module restarts before it gives up
} // namespace code

// The line-control byte of code::kSerialLine (sent twice), laid out as a
// 16550-type UART's: word length, stop bits, parity.
namespace line {
inline constexpr quint8 kSevenDataBits = 0x02;
inline constexpr quint8 kEightDataBits = 0x03;
inline constexpr quint8 kTwoStopBits = 0x04;
inline constexpr quint8 kOddParity = 0x08;
inline constexpr quint8 kEvenParity = 0x18;
} // namespace line

// The module counts its wake times (code::kWakeTimes) in units of this many milliseconds.
inline constexpr int kWakeUnitMs = 400;

// Byte 9 of a status report (code::kStatus).
namespace status {
inline constexpr quint8 kReady = 0x01;         // initialised: data can go both ways
inline constexpr quint8 kNotOnLineYet = 0x03;  // an identity write came too early: it is sent again
} // namespace status

// Byte 9 of an identity reply (code::kIdentity): the read answer, or the
// outcome of a write, which the network decides and so may come late.
namespace identity {
inline constexpr quint8 kReadAnswer = op::kRead;
inline constexpr quint8 kAccepted = 0xFA;
inline constexpr quint8 kRefused = 0xFC;
inline constexpr quint8 kTaken = 0x08;     // another module holds the address: replace it?
inline constexpr quint8 kOffline = 0x0A;   // the module is not on the network
} // namespace identity

// The data test's own bytes: a passive module's "$" commands and "!" answers,
// and the head of a format-transfer message.
namespace datatest {
inline constexpr char kCommand = '$';
inline constexpr char kRead = 'R';
inline constexpr char kWrite = 'W';   // with no data: the memory check
inline constexpr char kEnd = '\r';
inline constexpr quint8 kAnswer = '!';
inline constexpr quint8 kMalformed = '?';   // the module could not read the command
inline constexpr quint8 kFormatLead = 0xD7;
inline constexpr quint8 kFormatData = 0x01;   // after kFormatLead: a message follows
// After kFormatLead: a status of the last format message; only logged.
inline constexpr quint8 kFormatStatuses[] = {0xFA, 0xFF, 0xFC};
} // namespace datatest

} // namespace lt::qx3200
