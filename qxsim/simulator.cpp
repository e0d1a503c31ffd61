#include "simulator.h"

#include <QDateTime>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace qxsim {

bool Faults::parse(const QString &key, const QString &value)
{
    bool ok = true;
    if (key == QLatin1String("silent"))
        silent = true;
    else if (key == QLatin1String("drop"))
        dropNext = value.toInt(&ok);
    else if (key == QLatin1String("delay"))
        delayMs = value.toInt(&ok);
    else if (key == QLatin1String("split")) {
        const auto parts = value.split(QLatin1Char(':'));
        bool ok2 = parts.size() == 2;
        splitAt = parts.value(0).toInt(&ok);
        splitGapMs = parts.value(1).toInt(&ok2);
        ok = ok && ok2;
    } else if (key == QLatin1String("junk"))
        junkByte = value.toInt(&ok, 16);
    else
        return false;
    return ok;
}

QStringList Faults::help()
{
    return {QStringLiteral("silent        hear requests, answer nothing"),
            QStringLiteral("drop=N        swallow the next N answers"),
            QStringLiteral("delay=MS      answer MS milliseconds late"),
            QStringLiteral("split=AT:GAP  send each answer in two bursts, cut before byte AT (0 = middle), GAP ms apart"),
            QStringLiteral("junk=HH       put byte HH in front of every answer")};
}

Simulator::Simulator(std::unique_ptr<Model> model, QObject *parent)
    : QObject(parent), m_model(std::move(model))
{
    m_gap.setSingleShot(true);
    connect(&m_gap, &QTimer::timeout, this, &Simulator::onQuiet);
    m_lineTick.setTimerType(Qt::PreciseTimer);
    m_lineTick.setInterval(1);
    connect(&m_lineTick, &QTimer::timeout, this, &Simulator::sendDueBytes);
    m_clock.start();
}

Simulator::~Simulator() = default;

bool Simulator::start(const QString &linkPath)
{
    if (!m_pty.open(linkPath))
        return false;
    m_readNotifier = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &Simulator::onReadable);
    m_writeNotifier = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &Simulator::flush);
    return true;
}

void Simulator::vanish()
{
    delete m_readNotifier;
    delete m_writeNotifier;
    m_readNotifier = m_writeNotifier = nullptr;
    m_gap.stop();
    m_lineTick.stop();
    m_onLine.clear();
    m_outQueue.clear();
    m_pty.close();
}

void Simulator::onReadable()
{
    char buf[4096];
    qint64 heard = 0;
    for (;;) {
        const ssize_t n = ::read(m_pty.masterFd(), buf, sizeof buf);
        if (n > 0) {
            m_pending.append(buf, int(n));
            heard += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (m_pending.isEmpty())
        return;
    int travelMs = 0;
    if (m_paced) {
        // The bytes left the program just now; on a cable they arrive one
        // character time apart, after whatever is still arriving.
        const qint64 now = m_clock.nsecsElapsed();
        m_requestEndsNs = std::max(now, m_requestEndsNs) + heard * m_pty.charNanos();
        travelMs = int((m_requestEndsNs - now + 999'999) / 1'000'000);
    }
    m_gap.start(m_gapMs + travelMs);
}

void Simulator::onQuiet()
{
    const QByteArray request = m_pending;
    m_pending.clear();
    if (QDateTime::currentMSecsSinceEpoch() < m_silentUntil)
        return;
    m_requests.append(request);
    emit requestReceived(request);
    m_model->handle(request, *this);
}

void Simulator::reply(const QByteArray &bytes, int delayMs)
{
    if (m_faults.silent)
        return;
    if (m_faults.dropNext > 0) {
        --m_faults.dropNext;
        return;
    }
    QByteArray out = bytes;
    if (m_faults.junkByte >= 0)
        out.prepend(char(m_faults.junkByte));
    transmit(out, delayMs + m_faults.delayMs);
}

void Simulator::sendUnsolicited(const QByteArray &bytes, int delayMs)
{
    transmit(bytes, delayMs + m_faults.delayMs);
}

void Simulator::goSilent(int ms)
{
    m_silentUntil = QDateTime::currentMSecsSinceEpoch() + ms;
}

void Simulator::transmit(const QByteArray &bytes, int delayMs)
{
    QByteArray first = bytes;
    QByteArray second;
    if (m_faults.splitAt >= 0 && bytes.size() > 1) {
        const int at = m_faults.splitAt == 0 ? bytes.size() / 2 : qMin(m_faults.splitAt, bytes.size());
        first = bytes.left(at);
        second = bytes.mid(at);
    }
    auto sendPart = [this](const QByteArray &part, int after) {
        if (part.isEmpty())
            return;
        if (after <= 0)
            writeNow(part);
        else
            QTimer::singleShot(after, this, [this, part] { writeNow(part); });
    };
    sendPart(first, delayMs);
    sendPart(second, delayMs + m_faults.splitGapMs);
}

void Simulator::writeNow(const QByteArray &bytes)
{
    if (m_pty.masterFd() < 0 || QDateTime::currentMSecsSinceEpoch() < m_silentUntil)
        return;
    emit bytesSent(bytes);
    const qint64 charNs = m_paced ? m_pty.charNanos() : 0;
    if (charNs <= 0) {
        m_outQueue.append(bytes);
        flush();
        return;
    }
    if (m_onLine.isEmpty()) {
        // The line is free: the first byte starts now, or when the last one ended.
        m_onLineSinceNs = std::max(m_clock.nsecsElapsed(), m_onLineSinceNs);
        m_charNs = charNs;
    }
    m_onLine.append(bytes);
    if (!m_lineTick.isActive())
        m_lineTick.start();
}

void Simulator::sendDueBytes()
{
    // Counted from when the bytes started, so late ticks do not add up.
    const qint64 arrived = (m_clock.nsecsElapsed() - m_onLineSinceNs) / m_charNs;
    const int n = int(std::min<qint64>(arrived, m_onLine.size()));
    if (n > 0) {
        m_outQueue.append(m_onLine.left(n));
        m_onLine.remove(0, n);
        m_onLineSinceNs += n * m_charNs;
        flush();
    }
    if (m_onLine.isEmpty())
        m_lineTick.stop();
}

void Simulator::flush()
{
    while (!m_outQueue.isEmpty() && m_pty.masterFd() >= 0) {
        const ssize_t n = ::write(m_pty.masterFd(), m_outQueue.constData(), size_t(m_outQueue.size()));
        if (n > 0) {
            m_outQueue.remove(0, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(!m_outQueue.isEmpty());
}

} // namespace qxsim
