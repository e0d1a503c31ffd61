#include "crc16.h"

#include <algorithm>
#include <array>

namespace qx {

namespace {

// One entry per byte value: the register change of eight bit steps. A 1 KiB
// message page is checked on every write, so the bit loop runs only here.
constexpr auto kTable = [] {
    std::array<std::uint16_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value) {
        std::uint16_t reg = std::uint16_t(value);
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1u) ? std::uint16_t((reg >> 1) ^ 0xA001) : std::uint16_t(reg >> 1);
        table[value] = reg;
    }
    return table;
}();

} // namespace

std::uint16_t crc16(const std::uint8_t *data, std::size_t len)
{
    std::uint16_t reg = 0xFFFF;
    for (std::size_t i = 0; i < len; ++i)
        reg = std::uint16_t((reg >> 8) ^ kTable[(reg ^ data[i]) & 0xFF]);
    return reg;
}

bool hasFrameHead(const std::uint8_t *data, std::size_t len)
{
    return len >= kFrameHeadLen && std::equal(kFrameHead, kFrameHead + kFrameHeadLen, data);
}

} // namespace qx
