#include "open_link.h"

#include "message_box.h"

#include "link/link.h"

namespace lt {

bool open_link(Link &link, QWidget *window, const QString &port, const QString &baud, const QString &tail)
{
    ModulePort &modulePort = link.port();
    modulePort.close();
    modulePort.select(port, baud, tail);
    switch (modulePort.open()) {
    case ModulePort::Opened:
        modulePort.setDtr(false);
        return true;
    case ModulePort::NoSuchPort:
        message(window, QStringLiteral("本机没有这个串口，请选择其它串口重试"), QStringLiteral("端口错误"), QMessageBox::Warning);
        return false;
    case ModulePort::PortInUse:
        message(window, QStringLiteral("串口已经打开，请关闭其它程序重试"), QStringLiteral("端口错误"), QMessageBox::Warning);
        return false;
    case ModulePort::SettingsRefused:
        message(window, QStringLiteral("串口参数设置失败，请选择其它参数重试"), QStringLiteral("端口错误"), QMessageBox::Warning);
        return false;
    case ModulePort::OtherFailure:
        break;
    }
    return false;
}

void signal_lamp_notice(Link &link, QWidget *window)
{
    message(window, QStringLiteral("请确认您的模块信号指示灯已经不在闪烁，否则模块和计算机通信不正常。"),
            QStringLiteral("注意：系统提示！！！"), QMessageBox::Information);
    link.port().setDtr(false);
}

bool port_ready(Link &link, QWidget *window)
{
    if (link.port().isOpen())
        return true;
    message(window, QStringLiteral("串口没有打开，请先连接模块"), QStringLiteral("端口错误"), QMessageBox::Warning);
    return false;
}

} // namespace lt
