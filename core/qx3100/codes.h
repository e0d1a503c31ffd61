#pragma once

#include "link/codes.h"

// The codes only the QX3100 SMS module knows. The ones it shares with the
// handshake and the QX3200 (work and transfer form, version, passive address,
// address settings, serial line, power saving, wake times and mode, module
// type) are lt::code's, named once there.
namespace lt::qx3100 {

namespace code {
using namespace lt::code;   // so code::kWorkForm names the shared one here too
inline constexpr quint8 kPasswordUse = 0xA1;   // whether an SMS must carry the password
inline constexpr quint8 kReceiver = 0xA2;      // the number the module sends its messages to
inline constexpr quint8 kRestartTime = 0xA3;   // restart when no message came for this long
inline constexpr quint8 kPassword = 0xF1;      // the SMS password, four bytes
inline constexpr quint8 kPhoneEntry = 0xD4;    // one entry of the phone table (transparent mode 2)
} // namespace code

// Operation byte 9 where this module gives it a meaning of its own; every
// other request is set with lt::op::kWrite and queried with lt::op::kRead.
namespace op {
using namespace lt::op;
inline constexpr quint8 kReadRestartTime = 0x02;   // the restart time alone is queried with this
inline constexpr quint8 kEntryRead = 0x01;         // kPhoneEntry: read one entry, and its answer
inline constexpr quint8 kEntryWrite = 0x02;        // kPhoneEntry: write one entry, and its answer
} // namespace op

// Byte 9 of a kStatus report once the module has finished starting up.
inline constexpr quint8 kInitialisationFinished = 0x01;

// The data byte of lt::code::kModuleType that makes the module an SMS module
// (lt::code::kGprsModule makes it a GPRS one).
inline constexpr quint8 kSmsModule = 0x02;

// The wake mode bytes of lt::code::kWakeMode, set and reported: four bytes
// are written, the first of them the mode.
inline constexpr quint8 kWakeMode1 = 0x00;
inline constexpr quint8 kWakeMode2 = 0x01;

} // namespace lt::qx3100

// The bytes of the SMS test: what the window sends to have a message sent or
// read, and what the module answers, in either work form.
namespace lt::smstest::code {
// Active form: a message frame starts with its type, which the module's
// answers to a send request share.
inline constexpr quint8 kTypeWide = 0xD7;   // UTF-16 text or raw bytes; the module's answers too
inline constexpr quint8 kTypeByte = 0xD8;   // single-byte text
// The number kind that leads the six number bytes of a format frame.
inline constexpr quint8 kNumberKind = 0x01;
// The second byte of a kTypeWide answer.
inline constexpr quint8 kSent = 0xFA;
inline constexpr quint8 kSendFailed = 0xFC;
inline constexpr quint8 kOffline = 0xFF;
inline constexpr quint8 kMessage = 0x01;   // a received message follows
// Passive form: a request is "$", the module address, a command, and CR; the
// module answers "!" and the address, or "?" when it could not take the request.
inline constexpr char kRequest = '$';
inline constexpr char kRead = 'R';
inline constexpr char kWrite = 'W';
inline constexpr char kEnd = '\r';
inline constexpr char kAnswer = '!';
inline constexpr char kRefused = '?';
// Byte 4 of the answer to a status request.
inline constexpr quint8 kStatusSent = 0;
inline constexpr quint8 kStatusFailed = 1;
inline constexpr quint8 kStatusSending = 2;
} // namespace lt::smstest::code
