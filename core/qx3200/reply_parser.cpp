#include "reply_parser.h"

#include "link/frame.h"
#include "link/helpers.h"
#include "link/module_state.h"

namespace lt::qx3200 {

namespace {

// Handler state of each reply code, and the last byte it reads.
struct Handler
{
    quint8 code;
    qint16 state;
    int lastByte;
};

constexpr Handler kHandlers[] = {
    {code::kStatus, 2, 9},           {code::kVersion, 3, 20},        {code::kPassiveAddress, 4, 11},
    {code::kTarget, 5, 11},          {code::kIdentity, 6, 9},        {code::kHeartbeat, 8, 11},
    {code::kWorkForm, 10, 10},       {code::kTransForm, 11, 10},     {code::kTransparentMode, 12, 10},
    {code::kAddressSettings, 13, 13}, {code::kSerialLine, 14, 9},    {code::kRestartCount, 16, 10},
    {code::kPowerSaving, 17, 10},    {code::kWakeTimes, 18, 13},     {code::kWakeMode, 19, 10},
};

// The read chain goes on with the read of code next.
int then(quint8 next)
{
    return readChainStep(next);
}

const Handler *handlerOfState(int state)
{
    for (const auto &h : kHandlers)
        if (h.state == state)
            return &h;
    return nullptr;
}

const Handler *handlerOfCode(int code)
{
    for (const auto &h : kHandlers)
        if (h.code == code)
            return &h;
    return nullptr;
}

int u8(const QByteArray &b, int i)
{
    return byteAt(b, i);
}

// "12:34:" read from an address: project "1", site "234", as the boxes hold them.
QString projectOf(const QString &address)
{
    return address.mid(0, 1);
}

QString siteOf(const QString &address)
{
    return address.mid(1, 1) + address.mid(3, 2);
}

} // namespace

// A view shows what it has a place for.
void ParamView::showIdentity(const QString &, const QString &, const QString &, const QString &) {}
void ParamView::showVersion(const QString &) {}
void ParamView::showPassiveAddress(const QString &) {}
void ParamView::showTarget(const QString &, const QString &, const QString &) {}
void ParamView::showHeartbeat(int) {}
void ParamView::showWorkForm(WorkForm) {}
void ParamView::showTransForm(TransForm) {}
bool ParamView::showTransparentMode(TransparentMode) { return true; }
void ParamView::showAddressSettings(const AddressSettings &) {}
void ParamView::showBaud(int) {}
void ParamView::showRestartCount(int) {}
void ParamView::showPowerSaving(bool) {}
void ParamView::showWakeTimes(int, int) {}
void ParamView::showWakeMode(WakeMode) {}

void ParamViews::showIdentity(const QString &address, const QString &project, const QString &site,
                              const QString &internalCode)
{
    for (ParamView *v : m_views)
        v->showIdentity(address, project, site, internalCode);
}

void ParamViews::showVersion(const QString &text)
{
    for (ParamView *v : m_views)
        v->showVersion(text);
}

void ParamViews::showPassiveAddress(const QString &address)
{
    for (ParamView *v : m_views)
        v->showPassiveAddress(address);
}

void ParamViews::showTarget(const QString &address, const QString &project, const QString &site)
{
    for (ParamView *v : m_views)
        v->showTarget(address, project, site);
}

void ParamViews::showHeartbeat(int seconds)
{
    for (ParamView *v : m_views)
        v->showHeartbeat(seconds);
}

void ParamViews::showWorkForm(WorkForm form)
{
    for (ParamView *v : m_views)
        v->showWorkForm(form);
}

void ParamViews::showTransForm(TransForm form)
{
    for (ParamView *v : m_views)
        v->showTransForm(form);
}

bool ParamViews::showTransparentMode(TransparentMode mode)
{
    bool shown = true;
    for (ParamView *v : m_views)
        shown = v->showTransparentMode(mode) && shown;
    return shown;
}

void ParamViews::showAddressSettings(const AddressSettings &settings)
{
    for (ParamView *v : m_views)
        v->showAddressSettings(settings);
}

void ParamViews::showBaud(int baud)
{
    for (ParamView *v : m_views)
        v->showBaud(baud);
}

void ParamViews::showRestartCount(int count)
{
    for (ParamView *v : m_views)
        v->showRestartCount(count);
}

void ParamViews::showPowerSaving(bool on)
{
    for (ParamView *v : m_views)
        v->showPowerSaving(on);
}

void ParamViews::showWakeTimes(int idleMs, int dataMs)
{
    for (ParamView *v : m_views)
        v->showWakeTimes(idleMs, dataMs);
}

void ParamViews::showWakeMode(WakeMode mode)
{
    for (ParamView *v : m_views)
        v->showWakeMode(mode);
}

ReplyParser::ReplyParser(ParamView &view, ParamEvents &events, ModuleState &module,
                         std::function<void(const QByteArray &block)> dataBranch)
    : m_view(view), m_events(events), m_module(module), m_dataBranch(std::move(dataBranch))
{
}

void ReplyParser::parse(const QByteArray &block)
{
    if (!m_parameterMode) {
        if (m_dataBranch)
            m_dataBranch(block);
        return;
    }
    do {
        if (!runState(block)) {
            m_state = 0;
            return;
        }
    } while (m_state != 0);
}

bool ReplyParser::runState(const QByteArray &b)
{
    switch (m_state) {
    case 0:
        // Only a reply at the very start of the block counts.
        if (!frame::startByteAt(b, 0))
            return false;
        m_state = 100;
        return true;
    case 100:
        if (!frame::signatureAt(b, 0))
            return false;
        m_state = 1;
        return true;
    case 1: {
        const Handler *h = handlerOfCode(u8(b, 8));
        if (!h)
            return false;
        m_state = h->state;
        return true;
    }
    default: {
        const Handler *h = handlerOfState(m_state);
        // A reply cut short ends the block before anything of it is shown.
        if (!h || h->lastByte >= b.size())
            return false;
        m_state = 0;
        return handle(h->code, b);
    }
    }
}

bool ReplyParser::handle(quint8 replyCode, const QByteArray &b)
{
    switch (replyCode) {
    case code::kStatus:
        if (u8(b, 9) == status::kReady)
            m_events.moduleReady();
        else if (u8(b, 9) == status::kNotOnLineYet && m_identityPending)
            m_events.identityRetry();
        break;
    case code::kVersion: {
        QString text;
        for (int i = 10; i <= 20; ++i)
            text += QChar(u8(b, i));
        m_view.showVersion(text);
        m_events.nextRead(then(code::kHeartbeat));
        break;
    }
    case code::kPassiveAddress:
        m_view.showPassiveAddress(hexPair(u8(b, 10), u8(b, 11)));
        m_events.nextRead(then(code::kTransForm));
        break;
    case code::kTarget: {
        const QString address = hexPair(u8(b, 10), u8(b, 11));
        m_view.showTarget(address, projectOf(address), siteOf(address));
        m_events.nextRead(then(code::kTransparentMode));
        break;
    }
    case code::kIdentity:
        identityReply(b);
        break;
    case code::kHeartbeat:
        // A signed 16-bit value on the module; one that does not fit is dropped.
        if (u8(b, 10) >= 0x80)
            return false;
        m_view.showHeartbeat(u8(b, 10) * 256 + u8(b, 11));
        m_events.nextRead(then(code::kRestartCount));
        break;
    case code::kWorkForm:
        m_module.workForm = u8(b, 10);
        m_view.showWorkForm(m_module.workForm != 0 ? WorkForm::Active : WorkForm::Passive);
        // An active module has no passive address to read.
        m_events.nextRead(then(m_module.workForm != 0 ? code::kTransForm : code::kPassiveAddress));
        break;
    case code::kTransForm:
        m_module.transForm = u8(b, 10);
        m_view.showTransForm(m_module.transForm != 0 ? TransForm::Format : TransForm::Transparent);
        // In format transfer the chain ends here.
        m_events.nextRead(m_module.transForm != 0 ? kEndOfReadChain : then(code::kTarget));
        break;
    case code::kTransparentMode: {
        const bool mode1 = u8(b, 10) != 0;
        if (!m_view.showTransparentMode(mode1 ? TransparentMode::Mode1 : TransparentMode::Mode2))
            return false;
        m_events.nextRead(mode1 ? kEndOfReadChain : then(code::kAddressSettings));
        break;
    }
    case code::kAddressSettings: {
        const int type = u8(b, 13);
        m_view.showAddressSettings(
            {u8(b, 10), u8(b, 11), u8(b, 12), type <= 2 ? AddressType(type) : AddressType::R50});
        break;
    }
    case code::kSerialLine:
        if (const auto baud = listedBaud(u8(b, 9)))
            m_view.showBaud(*baud);
        break;
    case code::kRestartCount:
        m_view.showRestartCount(u8(b, 10));
        m_events.nextRead(then(code::kPowerSaving));
        break;
    case code::kPowerSaving:
        m_view.showPowerSaving(u8(b, 10) != 0);
        m_events.nextRead(then(u8(b, 10) != 0 ? code::kWakeTimes : code::kWorkForm));
        break;
    case code::kWakeTimes:
        m_view.showWakeTimes((u8(b, 10) * 256 + u8(b, 11)) * kWakeUnitMs, (u8(b, 12) * 256 + u8(b, 13)) * kWakeUnitMs);
        m_events.nextRead(then(code::kWakeMode));
        break;
    case code::kWakeMode:
        m_view.showWakeMode(u8(b, 10) != 0 ? WakeMode::Mode2 : WakeMode::Mode1);
        m_events.nextRead(then(code::kWorkForm));
        break;
    default:
        break;
    }
    return true;
}

void ReplyParser::identityReply(const QByteArray &b)
{
    switch (u8(b, 9)) {
    case identity::kReadAnswer: {
        // The address and the module's internal code.
        if (b.size() < 14)
            return;
        const QString address = hexPair(u8(b, 10), u8(b, 11));
        m_view.showIdentity(address, projectOf(address), siteOf(address), hexPair(u8(b, 12), u8(b, 13)));
        m_events.nextRead(then(code::kVersion));
        break;
    }
    case identity::kAccepted:
        m_identityPending = false;
        m_events.identityResult(IdentityResult::Accepted);
        break;
    case identity::kRefused:
        m_identityPending = false;
        m_events.identityResult(IdentityResult::Refused);
        break;
    case identity::kTaken:
        m_events.identityResult(IdentityResult::Taken);
        break;
    case identity::kOffline:
        m_identityPending = false;
        m_events.identityResult(IdentityResult::Offline);
        break;
    default:
        break;
    }
}

} // namespace lt::qx3200
