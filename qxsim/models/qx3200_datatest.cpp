#include "qx3200_datatest.h"

#include "simulator.h"

#include "bytes.h"
#include "crc16.h"

namespace qxsim {

namespace {

constexpr char kCommand = '$';
constexpr char kAnswer = '!';
constexpr char kMalformed = '?';
constexpr char kEnd = '\r';
constexpr quint8 kFormatLead = 0xD7;

using qx::byteAt;

QByteArray length16(int n)
{
    QByteArray out;
    out.append(char((n >> 8) & 0xFF));
    out.append(char(n & 0xFF));
    return out;
}

QByteArray formatMessage(const QByteArray &from, const QByteArray &data)
{
    return QByteArray("\xD7\x01", 2) + from.left(2) + length16(int(data.size())) + data;
}

// A format message D7 01 a1 a2 length data whose length matches; the address
// and the data, or nothing.
bool splitFormat(const QByteArray &m, QByteArray &address, QByteArray &data)
{
    if (m.size() < 6 || byteAt(m, 0) != kFormatLead || byteAt(m, 1) != 0x01)
        return false;
    if (byteAt(m, 4) * 256 + byteAt(m, 5) != m.size() - 6)
        return false;
    address = m.mid(2, 2);
    data = m.mid(6);
    return true;
}

bool parseHexBytes(const QString &value, int count, QByteArray &out)
{
    if (value.size() != 2 * count)
        return false;
    bool ok = false;
    const uint v = value.toUInt(&ok, 16);
    if (!ok)
        return false;
    out.clear();
    for (int i = count - 1; i >= 0; --i)
        out.append(char((v >> (8 * i)) & 0xFF));
    return true;
}

} // namespace

bool Qx3200DataTest::handle(const QByteArray &request, ModuleLink &link, int workForm, int transForm)
{
    if (request.isEmpty())
        return false;
    if (workForm == 0)
        return handlePassive(request, link, transForm);
    // Parameter frames are not data, whatever the module's mode.
    const auto *bytes = reinterpret_cast<const std::uint8_t *>(request.constData());
    if (qx::hasFrameHead(bytes, std::size_t(request.size())))
        return false;
    if (transForm != 0)
        return handleFormat(request, link);
    handleTransparent(request, link);
    return true;
}

bool Qx3200DataTest::handlePassive(const QByteArray &request, ModuleLink &link, int transForm)
{
    if (request.at(0) != kCommand)
        return false;
    const QByteArray address = request.mid(1, 2);
    if (address.size() == 2 && !m_address.isEmpty() && address != m_address)
        return true;   // polled another module on the line
    auto answer = [&](const QByteArray &rest) { link.reply(QByteArray(1, kAnswer) + address + rest); };
    auto malformed = [&] {
        link.reply(QByteArray(1, kMalformed) + (address + QByteArray(2, '\0')).left(2));
    };

    const int op = byteAt(request, 3);
    if (op == 'R' && request.size() == 5 && request.at(4) == kEnd) {
        if (m_inbox.isEmpty()) {
            answer(length16(0) + kEnd);
            return true;
        }
        const Message m = m_inbox.takeFirst();
        const QByteArray message = transForm != 0 ? formatMessage(m.sender, m.data) : m.data;
        answer(length16(int(message.size())) + message + kEnd);
        return true;
    }
    if (op == 'W' && request.size() >= 7 && request.endsWith(kEnd)
        && byteAt(request, 4) * 256 + byteAt(request, 5) == request.size() - 7) {
        const QByteArray message = request.mid(6, request.size() - 7);
        if (message.isEmpty()) {   // memory check: how many messages wait
            answer(length16(int(m_inbox.size())) + kEnd);
            return true;
        }
        Message m{message, m_sender};
        if (transForm != 0 && !splitFormat(message, m.sender, m.data)) {
            malformed();
            return true;
        }
        answer(QByteArray(1, char(m_writeAck)));
        // The centre sends the data back to the module, from the address it went to.
        if (m_reply == Loop || m_statusThenLoop)
            m_inbox.append(m);
        return true;
    }
    malformed();
    return true;
}

bool Qx3200DataTest::handleFormat(const QByteArray &request, ModuleLink &link)
{
    if (byteAt(request, 0) != kFormatLead)
        return false;
    QByteArray receiver, data;
    if (!splitFormat(request, receiver, data)) {
        link.reply(QByteArray("\xD7\xFC", 2));   // the module could not send it
        return true;
    }
    QByteArray out = statusReply();
    if (m_reply == Loop || m_statusThenLoop)
        out += formatMessage(receiver, data);
    if (!out.isEmpty())
        link.reply(out);
    return true;
}

void Qx3200DataTest::handleTransparent(const QByteArray &request, ModuleLink &link)
{
    if (m_reply == Quiet)
        return;
    QByteArray out;
    if (m_reply >= 0)
        out.append(char(m_reply));
    if (m_reply == Loop || m_statusThenLoop)
        out += request;
    link.reply(out);
}

QByteArray Qx3200DataTest::statusReply() const
{
    if (m_reply < 0)
        return {};
    return QByteArray(1, char(kFormatLead)) + char(m_reply);
}

QList<QByteArray> Qx3200DataTest::incoming(const QByteArray &data, int workForm, int transForm, int bursts)
{
    if (workForm == 0) {
        m_inbox.append({data, m_sender});
        return {};
    }
    const QByteArray all = transForm != 0 ? formatMessage(m_sender, data) : data;
    const int n = qBound(1, bursts, qMax(1, int(all.size())));
    QList<QByteArray> parts;
    int from = 0;
    for (int i = 0; i < n; ++i) {
        const int to = int((qint64(all.size()) * (i + 1)) / n);
        parts.append(all.mid(from, to - from));
        from = to;
    }
    return parts;
}

void Qx3200DataTest::receiveFromCentre(Simulator &sim, const QByteArray &data, int workForm, int transForm,
                                       int bursts, int gapMs)
{
    const QList<QByteArray> parts = incoming(data, workForm, transForm, bursts);
    for (int i = 0; i < parts.size(); ++i)
        sim.send(parts.at(i), i * gapMs);
}

void Qx3200DataTest::setAddress(quint8 a1, quint8 a2)
{
    m_address = QByteArray(1, char(a1)) + char(a2);
}

bool Qx3200DataTest::setOption(const QString &key, const QString &value)
{
    if (key == QLatin1String("data-address")) {
        if (value == QLatin1String("any")) {
            m_address.clear();
            return true;
        }
        return parseHexBytes(value, 2, m_address);
    }
    if (key == QLatin1String("data-sender"))
        return parseHexBytes(value, 2, m_sender);
    if (key == QLatin1String("data-ack")) {
        QByteArray b;
        if (!parseHexBytes(value, 1, b))
            return false;
        m_writeAck = quint8(b.at(0));
        return true;
    }
    if (key == QLatin1String("data-reply")) {
        if (value == QLatin1String("loop") || value == QLatin1String("quiet")) {
            m_reply = value == QLatin1String("loop") ? Loop : Quiet;
            m_statusThenLoop = false;
            return true;
        }
        QString status = value;
        const bool thenLoop = status.endsWith(QLatin1String("+loop"));
        if (thenLoop)
            status.chop(5);
        QByteArray b;
        if (!parseHexBytes(status, 1, b))
            return false;
        m_reply = quint8(b.at(0));
        m_statusThenLoop = thenLoop;
        return true;
    }
    if (key == QLatin1String("data-inbox")) {
        const QByteArray data = QByteArray::fromHex(value.toLatin1());
        if (data.isEmpty() || data.toHex().compare(value.toLatin1(), Qt::CaseInsensitive) != 0)
            return false;
        m_inbox.append({data, m_sender});
        return true;
    }
    return false;
}

QStringList Qx3200DataTest::optionHelp() const
{
    return {QStringLiteral("data-address=HHHH|any  passive-mode address the module answers to (now %1)")
                .arg(m_address.isEmpty() ? QStringLiteral("any") : QString::fromLatin1(m_address.toHex())),
            QStringLiteral("data-reply=loop|quiet|HH|HH+loop  answer to data sent in active mode: the data back"
                           " (format: from the receiver), nothing, a status byte (format: D7 HH), or both"),
            QStringLiteral("data-ack=HH  byte of the passive write acknowledgement (now %1)")
                .arg(m_writeAck, 2, 16, QLatin1Char('0')),
            QStringLiteral("data-sender=HHHH  address data from the centre comes from (now %1)")
                .arg(QString::fromLatin1(m_sender.toHex())),
            QStringLiteral("data-inbox=HEX  a message waiting for a passive read (repeatable)")};
}

} // namespace qxsim
