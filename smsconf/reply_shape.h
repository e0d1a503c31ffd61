#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace sms {

// When a reply counts as complete.
enum class ReplyRule {
    // After six quiet ticks of the reply timer, whatever arrived: how the
    // program always took its replies.
    QuietGap,
    // As soon as the reply is whole by the shape its request expects; a reply
    // that does not fit the shape still completes by the quiet gap.
    WholeReply,
};

// What the answer to a request looks like when it arrives whole. Only the
// requests whose answer has a known length or terminator have a shape; every
// other answer is left to the quiet gap.
struct ReplyShape
{
    QByteArray start;   // the bytes it begins with (head, code, sub-function; or the text prefix)
    int length = 0;     // exact length of a frame, 0 for a text answer
    bool checksum = false;   // a frame that ends with the CRC of all before it
    QByteArray end;     // terminator of a text answer

    bool known() const { return !start.isEmpty(); }
};

// The shape of the answer to request; an unknown shape when the request has none.
ReplyShape replyShapeFor(QByteArrayView request);

enum class Wholeness {
    NotWhole,
    Whole,
    // Of the right length but with nothing to check it by: whole only if no
    // further byte follows it, which the port sees one read cycle later.
    WholeIfNothingFollows,
};

// Whether received holds exactly one whole answer of this shape.
Wholeness wholeness(const ReplyShape &shape, QByteArrayView received);

} // namespace sms
