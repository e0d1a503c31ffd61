#pragma once

#include "codes.h"

#include <QByteArray>

namespace lt::frame {

// Request frames: head, command, operation byte, data.
QByteArray read_request(quint8 command, quint8 operation = op::kRead);
QByteArray write_request(quint8 command, const QByteArray &data, quint8 operation = op::kWrite);

// Acceptance test of a reply at offset at: start byte, then the seven signature bytes.
bool startByteAt(const QByteArray &block, int at = 0);
bool signatureAt(const QByteArray &block, int at = 0);
// Both, and the block holds the command byte.
bool headAt(const QByteArray &block, int at = 0);

} // namespace lt::frame
