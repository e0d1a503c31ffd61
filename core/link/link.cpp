#include "link.h"

namespace lt {

Link::Link(QObject *parent) : QObject(parent)
{
    m_port.setParent(this);   // found by name with the rest
    m_receiveTimer.setObjectName(QStringLiteral("Timer12"));
    m_receiveTimer.setParent(this);
    m_receiveTimer.setSingleShot(true);
    m_receiveTimer.setInterval(kQuietGapMs);
    // Every arrival starts the gap again: the tick comes once the line has
    // been quiet for the whole gap.
    connect(&m_port, &ModulePort::received, &m_receiveTimer, qOverload<>(&QTimer::start));
    connect(&m_receiveTimer, &QTimer::timeout, this, &Link::receiveTick);
    connect(&m_port, &ModulePort::vanished, this, [this] {
        m_receiveTimer.stop();
        emit vanished();
    });
}

void Link::send(const QByteArray &frame)
{
    if (!m_port.isOpen())
        return;
    m_port.write(frame);
    emit sent(frame);
}

void Link::registerParser(ParseMode mode, QObject *owner, Parser parser)
{
    m_parsers.insert(mode, Registered{owner, std::move(parser)});
}

void Link::dispatch(const QByteArray &block)
{
    const auto it = m_parsers.constFind(m_parseMode);
    if (it == m_parsers.constEnd() || !it->owner)
        return;
    // A copy: the parser may register another one while it runs.
    const Parser parser = it->parser;
    parser(block);
}

void Link::receiveTick()
{
    const QByteArray block = m_port.readAll();
    if (block.isEmpty())
        return;
    emit blockReceived(block);
    dispatch(block);
}

} // namespace lt
