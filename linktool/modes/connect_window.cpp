#include "connect_window.h"

#include "link/main_window.h"
#include "link/ms_comm.h"
#include "link/open_link.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>

namespace lt {

ConnectWindow::ConnectWindow(MainWindow &main, const char *name, int parseMode)
    : QDialog(&main), m_main(main), m_parseMode(parseMode), m_combo1(new QComboBox(this)),
      m_combo2(new QComboBox(this)), m_connect(new QPushButton(QStringLiteral("连接"), this)),
      m_cancel(new QPushButton(QStringLiteral("取消"), this)), m_pBar(new QProgressBar(this))
{
    setObjectName(QLatin1String(name));
    setWindowTitle(QStringLiteral("工作方式选择"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);

    m_combo1->setObjectName(QStringLiteral("Combo1"));
    for (int i = 1; i <= 8; ++i)
        m_combo1->addItem(QStringLiteral("COM%1").arg(i));
    m_combo1->setCurrentText(QStringLiteral("COM1"));
    m_combo2->setObjectName(QStringLiteral("Combo2"));
    for (const char *rate : {"1200", "2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"})
        m_combo2->addItem(QLatin1String(rate) + QLatin1String("bps"));
    m_combo2->setCurrentText(QStringLiteral("9600bps"));
    m_connect->setObjectName(QStringLiteral("Command1_0"));
    m_cancel->setObjectName(QStringLiteral("Command1_1"));
    m_pBar->setObjectName(QStringLiteral("PBar"));
    m_pBar->setRange(0, 5);
    m_pBar->setValue(0);

    connect(m_connect, &QPushButton::clicked, this, &ConnectWindow::connectClicked);
    connect(m_cancel, &QPushButton::clicked, this, &ConnectWindow::cancelClicked);
}

void ConnectWindow::setListsEnabled(bool enabled)
{
    m_combo1->setEnabled(enabled);
    m_combo2->setEnabled(enabled);
}

void ConnectWindow::connectClicked()
{
    forgetVerdict();
    if (!open_link(m_main, this, m_combo1->currentText(), m_combo2->currentText(), lineTail()))
        return;
    m_openedPort = true;
    m_connect->setEnabled(false);
    setListsEnabled(false);
    signal_lamp_notice(m_main, this);
    // The notice is modal: the user may have cancelled, or the cable gone, meanwhile.
    // No exchange runs yet to give the controls back, so that is done here.
    if (!m_main.comm().portOpen()) {
        restoreControls();
        return;
    }
    m_main.handshake().start(m_parseMode, this, this);
}

void ConnectWindow::cancelClicked()
{
    m_main.comm().close();
    reject();
}

void ConnectWindow::done(int result)
{
    // Esc ends the dialog without a close event, so this is the one place
    // that sees every way out: the exchange must not write on, nor report a
    // time-out, for a window that is gone.
    m_main.handshake().stop();
    // Left without handing the link to a module window: no one else would
    // ever close the port this window opened.
    if (result == Rejected && m_openedPort)
        m_main.comm().close();
    QDialog::done(result);
}

void ConnectWindow::showStep(int step)
{
    m_pBar->setValue(step);
}

void ConnectWindow::restoreControls()
{
    m_connect->setEnabled(true);
    m_cancel->setEnabled(true);
    setListsEnabled(true);
    m_pBar->setValue(0);
}

void ConnectWindow::noVerdict()
{
    restoreControls();
}

} // namespace lt
