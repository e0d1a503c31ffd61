#include "open_link.h"

#include "connect_port.h"
#include "message_box.h"

#include "link/link.h"

#include "port_refusal.h"

#include <QCoreApplication>

namespace lt {

bool open_link(Link &link, QWidget *window, const QString &port, const QString &baud, const QString &tail)
{
    ModulePort &modulePort = link.port();
    modulePort.close();
    const QString chosen = portToOpen(port);
    if (chosen.isEmpty()) {
        // Typed, not picked: nothing on this computer goes by that name.
        qx::PortRefusal missing;
        missing.kind = qx::PortRefusal::Missing;
        message(window, missing.text(), qx::PortRefusal::title(), QMessageBox::Warning);
        return false;
    }
    modulePort.select(chosen, baud, tail);
    if (modulePort.open() == ModulePort::Opened) {
        modulePort.setDtr(false);
        return true;
    }
    // A failure nothing explains ends the sequence without a word, as it always has.
    const QString said = modulePort.refusal().text();
    if (!said.isEmpty())
        message(window, said, qx::PortRefusal::title(), QMessageBox::Warning);
    return false;
}

void signal_lamp_notice(Link &link, QWidget *window)
{
    message(window, QCoreApplication::translate("lt::OpenLink", "请确认您的模块信号指示灯已经不在闪烁，否则模块和计算机通信不正常。"),
            QCoreApplication::translate("lt::OpenLink", "注意：系统提示！！！"), QMessageBox::Information);
    link.port().setDtr(false);
}

bool port_ready(Link &link, QWidget *window)
{
    if (link.port().isOpen())
        return true;
    message(window, QCoreApplication::translate("lt::OpenLink", "串口没有打开，请先连接模块"),
            QCoreApplication::translate("lt::OpenLink", "端口错误"), QMessageBox::Warning);
    return false;
}

} // namespace lt
