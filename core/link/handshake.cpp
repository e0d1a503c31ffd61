#include "handshake.h"

#include "frame.h"
#include "helpers.h"
#include "link.h"
#include "timing.h"

namespace lt {

namespace {

constexpr int kIdentifyDelayMs = 100;
constexpr int kAnswerTimeoutMs = 2000;
constexpr int kFirstReadMs = 100;
constexpr int kReadPeriodMs = 1000;

// The replies the exchange takes, and the last byte each one reads.
struct Reply
{
    quint8 command;
    int lastByte;
};
constexpr Reply kReplies[] = {
    {code::kStatus, 11},    {code::kWorkForm, 10},    {code::kTransForm, 10},
    {code::kVersion, 20},   {code::kParameterD6, 10}, {code::kModuleType, 10},
};

const Reply *replyTo(int command)
{
    for (const Reply &r : kReplies)
        if (r.command == command)
            return &r;
    return nullptr;
}

} // namespace

Handshake::Handshake(Link &link, QObject *parent)
    : QObject(parent), m_link(link), m_reads(timing::interval, QStringLiteral("Timer11"), this)
{
    m_identifyTimer.setObjectName(QStringLiteral("Timer8"));
    m_answerTimer.setObjectName(QStringLiteral("Timer9"));
    for (QTimer *t : {&m_identifyTimer, &m_answerTimer}) {
        t->setParent(this);
        t->setSingleShot(true);
    }
    m_identifyTimer.setInterval(kIdentifyDelayMs);
    m_answerTimer.setInterval(timing::interval(kAnswerTimeoutMs));
    connect(&m_identifyTimer, &QTimer::timeout, this, &Handshake::identify);
    connect(&m_answerTimer, &QTimer::timeout, this, &Handshake::timeout);

    connect(&m_reads, &qx::Sequencer::ticked, this, [this](int step) {
        m_readsTicked = true;
        if (auto *c = client())
            c->showStep(step);
    });
    connect(&m_reads, &qx::Sequencer::send, &m_link, &Link::send);
    connect(&m_reads, &qx::Sequencer::finished, this, [this] {
        if (auto *c = client())
            c->noVerdict();
    });

    for (ParseMode mode : {ParseMode::SmsConnect, ParseMode::Qx3200Connect})
        link.registerParser(mode, this, [this](const QByteArray &block) { parse(block); });
    connect(&link, &Link::vanished, this, &Handshake::linkLost);
}

void Handshake::start(ParseMode mode, QObject *window, HandshakeClient *client)
{
    // A ticker or time-out of an earlier exchange would drive this one.
    stop();
    m_window = window;
    m_client = client;
    m_link.setParseMode(mode);
    m_state = WaitingForStart;
    m_identifyTimer.start();
}

void Handshake::stop()
{
    m_identifyTimer.stop();
    m_answerTimer.stop();
    m_reads.stop();
    m_window = nullptr;
    m_client = nullptr;
}

void Handshake::linkLost()
{
    HandshakeClient *c = client();
    stop();
    if (c)
        c->restoreControls();
}

bool Handshake::running() const
{
    return m_identifyTimer.isActive() || m_answerTimer.isActive() || m_reads.isRunning();
}

HandshakeClient *Handshake::client() const
{
    return m_window ? m_client : nullptr;
}

void Handshake::identify()
{
    m_link.send(frame::read_request(code::kIdentify));
    m_answerTimer.start(timing::interval(kAnswerTimeoutMs));
}

void Handshake::timeout()
{
    m_link.port().readAll();   // whatever came instead of the answer
    m_state = WaitingForStart;
    if (auto *c = client())
        c->timedOut();
    m_link.port().close();
    if (auto *c = client())
        c->restoreControls();
}

void Handshake::startReads()
{
    qx::Sequencer::Plan plan;
    for (quint8 command : {code::kWorkForm, code::kTransForm, code::kVersion, code::kParameterD6, code::kModuleType})
        plan.frames << frame::read_request(command);
    // The reads have always kept the pace they took on their first tick: once
    // they have ticked, a whole period passes before the first read of every
    // later exchange.
    plan.firstMs = m_readsTicked ? kReadPeriodMs : kFirstReadMs;
    plan.periodMs = kReadPeriodMs;
    plan.advance = qx::Sequencer::Advance::EveryTick;
    plan.end = qx::Sequencer::End::NextTick;
    m_reads.start(plan);
}

void Handshake::parse(const QByteArray &b)
{
    // One reply at the start of the block; whatever else the block holds
    // came with it and is not looked at. Every way out leaves the state at
    // WaitingForStart for the next block.
    const Reply *reply = nullptr;
    for (;;) {
        switch (m_state) {
        case WaitingForStart:
            if (!frame::startByteAt(b))
                return;
            m_state = Signature;
            break;
        case Signature:
            if (!frame::signatureAt(b)) {
                m_state = WaitingForStart;
                return;
            }
            m_state = Code;
            break;
        case Code:
            reply = replyTo(byteAt(b, 8));
            if (!reply) {
                m_state = WaitingForStart;
                return;
            }
            m_state = Value;
            break;
        case Value:
            m_state = WaitingForStart;
            // A reply cut short leaves every value as it was.
            if (byteAt(b, reply->lastByte) >= 0)
                take(reply->command, b);
            return;
        }
    }
}

void Handshake::take(quint8 command, const QByteArray &b)
{
    ModuleIdentity &id = m_link.identity();
    switch (command) {
    case code::kStatus:
        // An identification answer after the time-out, or a second one
        // while the reads run, says nothing new.
        if (!m_answerTimer.isActive())
            return;
        m_answerTimer.stop();
        id.workingMode = quint8(b[11]);
        id.status = quint8(b[10]);
        startReads();
        return;
    case code::kWorkForm:
        id.workForm = quint8(b[10]);
        return;
    case code::kTransForm:
        id.transForm = quint8(b[10]);
        return;
    case code::kVersion:
        id.versionText.clear();
        for (int k = 0; k < 11; ++k) {
            id.version[k] = quint8(b[10 + k]);
            id.versionText.append(QChar(id.version[k]));
        }
        return;
    case code::kParameterD6:
        id.parameterD6 = quint8(b[10]);
        return;
    case code::kModuleType: {
        m_link.port().setDtr(true);
        m_reads.stop();
        const quint8 type = quint8(b[10]);
        if (m_link.parseMode() == ParseMode::SmsConnect)
            id.moduleType = type;
        emit moduleTypeKnown(type);
        HandshakeClient *c = client();
        QObject *window = m_window;
        m_window = nullptr;
        m_client = nullptr;
        // What the window makes of the verdict shows messages and opens
        // windows: that runs after this pass, never inside it.
        if (c)
            QMetaObject::invokeMethod(window, [c, type] { c->verdict(type); }, Qt::QueuedConnection);
        return;
    }
    default:
        return;
    }
}

} // namespace lt
