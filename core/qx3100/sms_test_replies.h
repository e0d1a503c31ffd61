#pragma once

#include "sms_test_requests.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace lt::smstest {

// Status words of the module-status panel.
extern const QString kSent;          // "发送成功"
extern const QString kSendFailed;    // "发送失败"
extern const QString kOffline;       // "没有上网"
extern const QString kSending;       // "正在发送"
extern const QString kReceiving;     // "接收短信"
extern const QString kReadEmpty;     // "读短信空"
extern const QString kFormatOk;      // "格式正确"
extern const QString kFormatError;   // "格式错误"

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
    QString status;           // last status word shown; empty when unchanged
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
