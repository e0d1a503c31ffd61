#include "crc16.h"

#include <algorithm>

namespace qx {

std::uint16_t crc16(const std::uint8_t *data, std::size_t len)
{
    std::uint16_t reg = 0xFFFF;
    for (std::size_t i = 0; i < len; ++i) {
        reg ^= data[i];
        for (int bit = 0; bit < 8; ++bit) {
            const bool out = reg & 1u;
            reg >>= 1;
            if (out)
                reg ^= 0xA001;
        }
    }
    return reg;
}

bool hasFrameHead(const std::uint8_t *data, std::size_t len)
{
    return len >= kFrameHeadLen && std::equal(kFrameHead, kFrameHead + kFrameHeadLen, data);
}

} // namespace qx
