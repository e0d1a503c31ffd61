#include "gprs_parser.h"

#include "gprs_protocol.h"

#include "link/frame.h"
#include "link/helpers.h"
#include "link/module_state.h"
#include "ui/message_box.h"
#include "ui/shared_state.h"

namespace lt::gprs {

namespace {

// Handler state of each reply code, and the last byte it reads.
struct Handler
{
    quint8 code;
    qint16 state;
    int lastByte;
};

constexpr Handler kHandlers[] = {
    {kStatus, 2, 9},         {kVersion, 3, 20},      {kPassiveAddress, 4, 11}, {kTarget, 5, 11},
    {kIdentity, 6, 9},       {kHeartbeat, 8, 11},    {kWorkForm, 10, 10},      {kTransForm, 11, 10},
    {kSubMode, 12, 10},      {kAddressSettings, 13, 13}, {kSerialLine, 14, 9}, {kRestartCount, 16, 10},
    {kPowerSaving, 17, 10},  {kWakeTimes, 18, 13},   {kWakeMode, 19, 10},
};

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

} // namespace

GprsParser::GprsParser(ParamView &view, ParamSteps &steps, ModuleState &module,
                       std::function<void(const QByteArray &burst)> dataBranch)
    : m_view(view), m_steps(steps), m_module(module), m_dataBranch(std::move(dataBranch))
{
}

void GprsParser::parse(const QByteArray &burst)
{
    if (!shared().para_mode) {
        if (m_dataBranch)
            m_dataBranch(burst);
        return;
    }
    do {
        if (!runState(burst)) {
            m_state = 0;
            return;
        }
    } while (m_state != 0);
}

bool GprsParser::runState(const QByteArray &b)
{
    switch (m_state) {
    case 0:
        // Only a reply at the very start of the burst counts.
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
        // A reply cut short ends the burst before anything of it is shown.
        if (!h || h->lastByte >= b.size())
            return false;
        m_state = 0;
        return handle(h->code, b);
    }
    }
}

bool GprsParser::handle(quint8 code, const QByteArray &b)
{
    auto &step = m_steps.para_step;
    QString reply_text;
    switch (code) {
    case kStatus:
        if (u8(b, 9) == 1) {
            postMessage(m_view.messageParent(), QStringLiteral("模块初始化已经完成，您可以接收和发射数据了"),
                        QStringLiteral("提示信息"));
        } else if (u8(b, 9) == 3 && m_steps.slave_pending) {
            m_view.startSlaveRetry();
        }
        break;
    case kVersion:
        for (int i = 10; i <= 20; ++i)
            reply_text += QChar(u8(b, i));
        m_view.showVersion(reply_text);
        step = 2;
        break;
    case kPassiveAddress:
        m_view.showPassiveAddress(hexPair(u8(b, 10), u8(b, 11)));
        step = 8;
        break;
    case kTarget:
        reply_text = hexPair(u8(b, 10), u8(b, 11));
        m_view.showTarget(reply_text, reply_text.mid(0, 1), reply_text.mid(1, 1) + reply_text.mid(3, 2));
        step = 10;
        break;
    case kIdentity:
        identityResult(b);
        break;
    case kHeartbeat: {
        // A signed 16-bit value on the module; one that does not fit is dropped.
        if (u8(b, 10) >= 0x80)
            return false;
        m_view.showHeartbeat(QString::number(u8(b, 10) * 256 + u8(b, 11)));
        step = 3;
        break;
    }
    case kWorkForm:
        m_module.workForm = u8(b, 10);
        m_view.showWorkForm(m_module.workForm != 0);
        step = m_module.workForm != 0 ? 8 : 7;
        break;
    case kTransForm:
        m_module.transForm = u8(b, 10);
        m_view.showTransForm(m_module.transForm != 0);
        step = m_module.transForm != 0 ? 100 : 9;
        break;
    case kSubMode: {
        const bool mode1 = u8(b, 10) != 0;
        if (!m_view.showSubMode(mode1))
            return false;
        step = mode1 ? 100 : 11;
        break;
    }
    case kAddressSettings: {
        static const char *const types[] = {"ASCII", "16进制", "BCD码"};
        const int type = u8(b, 13);
        const QString typeText = type <= 2 ? QString::fromUtf8(types[type]) : QStringLiteral("R50模式");
        m_view.showAddressSettings(u8(b, 10), u8(b, 11), u8(b, 12), typeText, type <= 2 ? type : -1);
        break;
    }
    case kSerialLine: {
        const QString text = baudText(u8(b, 9));
        if (!text.isEmpty())
            m_view.showBaud(text, u8(b, 9) - 3);
        break;
    }
    case kRestartCount:
        m_view.showRestartCount(QString::number(u8(b, 10)));
        step = 4;
        break;
    case kPowerSaving:
        m_view.showPowerSaving(u8(b, 10) != 0);
        step = u8(b, 10) != 0 ? 5 : 6;
        break;
    case kWakeTimes:
        m_view.showWakeTimes(wakeTimesText(u8(b, 10) * 256 + u8(b, 11), u8(b, 12) * 256 + u8(b, 13)));
        step = 12;
        break;
    case kWakeMode:
        m_view.showWakeMode(u8(b, 10) != 0);
        step = 6;
        break;
    default:
        break;
    }
    return true;
}

void GprsParser::identityResult(const QByteArray &b)
{
    QWidget *parent = m_view.messageParent();
    switch (u8(b, 9)) {
    case 0x03: {
        // The address and the module's internal code.
        if (b.size() < 14)
            return;
        const QString address = hexPair(u8(b, 10), u8(b, 11));
        m_view.showIdentity(address, address.mid(0, 1), address.mid(1, 1) + address.mid(3, 2),
                            hexPair(u8(b, 12), u8(b, 13)));
        m_steps.para_step = 1;
        break;
    }
    case 0xFA:
        m_steps.slave_pending = false;
        postMessage(parent, QStringLiteral("模块身份地址设置成功"), QStringLiteral("系统提示"));
        m_view.closeWaitNotice();
        break;
    case 0xFC:
        m_steps.slave_pending = false;
        postMessage(parent, QStringLiteral("对不起，模块身份地址设置失败"), QStringLiteral("错误提示"), QMessageBox::Critical);
        m_view.closeWaitNotice();
        break;
    case 0x08:
        postMessage(parent, QStringLiteral("您设置的身份地址已经被占用，要替换它吗？"), QStringLiteral("错误提示"),
                    QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, [this](QMessageBox::StandardButton answer) {
                        if (answer == QMessageBox::Yes)
                            m_view.startReplace();
                        else
                            // Declined: a later status 03 must not send the write again.
                            m_steps.slave_pending = false;
                    });
        break;
    case 0x0A:
        m_steps.slave_pending = false;
        postMessage(parent, QStringLiteral("对不起，您的模块没有上网"), QStringLiteral("错误提示"), QMessageBox::Critical);
        m_view.closeWaitNotice();
        break;
    default:
        break;
    }
}

} // namespace lt::gprs
