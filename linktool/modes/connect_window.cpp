#include "connect_window.h"

#include "link/link.h"
#include "ui/connect_port.h"
#include "ui/message_box.h"
#include "ui/open_link.h"
#include "ui/shell.h"

#include "port_box.h"
#include "port_list.h"
#include "port_refusal.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>

namespace lt {

namespace {

const QString kPortKey = QStringLiteral("port");
const QString kBaudKey = QStringLiteral("baud");

} // namespace

ConnectWindow::ConnectWindow(Shell &shell, const char *name, ParseMode parseMode)
    : QDialog(&shell.frame()), m_shell(shell), m_parseMode(parseMode), m_portList(makePortList(this)),
      m_baudList(new QComboBox(this)), m_connect(new QPushButton(tr("连接"), this)),
      m_cancel(new QPushButton(tr("取消"), this)), m_progress(new QProgressBar(this))
{
    setObjectName(QLatin1String(name));
    setWindowTitle(tr("工作方式选择"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    m_baudList->setObjectName(QStringLiteral("Combo2"));
    for (const char *rate : {"1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"})
        m_baudList->addItem(QLatin1String(rate) + QLatin1String("bps"));
    m_baudList->setCurrentText(QStringLiteral("9600bps"));
    m_connect->setObjectName(QStringLiteral("Command1_0"));
    m_cancel->setObjectName(QStringLiteral("Command1_1"));
    m_progress->setObjectName(QStringLiteral("PBar"));
    m_progress->setRange(0, 5);
    m_progress->setValue(0);

    connect(m_connect, &QPushButton::clicked, this, &ConnectWindow::connectClicked);
    connect(m_cancel, &QPushButton::clicked, this, &ConnectWindow::cancelClicked);
}

Link &ConnectWindow::link() const
{
    return m_shell.link();
}

void ConnectWindow::setListsEnabled(bool enabled)
{
    m_portList->setEnabled(enabled);
    m_baudList->setEnabled(enabled);
}

void ConnectWindow::restoreChoices()
{
    if (QSettings *settings = m_shell.settings()) {
        settings->beginGroup(objectName());
        m_portList->setValue(rememberedPort(settings->value(kPortKey).toString()));
        const int baud = m_baudList->findText(settings->value(kBaudKey).toString());
        if (baud >= 0)
            m_baudList->setCurrentIndex(baud);
        restoreLine(*settings);
        settings->endGroup();
    }
    // Named on the command line: for this run, over what was remembered,
    // even when it is not there (Connect then says so).
    if (!m_shell.startPort().isEmpty())
        m_portList->setValue(m_shell.startPort());
}

void ConnectWindow::rememberChoices()
{
    QSettings *settings = m_shell.settings();
    if (!settings)
        return;
    // A device by the name that finds it again wherever it is plugged in.
    const ModulePort &port = link().port();
    settings->beginGroup(objectName());
    settings->setValue(kPortKey, port.portNumber() > 0 ? port.portName() : qx::stablePortName(port.portName()));
    settings->setValue(kBaudKey, m_baudList->currentText());
    rememberLine(*settings);
    settings->endGroup();
}

void ConnectWindow::connectClicked()
{
    forgetVerdict();
    if (!open_link(link(), this, m_portList->value(), m_baudList->currentText(), lineTail()))
        return;
    rememberChoices();
    m_openedPort = true;
    m_connect->setEnabled(false);
    setListsEnabled(false);
    signal_lamp_notice(link(), this);
    // The notice is modal: the user may have cancelled, or the cable gone, meanwhile.
    // No exchange runs yet to give the controls back, so that is done here.
    if (!link().port().isOpen()) {
        restoreControls();
        return;
    }
    m_shell.handshake().start(m_parseMode, this, this);
}

void ConnectWindow::cancelClicked()
{
    link().port().close();
    reject();
}

void ConnectWindow::done(int result)
{
    // Esc ends the dialog without a close event, so this is the one place
    // that sees every way out: the exchange must not write on, nor report a
    // time-out, for a window that is gone.
    m_shell.handshake().stop();
    // Left without handing the link to a module window: no one else would
    // ever close the port this window opened.
    if (result == Rejected && m_openedPort)
        link().port().close();
    QDialog::done(result);
}

void ConnectWindow::showStep(int step)
{
    m_progress->setValue(step);
}

void ConnectWindow::timedOut()
{
    QString text = tr("模块和计算机通信失败，请检查串口号、波特率");
    // It may be ModemManager, not the module, that the port talked to.
    if (qx::modemManagerRunning(link().port().portSystem().procRoot))
        text += QLatin1Char('\n') + qx::modemManagerNote();
    message(this, text, tr("系统提示"));
}

void ConnectWindow::restoreControls()
{
    m_connect->setEnabled(true);
    m_cancel->setEnabled(true);
    setListsEnabled(true);
    m_progress->setValue(0);
}

void ConnectWindow::noVerdict()
{
    restoreControls();
}

} // namespace lt
