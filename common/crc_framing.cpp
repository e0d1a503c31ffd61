#include "crc_framing.h"

#include "crc16.h"

namespace qx {

namespace {

std::uint16_t crcOf(QByteArrayView bytes)
{
    return crc16(reinterpret_cast<const std::uint8_t *>(bytes.data()), std::size_t(bytes.size()));
}

} // namespace

void appendCrc(QByteArray &frame)
{
    const std::uint16_t crc = crcOf(frame);
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
}

bool crcValid(QByteArrayView frame)
{
    return frame.size() >= 2 && crcOf(frame) == 0;
}

} // namespace qx
