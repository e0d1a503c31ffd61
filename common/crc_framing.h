#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace qx {

// Frames that carry a checksum end with the CRC-16 of every byte before it,
// low byte first. One home for both programs and the simulator, so the byte
// order cannot drift apart between them.
void appendCrc(QByteArray &frame);

// True when the CRC over the whole frame, its two CRC bytes included, is 0:
// the frame arrived as it was sent. Anything shorter than a CRC is not valid.
bool crcValid(QByteArrayView frame);

} // namespace qx
