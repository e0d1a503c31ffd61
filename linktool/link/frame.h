#pragma once

#include <QByteArray>

namespace lt::frame {

inline constexpr quint8 kWrite = 1;
inline constexpr quint8 kRead = 3;

// Request frames: head, command, operation byte, data.
QByteArray read_request(quint8 command, quint8 operation = kRead);
QByteArray write_request(quint8 command, const QByteArray &data, quint8 operation = kWrite);

// Acceptance test of a reply at offset at: start byte, then the seven signature bytes.
bool startByteAt(const QByteArray &block, int at = 0);
bool signatureAt(const QByteArray &block, int at = 0);
// Both, and the block holds the command byte.
bool headAt(const QByteArray &block, int at = 0);

} // namespace lt::frame
