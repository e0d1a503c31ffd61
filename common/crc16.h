#pragma once

#include <cstddef>
#include <cstdint>

namespace qx {

// Eight-byte head every module frame starts with.
inline constexpr std::uint8_t kFrameHead[8] = {0x1A, 0x2A, 0x3A, 0x4A, 0x5A, 0x6A, 0x7A, 0x8A};
inline constexpr std::size_t kFrameHeadLen = sizeof kFrameHead;

// CRC-16 with reflected polynomial 0xA001 and initial value 0xFFFF, no final XOR.
// Frames carry it low byte first.
std::uint16_t crc16(const std::uint8_t *data, std::size_t len);

// True when data starts with the frame head (and is long enough to hold it).
bool hasFrameHead(const std::uint8_t *data, std::size_t len);

} // namespace qx
