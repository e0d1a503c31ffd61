#include "sms_connect_window.h"

#include "sms/qx3100_window.h"
#include "ui/message_box.h"
#include "ui/shell.h"

#include "port_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lt {

SmsConnectWindow::SmsConnectWindow(Shell &shell) : ConnectWindow(shell, "frm3000MOD", ParseMode::SmsConnect)
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(tr("串口号"), frame), 0, 0);
    grid->addWidget(portList(), 0, 1);
    grid->addWidget(new QLabel(tr("波特率"), frame), 1, 0);
    grid->addWidget(baudList(), 1, 1);
    grid->addWidget(progressBar(), 2, 0, 1, 2);
    grid->addWidget(connectButton(), 3, 0);
    grid->addWidget(cancelButton(), 3, 1);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(frame);
    restoreChoices();
}

void SmsConnectWindow::verdict(quint8 moduleType)
{
    Shell &shell = m_shell;
    accept();   // the port stays open for what comes next
    if (moduleType == code::kGprsModule)
        message(&shell.frame(), tr("您的模块与测试软件不一样，请与厂家联系"), tr("提示"), QMessageBox::Warning);
    else
        openQx3100Window(shell);
}

void openSmsConnect(Shell &shell)
{
    (new SmsConnectWindow(shell))->show();
}

} // namespace lt
