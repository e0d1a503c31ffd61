#pragma once

#include "requests.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace lt {
struct ModuleState;
}

namespace lt::qx3200 {

// What the parameter replies report, as values. A view shows what it has a
// place for and ignores the rest: the window's display, its pages and the
// settings recorder each take their part.
class ParamView
{
public:
    virtual ~ParamView() = default;

    // address "12:34:" as read; project "1" and site "234" as the boxes hold them.
    virtual void showIdentity(const QString &address, const QString &project, const QString &site,
                              const QString &internalCode);
    virtual void showVersion(const QString &text);
    virtual void showPassiveAddress(const QString &address);   // "30:35:"
    virtual void showTarget(const QString &address, const QString &project, const QString &site);
    virtual void showHeartbeat(int seconds);
    virtual void showWorkForm(WorkForm form);
    virtual void showTransForm(TransForm form);
    // False when the view cannot show that mode (the list offers mode 1 only
    // to a passive module): the reply is then taken no further.
    virtual bool showTransparentMode(TransparentMode mode);
    virtual void showAddressSettings(const AddressSettings &settings);
    virtual void showBaud(int baud);   // one of listedBauds()
    virtual void showRestartCount(int count);
    virtual void showPowerSaving(bool on);
    virtual void showWakeTimes(int idleMs, int dataMs);
    virtual void showWakeMode(WakeMode mode);
};

// Several views shown the same replies, in the order given.
class ParamViews : public ParamView
{
public:
    explicit ParamViews(QList<ParamView *> views = {}) : m_views(std::move(views)) {}
    void add(ParamView *view) { m_views << view; }

    void showIdentity(const QString &address, const QString &project, const QString &site,
                      const QString &internalCode) override;
    void showVersion(const QString &text) override;
    void showPassiveAddress(const QString &address) override;
    void showTarget(const QString &address, const QString &project, const QString &site) override;
    void showHeartbeat(int seconds) override;
    void showWorkForm(WorkForm form) override;
    void showTransForm(TransForm form) override;
    // False when any view cannot show it; every view is asked.
    bool showTransparentMode(TransparentMode mode) override;
    void showAddressSettings(const AddressSettings &settings) override;
    void showBaud(int baud) override;
    void showRestartCount(int count) override;
    void showPowerSaving(bool on) override;
    void showWakeTimes(int idleMs, int dataMs) override;
    void showWakeMode(WakeMode mode) override;

private:
    QList<ParamView *> m_views;
};

// The outcome of an identity write, as the network reports it.
enum class IdentityResult { Accepted, Refused, Taken, Offline };

// What the replies ask of whoever runs the exchange, besides values. The
// parser says nothing itself: a window tells the user (after the parser's
// pass), a program without one decides by itself.
class ParamEvents
{
public:
    virtual ~ParamEvents() = default;
    // The read chain's next step as the reply just handled names it
    // (readChainCode; a step outside the chain ends it).
    virtual void nextRead(int step) = 0;
    // Status 01: the module is initialised and data can go both ways.
    virtual void moduleReady() = 0;
    // Status 03 while an identity write waits for its outcome: it came too
    // early and is to be written again.
    virtual void identityRetry() = 0;
    // Accepted, refused and offline end the wait (identityPending() is false
    // by then); Taken asks whether to replace the address, and the wait goes
    // on until the answer.
    virtual void identityResult(IdentityResult result) = 0;
};

// The QX3200's reply parser. With parameter mode on (while a parameter
// exchange runs) it reads the reply at the start of a block and reports it;
// otherwise the block is data-test traffic for dataBranch. What the replies
// say of the working and transfer form goes into module.
class ReplyParser
{
public:
    ReplyParser(ParamView &view, ParamEvents &events, ModuleState &module,
                std::function<void(const QByteArray &block)> dataBranch);

    void parse(const QByteArray &block);

    bool parameterMode() const { return m_parameterMode; }
    void setParameterMode(bool on) { m_parameterMode = on; }
    // An identity write is waiting for its outcome.
    bool identityPending() const { return m_identityPending; }
    void setIdentityPending(bool pending) { m_identityPending = pending; }

    // 0 between blocks: a pass never leaves the parser inside a reply.
    qint16 state() const { return m_state; }

private:
    // Runs one state over the block; false ends the pass.
    bool runState(const QByteArray &b);
    bool handle(quint8 code, const QByteArray &b);
    void identityReply(const QByteArray &b);

    ParamView &m_view;
    ParamEvents &m_events;
    ModuleState &m_module;
    std::function<void(const QByteArray &block)> m_dataBranch;
    qint16 m_state = 0;
    bool m_parameterMode = false;
    bool m_identityPending = false;
};

} // namespace lt::qx3200
