#include "sms_test_replies.h"

#include "codes.h"

#include "link/helpers.h"

#include <QCoreApplication>

namespace lt::smstest {

QString statusText(Status status)
{
    switch (status) {
    case Status::Sent: return QCoreApplication::translate("lt::smstest", "发送成功");
    case Status::SendFailed: return QCoreApplication::translate("lt::smstest", "发送失败");
    case Status::Offline: return QCoreApplication::translate("lt::smstest", "没有上网");
    case Status::Sending: return QCoreApplication::translate("lt::smstest", "正在发送");
    case Status::Receiving: return QCoreApplication::translate("lt::smstest", "接收短信");
    case Status::ReadEmpty: return QCoreApplication::translate("lt::smstest", "读短信空");
    case Status::FormatOk: return QCoreApplication::translate("lt::smstest", "格式正确");
    case Status::FormatError: return QCoreApplication::translate("lt::smstest", "格式错误");
    }
    return {};
}

namespace {

// Bytes from..to of the burst that were actually received.
QByteArray slice(const QByteArray &burst, int from, int to)
{
    from = qMax(from, 0);
    to = qMin(to, int(burst.size()) - 1);
    return to < from ? QByteArray() : burst.mid(from, to - from + 1);
}

class Pass
{
public:
    Pass(const ReplyContext &context, ReplyOutcome &out) : m_ctx(context), m_out(out) {}

    // One pass over the burst; true when the burst was taken whole as a message.
    bool run(const QByteArray &burst, bool first)
    {
        m_burst = burst;
        m_taken = false;
        m_matched = false;
        if (m_ctx.workForm != 0)
            active();
        else
            passive();
        // Outside every rule while a message is still coming in: it is the
        // message's next part (a message may reach us in several bursts).
        if (first && !m_matched && m_ctx.collecting)
            collect();
        return m_taken;
    }

private:
    int at(int i) const { return byteAt(m_burst, i); }

    void log(const QByteArray &bytes) { m_out.log += logLines(receivePrefix(), hex_text(bytes)); }
    void status(Status s) { m_out.status = s; }
    void collect()
    {
        m_out.collected.append(m_burst);
        m_out.collectedAny = true;
        m_taken = true;
        m_matched = true;
    }

    void active()
    {
        if (m_ctx.transForm == 0) {
            collect();
            return;
        }
        if (at(0) == code::kTypeWide) {
            switch (at(1)) {
            case code::kSent:
                m_matched = true;
                log(slice(m_burst, 0, 1));
                status(Status::Sent);
                return;
            case code::kSendFailed:
                m_matched = true;
                log(slice(m_burst, 0, 1));
                status(Status::SendFailed);
                return;
            case code::kOffline:
                m_matched = true;
                log(slice(m_burst, 0, 1));
                status(Status::Offline);
                return;
            case code::kMessage:
                status(Status::Receiving);
                collect();
                return;
            default:
                return;
            }
        }
        if (at(0) == code::kTypeByte)
            collect();
    }

    void passive()
    {
        int state = 0;
        do {
            switch (state) {
            case 0:
                if (at(0) == code::kAnswer)
                    state = 1;
                else if (at(0) == code::kRefused)
                    state = 7;
                else
                    return;
                m_matched = true;
                break;
            case 1:   // bytes 1 and 2 echo the module address; they are logged with the reply
                state = 2;
                break;
            case 2:
                if (m_ctx.request == Request::Read) {
                    state = 3;
                } else if (m_ctx.request == Request::Status) {
                    state = 6;
                } else if (m_ctx.request == Request::Send) {
                    log(slice(m_burst, 0, 3));
                    status(Status::FormatOk);
                    state = 0;
                } else {
                    // No request of ours is outstanding: not an answer to anything.
                    m_matched = false;
                    state = 0;
                }
                break;
            case 3:
                // Content flags in bytes 3 and 4; a reply too short to carry them holds nothing.
                state = (at(3) > 0 || at(4) > 0) ? 5 : 4;
                break;
            case 4:
                log(slice(m_burst, 0, 5));
                status(Status::ReadEmpty);
                state = 0;
                break;
            case 5:
                collect();
                status(Status::Receiving);
                state = 0;
                break;
            case 6:
                log(slice(m_burst, 0, 5));
                if (at(4) == code::kStatusSending)
                    status(Status::Sending);
                else if (at(4) == code::kStatusFailed)
                    status(Status::SendFailed);
                else if (at(4) == code::kStatusSent)
                    status(Status::Sent);
                state = 0;
                break;
            case 7:
                // The line shows the bytes as they came: "?" and the address echo.
                log(slice(m_burst, 0, 2));
                status(Status::FormatError);
                state = 0;
                break;
            default:
                state = 0;
                break;
            }
        } while (state != 0);
    }

    const ReplyContext &m_ctx;
    ReplyOutcome &m_out;
    QByteArray m_burst;
    bool m_taken = false;
    bool m_matched = false;
};

} // namespace

ReplyOutcome parseBurst(const QByteArray &burst, const ReplyContext &context)
{
    ReplyOutcome out;
    Pass pass(context, out);
    QByteArray rest = burst;
    bool first = true;
    while (!rest.isEmpty()) {
        // A burst taken as a message is consumed whole: scanning it again would
        // read a 0xD7 inside the message as a new reply and take its tail twice.
        if (pass.run(rest, first))
            break;
        first = false;
        const int last = int(rest.size()) - 1;
        int next = -1;
        for (int k = 1; k <= last; ++k) {
            if (byteAt(rest, k) == code::kTypeWide && last - k > 2) {
                next = k;
                break;
            }
        }
        if (next < 0)
            break;
        rest = rest.mid(next);
    }
    return out;
}

QString decodeBody(const QByteArray &body, Encoding encoding)
{
    QString out;
    switch (encoding) {
    case Encoding::Chinese:
        for (int i = 0; i + 1 < body.size(); i += 2)
            out += QChar(char16_t(byteAt(body, i) * 256 + byteAt(body, i + 1)));
        break;
    case Encoding::English:
        out = QString::fromLatin1(body);
        break;
    case Encoding::Hex:
        out = hex_text(body);
        break;
    }
    return out;
}

DecodedMessage decodeMessage(const QByteArray &b, int workForm, int transForm, Encoding encoding)
{
    DecodedMessage out;
    const int last = int(b.size()) - 1;
    int from = 0;
    int to = last;
    int senderAt = -1;
    if (workForm != 0 && transForm != 0) {
        senderAt = 2;
        from = 10;
        to = last - 6;
    } else if (workForm != 0) {
        from = 0;
        to = last;
    } else if (transForm != 0) {
        senderAt = 7;
        from = 15;
        to = last - 7;
    } else {
        from = 5;
        to = last - 1;
    }
    if (senderAt >= 0) {
        out.hasSender = true;
        if (byteAt(b, senderAt) >= 0)
            out.sender = QString::number(byteAt(b, senderAt), 16).toUpper();
        for (int i = senderAt + 1; i <= senderAt + 5 && byteAt(b, i) >= 0; ++i)
            out.sender += byte_hex(byteAt(b, i));
        out.sender = out.sender.trimmed();
    }
    out.text = decodeBody(slice(b, from, to), encoding);
    return out;
}

} // namespace lt::smstest
