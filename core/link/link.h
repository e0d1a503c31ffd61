#pragma once

#include "codes.h"
#include "module_port.h"
#include "module_state.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace lt {

// One module on one port: the port, the receive tick that frames replies by
// the quiet gap, the parser of the current parse mode and what is known of
// the module. A program with several modules has one Link for each.
class Link : public QObject
{
    Q_OBJECT
public:
    // A parser gets one received block, every byte the line carried before it
    // fell quiet for 100 ms.
    using Parser = std::function<void(const QByteArray &block)>;

    // The quiet gap that ends a block: the only framing of the replies, and
    // not a protocol wait, so it is never scaled.
    static constexpr int kQuietGapMs = 100;

    explicit Link(QObject *parent = nullptr);

    ModulePort &port() { return m_port; }
    const ModulePort &port() const { return m_port; }

    // A request frame, written whole; nothing happens on a closed port.
    void send(const QByteArray &frame);

    ParseMode parseMode() const { return m_parseMode; }
    void setParseMode(ParseMode mode) { m_parseMode = mode; }
    // The parser of a mode, dropped with its owner; a later one replaces it.
    void registerParser(ParseMode mode, QObject *owner, Parser parser);
    // Hands one block to the parser of the current mode, as the receive tick does.
    void dispatch(const QByteArray &block);

    ModuleIdentity &identity() { return m_identity; }
    const ModuleIdentity &identity() const { return m_identity; }
    ModuleState &module() { return m_module; }
    const ModuleState &module() const { return m_module; }

signals:
    // A frame went out on the open port.
    void sent(const QByteArray &frame);
    // The receive tick cut a block, before it is handed to the parser: what
    // the program acted on, in the pieces it took them.
    void blockReceived(const QByteArray &block);
    // The device went away while open; the port is already closed and no
    // block of it is pending any more.
    void vanished();

private:
    void receiveTick();

    ModulePort m_port;
    QTimer m_receiveTimer;   // Timer12
    ParseMode m_parseMode = ParseMode::None;
    struct Registered
    {
        QPointer<QObject> owner;
        Parser parser;
    };
    QHash<ParseMode, Registered> m_parsers;
    ModuleIdentity m_identity;
    ModuleState m_module;
};

} // namespace lt
