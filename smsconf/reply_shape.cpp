#include "reply_shape.h"

#include "crc_framing.h"
#include "frames.h"

#include <array>

namespace sms {

namespace {

QByteArray frameStart(std::uint8_t code, std::uint8_t sub)
{
    return FrameHeader() + char(code) + char(sub);
}

struct Row
{
    QByteArray request;   // how the request begins
    ReplyShape reply;
};

// One row per request whose answer the program can recognise as whole. The
// clear request and the set requests are left out: what the module answers
// to them is not fixed, so they keep the quiet gap.
const std::array<Row, 7> &shapes()
{
    static const std::array<Row, 7> rows = {{
        {frameStart(FN_MESSAGE_TABLE, 2), {frameStart(FN_MESSAGE_TABLE, 3), kBlockReplyLen, true, {}}},
        {frameStart(FN_MESSAGE_TABLE, 1), {frameStart(FN_MESSAGE_TABLE, 1), kAckLen, false, {}}},
        {frameStart(FN_PHONE_TABLE, 1), {frameStart(FN_PHONE_TABLE, 1), kAckLen, false, {}}},
        {frameStart(FN_PHONE_TABLE, 2), {frameStart(FN_PHONE_TABLE, 3), kPhoneTableReplyLen, false, {}}},
        {frameStart(FN_SERIAL_PARAMS, 2), {frameStart(FN_SERIAL_PARAMS, 2), kSerialParamsReplyLen, false, {}}},
        {deviceAddressQuery(), {QByteArrayLiteral("QX_ADDR="), 0, false, QByteArrayLiteral("\r\n")}},
        {registerAddressQuery(), {QByteArrayLiteral("QX_VREG="), 0, false, QByteArrayLiteral("\r\n")}},
    }};
    return rows;
}

} // namespace

ReplyShape replyShapeFor(QByteArrayView request)
{
    for (const Row &row : shapes()) {
        if (request.startsWith(row.request))
            return row.reply;
    }
    return {};
}

Wholeness wholeness(const ReplyShape &shape, QByteArrayView received)
{
    if (!shape.known() || !received.startsWith(shape.start))
        return Wholeness::NotWhole;
    if (shape.length == 0) {
        // A text answer is one line: its first terminator must be its end.
        const qsizetype end = received.indexOf(shape.end, shape.start.size());
        return end >= 0 && end + shape.end.size() == received.size() ? Wholeness::Whole : Wholeness::NotWhole;
    }
    if (received.size() != shape.length)
        return Wholeness::NotWhole;
    if (!shape.checksum)
        return Wholeness::WholeIfNothingFollows;
    return qx::crcValid(received) ? Wholeness::Whole : Wholeness::NotWhole;
}

} // namespace sms
