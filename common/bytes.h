#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace qx {

// Byte i of a block, or -1 past its end: every decoder reads through this, so
// a reply cut short can never make one read beyond the received bytes.
inline int byteAt(QByteArrayView bytes, qsizetype i)
{
    return i >= 0 && i < bytes.size() ? std::uint8_t(bytes[i]) : -1;
}

} // namespace qx
