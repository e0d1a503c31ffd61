#include "port_panel.h"

#include "dialog_controls.h"
#include "frames.h"
#include "message_box.h"
#include "port_box.h"
#include "port_list.h"
#include "timing.h"

#include "program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>

namespace sms {

namespace {

// The port the dialog offers until the user has chosen one.
const QString kDefaultPort = QStringLiteral("4");

// Settings keys.
const QString kPortKey = QStringLiteral("port");
const QString kBaudKey = QStringLiteral("baud");
const QString kLogKey = QStringLiteral("trafficLog");

} // namespace

PortPanel::PortPanel(SerialPort &port, QWidget *window)
    : m_port(port), m_window(window), m_logFolder(qx::TrafficLog::defaultFolder())
{
    connect(&m_log, &qx::TrafficLog::failed, this, &PortPanel::onLogFailed);
}

int PortPanel::addRows(QGridLayout *grid, int row)
{
    auto *portLabel = new QLabel(tr("串口编号"), m_window);
    grid->addWidget(portLabel, row, 0);
    m_portBox = new qx::PortBox(m_window);
    m_portBox->setRescanInterval(timing::interval(qx::PortBox::kRescanMs));
    m_portBox->setObjectName(QStringLiteral("portNumber"));
    m_portBox->setToolTip(tr("串口编号 n（即 COMn）、COMn 或设备路径，如 /dev/ttyUSB0"));
    grid->addWidget(m_portBox, row, 1, 1, 2);
    m_openButton = makeButton(m_window, QStringLiteral("openPort"), tr("打开串口"));
    m_openButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    grid->addWidget(m_openButton, row++, 3, 2, 1);
    auto *baudLabel = new QLabel(tr("波特率"), m_window);
    grid->addWidget(baudLabel, row, 0);
    m_baud = makeCombo(m_window, QStringLiteral("pcBaud"), kBaudRates, 3, false);
    grid->addWidget(m_baud, row, 1);
    m_logBox = new QCheckBox(tr("通讯记录"), m_window);
    m_logBox->setObjectName(QStringLiteral("trafficLog"));
    m_logBox->setToolTip(tr("打开串口后把收发的每一块数据连同时间记到 CSV 文件里"));
    connect(m_logBox, &QCheckBox::clicked, this, &PortPanel::onLogClicked);
    grid->addWidget(m_logBox, row++, 2);
    m_choiceGroup = {m_portBox, m_baud, portLabel, baudLabel};
    m_portBox->setValue(kDefaultPort);
    return row;
}

void PortPanel::rememberIn(QSettings *settings)
{
    m_settings = settings;
    if (!settings)
        return;
    // A port that is gone is not offered again: the box keeps its default,
    // and nothing is opened before the user asks.
    const QString port = settings->value(kPortKey).toString();
    if (!port.isEmpty() && QFileInfo::exists(qx::portDevice(port)))
        m_portBox->setValue(port);
    const int baud = m_baud->findText(settings->value(kBaudKey).toString());
    if (baud >= 0)
        m_baud->setCurrentIndex(baud);
    m_logBox->setChecked(settings->value(kLogKey, false).toBool());
}

void PortPanel::applyStartOptions(const StartOptions &options)
{
    if (!options.port.isEmpty())
        m_portBox->setValue(options.port);
    if (options.log)
        m_logBox->setChecked(true);
}

void PortPanel::openOrClose()
{
    if (!m_shownOpen)
        open();
    else
        close();
}

void PortPanel::open()
{
    const QString chosen = m_portBox->value();
    const QString device = qx::portDevice(chosen);
    const int baud = leadingNumber(m_baud->currentText().toLatin1());
    // Another program's lock counts even where the system would let this
    // one open the device too (as it does for root).
    if (const auto holder = qx::portLockHolder(device, m_portSystem)) {
        qx::PortRefusal busy;
        busy.kind = qx::PortRefusal::Busy;
        busy.device = device;
        busy.holder = holder;
        refuse(busy);
        return;
    }
    if (!m_port.OpenDevice(device, baud)) {
        refuse(qx::explainOpenFailure(device, m_port.lastOpenFault(), m_portSystem));
        return;
    }
    showOpen(true);
    if (m_settings) {
        // A device by the name that finds it again wherever it is plugged in.
        m_settings->setValue(kPortKey, qx::portNumber(chosen) > 0 ? chosen : qx::stablePortName(chosen));
        m_settings->setValue(kBaudKey, m_baud->currentText());
    }
    if (m_logBox->isChecked())
        startLog();
}

void PortPanel::refuse(const qx::PortRefusal &refusal)
{
    const QString text = refusal.text();
    if (text.isEmpty())
        message(m_window, tr("串口打开失败"), noticeTitle());
    else
        message(m_window, text, qx::PortRefusal::title(), QMessageBox::Warning);
}

void PortPanel::close()
{
    emit closing();
    m_port.ClosePort();
    m_log.close();
    showOpen(false);
}

void PortPanel::showOpen(bool open)
{
    m_shownOpen = open;
    m_openButton->setText(open ? tr("关闭串口") : tr("打开串口"));
    for (auto *w : m_choiceGroup)
        w->setEnabled(!open);
    emit openChanged(open);
}

void PortPanel::startLog()
{
    const QString chosen = m_portBox->value();
    const qx::TrafficLog::Session session{
        QCoreApplication::applicationName() + QLatin1Char(' ') + qx::programVersion(), chosen,
        qx::portDevice(chosen), m_baud->currentText() + QStringLiteral(",n,8,1")};
    m_log.open(m_logFolder, session);
}

void PortPanel::onLogClicked(bool on)
{
    if (m_settings)
        m_settings->setValue(kLogKey, on);
    if (!on)
        m_log.close();
    else if (m_port.isOpen())
        startLog();
}

void PortPanel::onLogFailed(const QString &text)
{
    // The log is off; the exchange goes on without it.
    m_logBox->setChecked(false);
    message(m_window, text, noticeTitle());
}

} // namespace sms
