#pragma once

#include "sms_test_requests.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace lt::smstest {

// What a reply tells the module-status panel.
enum class Status { Sent, SendFailed, Offline, Sending, Receiving, ReadEmpty, FormatOk, FormatError };
// The panel's word for it ("发送成功", ...), in the user's language.
QString statusText(Status status);

// The request the replies that come now answer: they are read by it.
enum class Request { None = 0, Read = 1, Status = 2, Send = 3 };

// What the tab knows when a burst arrives.
struct ReplyContext
{
    int workForm = 0;    // 0 passive, other active
    int transForm = 0;   // 0 transparent, other format
    Request request = Request::None;
    // A message is being collected (its 200 ms have not run out): a burst
    // that fits no rule is the rest of that message.
    bool collecting = false;
};

// What one burst did.
struct ReplyOutcome
{
    QStringList log;          // lines for the raw-code area, in order
    std::optional<Status> status;   // the last status the burst gave; none when unchanged
    QByteArray collected;     // bytes added to the message being collected
    bool collectedAny = false;
};

// The SMS-test half of the reply parser over one burst: the active-form rules
// or the passive-form state table, then the scan for a following 0xD7.
ReplyOutcome parseBurst(const QByteArray &burst, const ReplyContext &context);

// A collected message taken apart by the module's forms.
struct DecodedMessage
{
    bool hasSender = false;
    QString sender;
    QString text;
};
DecodedMessage decodeMessage(const QByteArray &bytes, int workForm, int transForm, Encoding encoding);

// The body decoded by encoding; an odd last byte in Chinese mode is left out.
QString decodeBody(const QByteArray &body, Encoding encoding);

} // namespace lt::smstest
