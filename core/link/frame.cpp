#include "frame.h"

#include "crc16.h"

#include <algorithm>

namespace lt::frame {

QByteArray read_request(quint8 command, quint8 operation)
{
    return write_request(command, {}, operation);
}

QByteArray write_request(quint8 command, const QByteArray &data, quint8 operation)
{
    QByteArray out(reinterpret_cast<const char *>(qx::kFrameHead), int(qx::kFrameHeadLen));
    out.append(char(command));
    out.append(char(operation));
    out.append(data);
    return out;
}

bool startByteAt(const QByteArray &block, int at)
{
    return at >= 0 && at < block.size() && quint8(block.at(at)) == qx::kFrameHead[0];
}

bool signatureAt(const QByteArray &block, int at)
{
    if (at < 0 || at + int(qx::kFrameHeadLen) > block.size())
        return false;
    const auto *p = reinterpret_cast<const std::uint8_t *>(block.constData()) + at;
    return std::equal(qx::kFrameHead + 1, qx::kFrameHead + qx::kFrameHeadLen, p + 1);
}

bool headAt(const QByteArray &block, int at)
{
    return startByteAt(block, at) && signatureAt(block, at) && at + 8 < block.size();
}

} // namespace lt::frame
