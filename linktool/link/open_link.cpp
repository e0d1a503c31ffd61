#include "open_link.h"

#include "helpers.h"
#include "main_window.h"
#include "message_box.h"
#include "ms_comm.h"

namespace lt {

bool open_link(MainWindow &main, QWidget *window, const QString &port, const QString &baud, const QString &tail)
{
    MSComm &comm = main.comm();
    comm.close();
    set_port(comm, port, baud, tail);
    comm.setInputLen(0);
    comm.setRThreshold(1);
    switch (comm.open()) {
    case MSComm::Opened:
        comm.setDTREnable(false);
        return true;
    case MSComm::NoSuchPort:
        message(window, QStringLiteral("本机没有这个串口，请选择其它串口重试"), QStringLiteral("端口错误"), QMessageBox::Warning);
        return false;
    case MSComm::PortInUse:
        message(window, QStringLiteral("串口已经打开，请关闭其它程序重试"), QStringLiteral("端口错误"), QMessageBox::Warning);
        return false;
    case MSComm::SettingsRefused:
        message(window, QStringLiteral("串口参数设置失败，请选择其它参数重试"), QStringLiteral("端口错误"), QMessageBox::Warning);
        return false;
    case MSComm::OtherFailure:
        break;
    }
    return false;
}

void signal_lamp_notice(MainWindow &main, QWidget *window)
{
    message(window, QStringLiteral("请确认您的模块信号指示灯已经不在闪烁，否则模块和计算机通信不正常。"),
            QStringLiteral("注意：系统提示！！！"), QMessageBox::Information);
    main.comm().setDTREnable(false);
}

bool port_ready(MainWindow &main, QWidget *window)
{
    if (main.comm().portOpen())
        return true;
    message(window, QStringLiteral("串口没有打开，请先连接模块"), QStringLiteral("端口错误"), QMessageBox::Warning);
    return false;
}

} // namespace lt
