#include "qx3100_smstest.h"

#include "crc16.h"

#include <QDateTime>

#include <algorithm>

namespace qxsim {

namespace {

constexpr char kCr = '\r';

int at(const QByteArray &b, int i)
{
    return i >= 0 && i < b.size() ? quint8(b.at(i)) : -1;
}

int word(const QByteArray &b, int i)
{
    return at(b, i) < 0 || at(b, i + 1) < 0 ? -1 : at(b, i) * 256 + at(b, i + 1);
}

void appendWord(QByteArray &out, int n)
{
    out.append(char((n >> 8) & 0xFF));
    out.append(char(n & 0xFF));
}

// 11 digits as the module carries them: the first digit alone, then digit pairs as nibbles.
QByteArray packedNumber(const QString &digits)
{
    QByteArray out(6, '\0');
    const QString d = digits.leftJustified(11, QLatin1Char('0'), true);
    out[0] = char(d.at(0).digitValue() & 0x0F);
    for (int k = 1; k <= 5; ++k)
        out[k] = char(((d.at(2 * k - 1).digitValue() & 0x0F) << 4) | (d.at(2 * k).digitValue() & 0x0F));
    return out;
}

QString unpackedNumber(const QByteArray &packed)
{
    QString out = QString::number(at(packed, 0) & 0x0F);
    for (int k = 1; k <= 5; ++k)
        out += QStringLiteral("%1").arg(at(packed, k) & 0xFF, 2, 16, QLatin1Char('0'));
    return out;
}

// When the message arrived, YY MM DD hh mm ss in BCD: what follows a formatted body.
QByteArray timeStamp()
{
    const QDateTime now = QDateTime::currentDateTime();
    const int parts[] = {now.date().year() % 100, now.date().month(), now.date().day(),
                         now.time().hour(), now.time().minute(), now.time().second()};
    QByteArray out;
    for (int p : parts)
        out.append(char(((p / 10) << 4) | (p % 10)));
    return out;
}

bool parseInt(const QString &value, int *target, int low, int high)
{
    bool ok = false;
    const int v = value.toInt(&ok, 0);
    if (!ok || v < low || v > high)
        return false;
    *target = v;
    return true;
}

} // namespace

Qx3100SmsTest::Qx3100SmsTest()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (m_link)
            deliver(*m_link, configuredMessage(), m_workForm, m_transForm);
    });
}

void Qx3100SmsTest::attach(ModuleLink *link, int workForm, int transForm)
{
    m_link = link;
    m_workForm = workForm;
    m_transForm = transForm;
}

bool Qx3100SmsTest::handle(const QByteArray &request, ModuleLink &link, int workForm, int transForm)
{
    attach(&link, workForm, transForm);
    if (request.isEmpty())
        return false;
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(request.constData());
    if (qx::hasFrameHead(bytes, std::size_t(request.size())))
        return false;
    if (workForm == 0) {
        if (at(request, 0) != '$')
            return false;
        handlePassive(request, link, transForm);
        return true;
    }
    if (transForm != 0) {
        if (at(request, 0) != 0xD7 && at(request, 0) != 0xD8)
            return false;
        handleActiveFormat(request, link);
        return true;
    }
    // Transparent: whatever arrives is the message, sent to the configured receiver.
    Message m;
    m.body = request;
    accepted(m, link, workForm, transForm);
    return true;
}

void Qx3100SmsTest::handlePassive(const QByteArray &request, ModuleLink &link, int transForm)
{
    const QByteArray address = request.mid(1, 2);
    const int n = int(request.size());
    if (n >= 3 && m_address >= 0 && word(request, 1) != m_address)
        return;   // another module's address: not for us
    const auto malformed = [&] { link.reply(QByteArray("?") + address + kCr); };
    if (n < 5 || request.back() != kCr) {
        malformed();
        return;
    }
    if (at(request, 3) == 'R' && n == 5) {
        QByteArray reply = QByteArray("!") + address;
        if (!m_holding) {
            appendWord(reply, 0);
            reply.append(kCr);
            link.reply(reply);
            return;
        }
        m_holding = false;
        sendInBursts(link, readReply(address, m_held, transForm), true, 0);
        return;
    }
    if (at(request, 3) != 'W' || n < 7 || word(request, 4) != n - 7) {
        malformed();
        return;
    }
    const int length = word(request, 4);
    if (length == 0) {
        QByteArray reply = QByteArray("!") + address;
        reply.append(char(0));
        reply.append(char(m_status));
        reply.append(kCr);
        link.reply(reply);
        return;
    }
    const QByteArray payload = request.mid(6, length);
    Message m;
    if (transForm != 0) {
        const bool typed = at(payload, 0) == 0xD7 || at(payload, 0) == 0xD8;
        if (!typed || at(payload, 1) != 0x01 || length < 10 || word(payload, 8) != length - 10) {
            malformed();
            return;
        }
        m.type = quint8(at(payload, 0));
        m.sender = unpackedNumber(payload.mid(2, 6));
        m.body = payload.mid(10);
    } else {
        m.body = payload;
    }
    link.reply(QByteArray("!") + address + QByteArray(1, '\0') + kCr);
    accepted(m, link, 0, transForm);
}

void Qx3100SmsTest::handleActiveFormat(const QByteArray &request, ModuleLink &link)
{
    const int n = int(request.size());
    QByteArray ack(1, char(0xD7));
    if (n < 10 || at(request, 1) != 0x01 || word(request, 8) != n - 10) {
        ack.append(char(0xFC));
        link.reply(ack);
        return;
    }
    ack.append(char(m_ack));
    link.reply(ack);
    Message m;
    m.type = quint8(at(request, 0));
    m.sender = unpackedNumber(request.mid(2, 6));
    m.body = request.mid(10);
    accepted(m, link, 1, 1);
}

void Qx3100SmsTest::accepted(const Message &message, ModuleLink &link, int workForm, int transForm)
{
    m_sent.append(message.body);
    if (!m_loopback)
        return;
    // The test message comes straight back, as if sent to the module's own number.
    if (workForm == 0) {
        m_held = message;
        m_holding = true;
        return;
    }
    sendInBursts(link, incomingBytes(message, workForm, transForm), false, m_loopbackDelay);
}

void Qx3100SmsTest::deliver(ModuleLink &link, const Message &message, int workForm, int transForm)
{
    if (workForm == 0) {
        m_held = message;
        m_holding = true;
        return;
    }
    sendInBursts(link, incomingBytes(message, workForm, transForm), false, 0);
}

void Qx3100SmsTest::sendInBursts(ModuleLink &link, const QByteArray &bytes, bool asReply, int delayMs)
{
    const int parts = qMax(1, qMin(m_bursts, int(bytes.size())));
    const int size = int(bytes.size());
    for (int i = 0; i < parts; ++i) {
        const QByteArray part = bytes.mid(size * i / parts, size * (i + 1) / parts - size * i / parts);
        if (asReply)
            link.reply(part, delayMs + i * m_burstGap);
        else
            link.sendUnsolicited(part, delayMs + i * m_burstGap);
    }
}

QByteArray Qx3100SmsTest::formatted(const Message &message) const
{
    QByteArray out;
    out.append(char(message.type));
    out.append(char(0x01));
    out.append(packedNumber(message.sender));
    appendWord(out, int(message.body.size()));
    out.append(message.body);
    return out;
}

QByteArray Qx3100SmsTest::incomingBytes(const Message &message, int workForm, int transForm) const
{
    if (workForm != 0)
        return transForm != 0 ? formatted(message) + timeStamp() : message.body;
    QByteArray address;
    appendWord(address, m_address >= 0 ? m_address : 0);
    return readReply(address, message, transForm);
}

QByteArray Qx3100SmsTest::readReply(const QByteArray &address, const Message &message, int transForm) const
{
    // "!", the address, content flags 00 01, the message, CR.
    QByteArray reply = QByteArray("!") + address;
    appendWord(reply, 1);
    reply.append(transForm != 0 ? formatted(message) + timeStamp() : message.body);
    reply.append(kCr);
    return reply;
}

Qx3100SmsTest::Message Qx3100SmsTest::configuredMessage() const
{
    Message m;
    m.body = m_body;
    m.type = quint8(m_type);
    m.sender = m_sender;
    return m;
}

bool Qx3100SmsTest::setOption(const QString &key, const QString &value)
{
    if (key == QLatin1String("sms_status"))
        return parseInt(value, &m_status, 0, 255);
    if (key == QLatin1String("sms_ack"))
        return parseInt(value, &m_ack, 0, 255);
    if (key == QLatin1String("sms_address")) {
        if (value == QLatin1String("any")) {
            m_address = -1;
            return true;
        }
        return parseInt(value, &m_address, -1, 0xFFFF);
    }
    if (key == QLatin1String("sms_body")) {
        const QByteArray body = QByteArray::fromHex(value.toLatin1());
        if (body.isEmpty())
            return false;
        m_body = body;
        return true;
    }
    if (key == QLatin1String("sms_text")) {
        if (value.isEmpty())
            return false;
        m_body.clear();
        for (QChar c : value) {
            m_body.append(char(c.unicode() >> 8));
            m_body.append(char(c.unicode() & 0xFF));
        }
        m_type = 0xD7;
        return true;
    }
    if (key == QLatin1String("sms_type"))
        return parseInt(value, &m_type, 0, 255);
    if (key == QLatin1String("sms_sender")) {
        if (value.size() != 11 || !std::all_of(value.begin(), value.end(), [](QChar c) { return c.isDigit(); }))
            return false;
        m_sender = value;
        return true;
    }
    if (key == QLatin1String("sms_bursts"))
        return parseInt(value, &m_bursts, 1, 64);
    if (key == QLatin1String("sms_gap"))
        return parseInt(value, &m_burstGap, 0, 60000);
    if (key == QLatin1String("sms_loopback"))
        return parseInt(value, &m_loopback, 0, 1);
    if (key == QLatin1String("sms_loopback_delay"))
        return parseInt(value, &m_loopbackDelay, 0, 60000);
    if (key == QLatin1String("sms_every")) {
        if (!parseInt(value, &m_every, 0, 3600000))
            return false;
        if (m_every > 0)
            m_timer.start(m_every);
        else
            m_timer.stop();
        return true;
    }
    return false;
}

QStringList Qx3100SmsTest::optionHelp() const
{
    return {
        QStringLiteral("sms_status=N         byte 4 of the passive send-status reply: 0 sent, 1 failed, 2 sending (now %1)").arg(m_status),
        QStringLiteral("sms_ack=0xHH         active format acknowledgement D7 HH: FA sent, FC failed, FF offline (now 0x%1)").arg(m_ack, 0, 16),
        QStringLiteral("sms_address=0xHHHH   passive module address answered; any = every address (now %1)").arg(m_address),
        QStringLiteral("sms_body=HEX         body of the incoming message (now %1)").arg(QString::fromLatin1(m_body.toHex())),
        QStringLiteral("sms_text=TEXT        body of the incoming message as UTF-16 text, type 0xD7"),
        QStringLiteral("sms_type=0xHH        type byte of the incoming message: 0xD7 wide, 0xD8 single-byte (now 0x%1)").arg(m_type, 0, 16),
        QStringLiteral("sms_sender=DIGITS    11-digit sender number of the incoming message (now %1)").arg(m_sender),
        QStringLiteral("sms_every=MS         pass the incoming message on (passive: hold it) every MS ms, 0 = never (now %1)").arg(m_every),
        QStringLiteral("sms_bursts=N         send an incoming message or a read reply in N bursts (now %1)").arg(m_bursts),
        QStringLiteral("sms_gap=MS           pause between those bursts (now %1)").arg(m_burstGap),
        QStringLiteral("sms_loopback=0|1     a sent test message comes back as an incoming one (now %1)").arg(m_loopback),
        QStringLiteral("sms_loopback_delay=MS  how long it takes to come back (now %1)").arg(m_loopbackDelay),
    };
}

} // namespace qxsim
