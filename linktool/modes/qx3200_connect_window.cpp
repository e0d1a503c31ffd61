#include "qx3200_connect_window.h"

#include "restart_notice.h"

#include "gprs/qx3200_window.h"
#include "link/frame.h"
#include "link/link.h"
#include "ui/message_box.h"
#include "ui/shell.h"

#include "port_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

namespace lt {

namespace {

const QString kDataBitsKey = QStringLiteral("dataBits");
const QString kParityKey = QStringLiteral("parity");
const QString kStopBitsKey = QStringLiteral("stopBits");

QRadioButton *option(int number, const QString &caption, QWidget *parent)
{
    auto *o = new QRadioButton(caption, parent);
    o->setObjectName(QStringLiteral("Option%1").arg(number));
    return o;
}

// One group per line setting, its first option selected.
QGroupBox *lineGroup(const QString &title, std::initializer_list<QRadioButton *> options, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *row = new QHBoxLayout(box);
    for (QRadioButton *o : options) {
        o->setParent(box);
        row->addWidget(o);
    }
    (*options.begin())->setChecked(true);
    return box;
}

} // namespace

Qx3200ConnectWindow::Qx3200ConnectWindow(Shell &shell)
    : ConnectWindow(shell, "frmQX3200", ParseMode::Qx3200Connect), m_eightBits(option(4, QStringLiteral("8"), this)),
      m_sevenBits(option(3, QStringLiteral("7"), this)), m_noParity(option(5, tr("无"), this)),
      m_oddParity(option(6, tr("奇"), this)), m_evenParity(option(9, tr("偶"), this)),
      m_oneStopBit(option(11, QStringLiteral("1"), this)), m_twoStopBits(option(10, QStringLiteral("2"), this)),
      m_dataCommunication(option(1, tr("数据通信"), this)), m_addressSetting(option(2, tr("地址设置"), this)),
      m_enter(new QPushButton(tr("进入"), this))
{
    m_enter->setObjectName(QStringLiteral("Command1_2"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("串口号"), this), 0, 0);
    grid->addWidget(portList(), 0, 1);
    grid->addWidget(new QLabel(tr("波特率"), this), 1, 0);
    grid->addWidget(baudList(), 1, 1);
    grid->addWidget(lineGroup(tr("数据位"), {m_eightBits, m_sevenBits}, this), 2, 0, 1, 2);
    grid->addWidget(lineGroup(tr("校验位"), {m_noParity, m_oddParity, m_evenParity}, this), 3, 0, 1, 2);
    grid->addWidget(lineGroup(tr("停止位"), {m_oneStopBit, m_twoStopBits}, this), 4, 0, 1, 2);

    // The mode options are set by the verdict and by the user alike; neither
    // leaves them both checked.
    auto *mode = new QGroupBox(this);
    auto *modeRow = new QHBoxLayout(mode);
    for (QRadioButton *o : {m_dataCommunication, m_addressSetting}) {
        o->setParent(mode);
        o->setAutoExclusive(false);
        modeRow->addWidget(o);
    }
    grid->addWidget(mode, 5, 0, 1, 2);
    grid->addWidget(progressBar(), 6, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(connectButton());
    buttons->addWidget(cancelButton());
    buttons->addWidget(m_enter);
    grid->addLayout(buttons, 7, 0, 1, 2);

    connect(m_dataCommunication, &QRadioButton::clicked, this, &Qx3200ConnectWindow::chooseDataCommunication);
    connect(m_addressSetting, &QRadioButton::clicked, this, &Qx3200ConnectWindow::chooseAddressSetting);
    connect(m_enter, &QPushButton::clicked, this, &Qx3200ConnectWindow::enterClicked);

    setModeOptions(false, nullptr);
    m_enter->setEnabled(false);
    restoreChoices();
}

void Qx3200ConnectWindow::restoreLine(const QSettings &settings)
{
    // Kept as the line names them ("7", "E", "2"); anything else leaves the option as it is.
    const QString dataBits = settings.value(kDataBitsKey).toString();
    const QString parity = settings.value(kParityKey).toString();
    const QString stopBits = settings.value(kStopBitsKey).toString();
    if (dataBits == QLatin1String("8"))
        m_eightBits->setChecked(true);
    else if (dataBits == QLatin1String("7"))
        m_sevenBits->setChecked(true);
    if (parity == QLatin1String("n"))
        m_noParity->setChecked(true);
    else if (parity == QLatin1String("O"))
        m_oddParity->setChecked(true);
    else if (parity == QLatin1String("E"))
        m_evenParity->setChecked(true);
    if (stopBits == QLatin1String("1"))
        m_oneStopBit->setChecked(true);
    else if (stopBits == QLatin1String("2"))
        m_twoStopBits->setChecked(true);
}

void Qx3200ConnectWindow::rememberLine(QSettings &settings) const
{
    // lineTail() is what was opened: parity, data bits, stop bits.
    const QStringList parts = lineTail().split(QLatin1Char(','));
    settings.setValue(kParityKey, parts.value(0));
    settings.setValue(kDataBitsKey, parts.value(1));
    settings.setValue(kStopBitsKey, parts.value(2));
}

QString Qx3200ConnectWindow::lineTail() const
{
    QString tail = m_evenParity->isChecked() ? QStringLiteral("E,") : m_oddParity->isChecked() ? QStringLiteral("O,") : QStringLiteral("n,");
    tail += m_sevenBits->isChecked() ? QStringLiteral("7,") : QStringLiteral("8,");
    tail += m_twoStopBits->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
    return tail;
}

void Qx3200ConnectWindow::setModeOptions(bool enabled, QRadioButton *selected)
{
    for (QRadioButton *o : {m_dataCommunication, m_addressSetting}) {
        o->setEnabled(enabled);
        o->setChecked(o == selected);
    }
}

void Qx3200ConnectWindow::verdict(quint8 moduleType)
{
    if (moduleType != code::kGprsModule) {
        message(this, tr("您的模块与测试软件不一样，请与厂家联系"), tr("提示"), QMessageBox::Warning);
        return;
    }
    connectButton()->setEnabled(true);
    cancelButton()->setEnabled(true);
    m_enter->setEnabled(true);
    progressBar()->setValue(0);
    if (link().identity().workingMode == code::kDataCommunicationReported) {
        setModeOptions(true, m_dataCommunication);
        chooseDataCommunication();
    } else {
        setModeOptions(true, m_addressSetting);
        chooseAddressSetting();
    }
}

void Qx3200ConnectWindow::forgetVerdict()
{
    // Until this module has answered, neither a mode change nor Enter may act
    // on the one before it.
    setModeOptions(false, nullptr);
    m_enter->setEnabled(false);
}

void Qx3200ConnectWindow::chooseDataCommunication()
{
    setModeOptions(m_dataCommunication->isEnabled(), m_dataCommunication);
    if (link().identity().workingMode != code::kDataCommunicationReported)
        changeMode(code::kSetDataCommunication);
}

void Qx3200ConnectWindow::chooseAddressSetting()
{
    setModeOptions(m_addressSetting->isEnabled(), m_addressSetting);
    if (link().identity().workingMode != code::kAddressSettingReported)
        changeMode(code::kSetAddressSetting);
}

void Qx3200ConnectWindow::changeMode(quint8 value)
{
    link().send(frame::write_request(code::kWorkingMode, QByteArray(1, char(value))));
    auto *notice = new RestartNotice(m_shell,
                                     tr("您设置了QX3200模块通信模式，模块已经重新启动，需要等待一点时间"),
                                     [window = QPointer<Qx3200ConnectWindow>(this)] {
                                         if (window)
                                             window->resetAfterRestart();
                                     });
    notice->show();
}

void Qx3200ConnectWindow::resetAfterRestart()
{
    setModeOptions(false, nullptr);
    setListsEnabled(true);
    connectButton()->setEnabled(true);
    cancelButton()->setEnabled(false);
    m_enter->setEnabled(true);
}

void Qx3200ConnectWindow::enterClicked()
{
    const bool data = m_dataCommunication->isChecked() && m_dataCommunication->isEnabled();
    const bool address = m_addressSetting->isChecked() && m_addressSetting->isEnabled();
    Shell &shell = m_shell;
    accept();   // the port stays open for the QX3200 window
    if (data)
        openQx3200Window(shell, WorkMode::DataCommunication);
    else if (address)
        openQx3200Window(shell, WorkMode::AddressSetting);
}

void openQx3200Connect(Shell &shell)
{
    (new Qx3200ConnectWindow(shell))->show();
}

} // namespace lt
