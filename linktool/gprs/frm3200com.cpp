#include "frm3200com.h"
#include "frm3200com_window.h"

#include "data_test_page.h"
#include "gprs_protocol.h"
#include "param_display.h"
#include "param_page.h"

#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/network_wait_notice.h"
#include "ui/open_link.h"
#include "ui/shared_state.h"
#include "ui/shell.h"
#include "ui/strings.h"
#include "ui/typing_aids.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace lt {

namespace {

QPointer<Frm3200COM> g_window;

const QString kNone = QStringLiteral("无");
const QString kSystemTitle = QStringLiteral("系统提示");

} // namespace

void openFrm3200COM(Shell &shell, WorkMode mode)
{
    if (g_window) {
        shell.activateChild(g_window);
        g_window->raise();
        // The connect window has just opened the port and left its own parser
        // armed (after a lost link, or with another working mode): the window
        // takes the new link as it does when it opens.
        g_window->load(mode);
        return;
    }
    auto *window = new Frm3200COM(shell, mode);
    g_window = window;
    QMdiSubWindow *sub = shell.addChild(window);
    sub->move(0, 0);
    sub->resize(twips(11800), twips(8180));
}

Frm3200COM *Frm3200COM::instance()
{
    return g_window;
}

Frm3200COM::Frm3200COM(Shell &shell, WorkMode mode, QWidget *parent)
    : QWidget(parent), m_shell(shell), m_workMode(mode),
      m_parser(*this, m_steps, shell.link().module(), [this](const QByteArray &burst) { m_data->parse(burst); })
{
    setObjectName(QStringLiteral("frm3200COM"));
    setWindowTitle(QStringLiteral("模块设置"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    m_page0 = new ParamPage;
    m_data = new DataTestPage(shell);
    auto *page2 = new QWidget;
    page2->setObjectName(QStringLiteral("page2"));
    auto *identity = new QGroupBox(QStringLiteral("身份地址设置"), page2);
    identity->setObjectName(QStringLiteral("Frame_identity"));
    Text2 = new QLineEdit(QStringLiteral("0"), identity);
    Text2->setObjectName(QStringLiteral("Text2"));
    Text2->setMaxLength(1);
    Text3 = new QLineEdit(QStringLiteral("000"), identity);
    Text3->setObjectName(QStringLiteral("Text3"));
    Text3->setMaxLength(3);
    Command1[0] = new QPushButton(QStringLiteral("确定"), identity);
    Command1[0]->setObjectName(QStringLiteral("Command1_0"));
    auto *il = new QGridLayout(identity);
    il->addWidget(new QLabel(QStringLiteral("工程号：")), 0, 0);
    il->addWidget(Text2, 0, 1);
    il->addWidget(new QLabel(QStringLiteral("站点号：")), 1, 0);
    il->addWidget(Text3, 1, 1);
    il->addWidget(Command1[0], 2, 1);
    auto *p2 = new QVBoxLayout(page2);
    p2->addWidget(identity);
    p2->addStretch();
    SSTab1->addTab(m_page0, QStringLiteral("    参数设置    "));
    SSTab1->addTab(m_data, QStringLiteral("    通信测试    "));
    SSTab1->addTab(page2, QStringLiteral("身份地址设置"));
    installKeyFilter(Text2, hex_key);
    installKeyFilter(Text3, hex_key);

    m_display = new ParamDisplay(this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab1, 1);
    layout->addWidget(m_display);

    // The Command1 array, wherever its members sit.
    const QList<QPushButton *> dataButtons = m_data->buttons();
    const int dataIndex[] = {1, 3, 7};
    for (int i = 0; i < 3; ++i)
        Command1[dataIndex[i]] = i < dataButtons.size() ? dataButtons[i]
                                                        : m_data->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(dataIndex[i]));
    Command1[2] = m_page0->Command1_2;
    Command1[4] = m_display->Command1_4;
    Command1[5] = m_display->Command1_5;
    Command1[6] = m_page0->Command1_6;
    Command1[8] = m_page0->Command1_8;
    Command1[9] = m_page0->Command1_9;
    Command1[10] = m_page0->Command1_10;
    Command1[11] = m_page0->Command1_11;
    QList<QWidget *> twelve;
    for (QPushButton *b : Command1)
        twelve << b;
    m_lock.setWidgets(twelve);
    for (int i : {0, 2, 4, 5, 6, 8, 9, 10, 11})
        connect(Command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });

    auto timer = [this](const char *name, int ms, void (Frm3200COM::*tick)()) {
        auto *t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setInterval(timing::interval(ms));
        connect(t, &QTimer::timeout, this, tick);
        return t;
    };
    Timer1 = timer("Timer1", 50, &Frm3200COM::Timer1_Timer);
    Timer2 = timer("Timer2", 100, &Frm3200COM::Timer2_Timer);
    Timer3 = timer("Timer3", 100, &Frm3200COM::Timer3_Timer);
    Timer4 = timer("Timer4", 100, &Frm3200COM::Timer4_Timer);
    Timer5 = timer("Timer5", 100, &Frm3200COM::Timer5_Timer);
    Timer6 = timer("Timer6", 1000, &Frm3200COM::Timer6_Timer);
    Timer7 = timer("Timer7", 100, &Frm3200COM::Timer7_Timer);

    connect(SSTab1, &QTabWidget::currentChanged, this, &Frm3200COM::SSTab1_Click);
    connect(&shell.link(), &Link::vanished, this, &Frm3200COM::linkLost);
    shell.link().registerParser(ParseMode::Qx3200, this, [this](const QByteArray &block) { m_parser.parse(block); });

    load(mode);
}

Frm3200COM::~Frm3200COM() = default;

void Frm3200COM::load(WorkMode mode)
{
    m_workMode = mode;
    ModulePort &port = m_shell.link().port();
    port.setDtr(false);
    SSTab1->setCurrentIndex(mode == WorkMode::AddressSetting ? 2 : 0);
    m_shell.link().setParseMode(ParseMode::Qx3200);

    for (const char *name : {"Text1_4", "Text1_5", "Text1_6"})
        if (auto *b = qobject_cast<QLineEdit *>(dataControl(name)))
            b->clear();
    setDataControlsVisible({"Text1_4", "Text1_5", "Text1_6", "Label2_2", "Label2_4", "Label2_5"}, false);

    const QString settings = port.settings();
    m_page0->Combo7->setEditText(settings.left(qMax(0, int(settings.size()) - 6)) + QStringLiteral("bps"));
    m_page0->disable_();
    port.setDtr(false);
    m_shell.showPortInUse();
    m_shell.setPortUser(this);

    // The module's line options start as the port's own.
    const QStringList parts = settings.split(QLatin1Char(','));
    const QString parity = parts.value(1).toLower();
    (parity == QLatin1String("e") ? m_page0->Option9 : parity == QLatin1String("o") ? m_page0->Option6 : m_page0->Option5)
        ->setChecked(true);
    (parts.value(2) == QLatin1String("7") ? m_page0->Option2 : m_page0->Option1)->setChecked(true);
    (parts.value(3) == QLatin1String("2") ? m_page0->Option10 : m_page0->Option11)->setChecked(true);

    if (!port.isOpen() && port.open() != ModulePort::Opened) {
        message(this, port.serialPort().errorString(), QStringLiteral("错误"), QMessageBox::Critical);
        return;
    }
    Timer6->setInterval(timing::interval(1000));
    Timer6->start();
}

QWidget *Frm3200COM::dataControl(const char *name) const
{
    return m_data->findChild<QWidget *>(QLatin1String(name));
}

void Frm3200COM::setDataControlsVisible(std::initializer_list<const char *> names, bool visible)
{
    for (const char *name : names)
        if (QWidget *w = dataControl(name))
            w->setVisible(visible);
}

void Frm3200COM::SSTab1_Click(int page)
{
    if (m_workMode == WorkMode::DataCommunication && page == 2)
        SSTab1->setCurrentIndex(1);
    else if (m_workMode == WorkMode::AddressSetting && page == 1)
        SSTab1->setCurrentIndex(2);
}

void Frm3200COM::Command1_Click(int index)
{
    if (index != 5 && !linkReady(index))
        return;
    switch (index) {
    case 0:
        set_slave();
        break;
    case 2:
        if (m_page0->Text4->text().isEmpty() || m_page0->Text10->text().isEmpty()) {
            message(this, QStringLiteral("模块设置时参数不全"), kSystemTitle);
            break;
        }
        if (!heartbeatInput())
            break;
        m_steps.para_step = 0;
        // Locked like every other sequence; its last step gives the buttons back.
        commanddisable();
        Timer1->setInterval(timing::interval(50));
        Timer1->start();
        break;
    case 4:
        m_steps.slave_pending = false;
        refresh_para();
        break;
    case 5:
        m_shell.showPortUnused();
        m_shell.link().port().close();
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->close();
        else
            close();
        break;
    case 6:
        set_object();
        break;
    case 8:
        set_baud();
        break;
    case 9:
        if (!powerSavingInput())
            break;
        Timer5->setInterval(timing::interval(100));
        Timer5->start();
        commanddisable();
        m_steps.para_step = 0;
        break;
    case 10:
        m_steps.para_step = 0;
        commanddisable();
        if (!workModeComplete()) {
            message(this, QStringLiteral("模块设置时参数不全"), kSystemTitle);
            // Every button back, not only this one: a later run would
            // otherwise save and restore them disabled for good.
            commandenable();
            break;
        }
        Timer4->setInterval(timing::interval(100));
        Timer4->start();
        break;
    case 11:
        set_bd_address();
        break;
    default:
        break;
    }
}

bool Frm3200COM::linkReady(int index)
{
    // The identity write, the read chain and the working-mode sequence open
    // the port themselves when it is closed: they get their chance first.
    if (index == 0 || index == 4 || index == 10)
        openPortIfClosed();
    return port_ready(m_shell.link(), this);
}

bool Frm3200COM::heartbeatInput()
{
    if (!gprs::heartbeatFrame(m_page0->Text4->text())) {
        message(this, QStringLiteral("心跳时间必须在 0 到 9999 秒之间"), kSystemTitle);
        return false;
    }
    if (!gprs::restartCountFrame(m_page0->Text10->text())) {
        message(this, QStringLiteral("模块重起次数必须在 0 到 255 之间"), kSystemTitle);
        return false;
    }
    return true;
}

bool Frm3200COM::workModeComplete()
{
    const QString c1 = m_page0->Combo1->currentText();
    const QString c2 = m_page0->Combo2->currentText();
    const QString c3 = m_page0->Combo3->currentText();
    // A list still at "无" would leave the sequence waiting for ever.
    if (c1 == kNone || c2 == kNone)
        return false;
    if (c2 == QStringLiteral("透明传输") && c3 == kNone)
        return false;
    if (c3 == QStringLiteral("方式2")
        && (m_page0->Combo4->currentText() == kNone || m_page0->Text5->text().isEmpty()
            || m_page0->Text6->text().isEmpty() || m_page0->Text7->text().isEmpty()))
        return false;
    return true;
}

bool Frm3200COM::powerSavingInput()
{
    if (m_page0->Option3->isChecked() && !gprs::wakeTimesFrame(m_page0->Text11->text(), m_page0->Text12->text())) {
        message(this, QStringLiteral("醒后时间必须在 0 到 26214000 毫秒之间"), kSystemTitle);
        return false;
    }
    return true;
}

void Frm3200COM::send(const QByteArray &frame)
{
    m_shell.link().send(frame);
}

void Frm3200COM::openPortIfClosed()
{
    // After a lost link this is how the window gets its port back: the
    // status panel says so again.
    ModulePort &port = m_shell.link().port();
    if (!port.isOpen() && port.open() == ModulePort::Opened)
        m_shell.showPortInUse();
}

void Frm3200COM::set_slave(quint8 operation)
{
    const auto frame = gprs::addressFrame(gprs::kIdentity, Text2->text(), Text3->text(), operation);
    if (Text2->text().isEmpty()) {
        message(this, QStringLiteral("您还没有输入工程号"), kSystemTitle);
        return;
    }
    if (!frame) {
        message(this, QStringLiteral("您输入站点号错误，站点号是 3 位"), kSystemTitle);
        return;
    }
    // Only a write that goes out waits for its result.
    shared().para_mode = true;
    m_steps.slave_pending = true;
    openPortIfClosed();
    send(*frame);
    if (m_form10)
        m_form10->accept();
    m_form10 = new NetworkWaitNotice(this);
    m_form10->setWindowModality(Qt::ApplicationModal);
    m_form10->show();
}

void Frm3200COM::set_object()
{
    const QString project = m_page0->Text8->text();
    const auto frame = gprs::addressFrame(gprs::kTarget, project, m_page0->Text1_0->text());
    if (project.isEmpty()) {
        message(this, QStringLiteral("您还没有输入工程号"), kSystemTitle);
        return;
    }
    if (!frame) {
        message(this, QStringLiteral("您输入站点号错误，站点号是 3 位"), kSystemTitle);
        return;
    }
    send(*frame);
}

void Frm3200COM::set_bd_address()
{
    const QString text = m_page0->Text9->text();
    if (text.isEmpty()) {
        message(this, QStringLiteral("您还没有输入被动方式地址"), kSystemTitle);
        return;
    }
    const auto frame = gprs::passiveAddressFrame(text);
    if (!frame) {
        message(this, QStringLiteral("被动方式地址只能是 ASCII 字符"), kSystemTitle);
        return;
    }
    send(*frame);
}

void Frm3200COM::set_baud()
{
    const auto parity = m_page0->Option9->isChecked()   ? gprs::Parity::Even
                        : m_page0->Option6->isChecked() ? gprs::Parity::Odd
                                                        : gprs::Parity::None;
    send(gprs::serialLineFrame(m_page0->Combo7->currentText(), m_page0->Option2->isChecked(), parity,
                               m_page0->Option10->isChecked()));
}

void Frm3200COM::refresh_para()
{
    m_display->showPlaceholders();
    commanddisable();
    Timer2->setInterval(timing::interval(100));
    Timer2->start();
    m_steps.para_step = 0;
    m_shell.link().port().setDtr(false);
}

void Frm3200COM::commanddisable()
{
    m_lock.lock();
}

void Frm3200COM::commandenable()
{
    m_lock.unlock();
}

void Frm3200COM::Timer1_Timer()
{
    Timer1->stop();
    Timer1->setInterval(timing::interval(1000));
    Timer1->start();
    if (m_steps.para_step == 0) {
        if (const auto frame = gprs::heartbeatFrame(m_page0->Text4->text()))
            send(*frame);
        m_steps.para_step = 1;
    } else if (m_steps.para_step == 1) {
        if (const auto frame = gprs::restartCountFrame(m_page0->Text10->text()))
            send(*frame);
        Timer1->stop();
        commandenable();
    }
}

void Frm3200COM::Timer2_Timer()
{
    Timer2->stop();
    Timer2->setInterval(timing::interval(400));
    Timer2->start();
    shared().para_mode = true;
    openPortIfClosed();
    if (const auto code = gprs::readChainCode(m_steps.para_step)) {
        send(gprs::readFrame(*code));
        m_steps.para_step = 100;
        return;
    }
    Timer2->stop();
    shared().para_mode = false;
    commandenable();
    m_steps.para_step = 100;
}

void Frm3200COM::Timer3_Timer()
{
    Timer3->stop();
    if (const auto frame = gprs::addressFrame(gprs::kIdentity, Text2->text(), Text3->text(), gprs::kReplace))
        send(*frame);
    closeWaitNotice();
}

void Frm3200COM::Timer4_Timer()
{
    Timer4->stop();
    Timer4->setInterval(timing::interval(1000));
    Timer4->start();
    openPortIfClosed();
    const QString c1 = m_page0->Combo1->currentText();
    const QString c2 = m_page0->Combo2->currentText();
    const QString c3 = m_page0->Combo3->currentText();
    auto &step = m_steps.para_step;
    switch (step) {
    case 0:
        if (c1 == QStringLiteral("主动方式") || c1 == QStringLiteral("被动方式")) {
            send(gprs::workFormFrame(c1 == QStringLiteral("主动方式")));
            step = 1;
        }
        break;
    case 1:
        if (c2 == QStringLiteral("格式传输")) {
            send(gprs::transFormFrame(true));
            step = 100;
        } else if (c2 == QStringLiteral("透明传输")) {
            send(gprs::transFormFrame(false));
            step = 2;
        }
        break;
    case 2:
        if (c3 == QStringLiteral("方式1")) {
            send(gprs::subModeFrame(true));
            step = 100;
        } else if (c3 == QStringLiteral("方式2")) {
            send(gprs::subModeFrame(false));
            step = 3;
        }
        break;
    case 3:
        send(gprs::addressSettingsFrame(-m_page0->VScroll3->value(), -m_page0->VScroll4->value(),
                                        -m_page0->VScroll5->value(), m_page0->Combo4->currentText()));
        step = 100;
        break;
    default:
        commandenable();
        Timer4->stop();
        break;
    }
}

void Frm3200COM::Timer5_Timer()
{
    Timer5->stop();
    Timer5->setInterval(timing::interval(1000));
    Timer5->start();
    auto &step = m_steps.para_step;
    const bool saving = m_page0->Option3->isChecked();
    switch (step) {
    case 0:
        send(gprs::powerSavingFrame(saving));
        step = saving ? 1 : 3;
        break;
    case 1:
        send(gprs::wakeModeFrame(!m_page0->Option7->isChecked()));
        step = 2;
        break;
    case 2:
        if (const auto frame = gprs::wakeTimesFrame(m_page0->Text11->text(), m_page0->Text12->text()))
            send(*frame);
        step = 3;
        break;
    default:
        Timer5->stop();
        commandenable();
        break;
    }
}

void Frm3200COM::Timer6_Timer()
{
    Timer6->stop();
    m_shell.link().port().setDtr(false);
    Command1[4]->click();
}

void Frm3200COM::Timer7_Timer()
{
    Timer7->stop();
    set_slave();
}

void Frm3200COM::stopTimers()
{
    for (QTimer *t : {Timer1, Timer2, Timer3, Timer4, Timer5, Timer6, Timer7})
        t->stop();
}

void Frm3200COM::linkLost()
{
    stopTimers();
    m_data->linkLost();
    closeWaitNotice();
    shared().para_mode = false;
    m_steps.para_step = 100;
    m_steps.slave_pending = false;
    commandenable();
}

void Frm3200COM::closeEvent(QCloseEvent *event)
{
    stopTimers();
    m_data->linkLost();
    closeWaitNotice();
    if (m_shell.portUser() == this)
        m_shell.setPortUser(nullptr);
    m_shell.link().port().close();
    m_shell.showPortUnused();
    event->accept();
}

// What the replies show.

void Frm3200COM::showIdentity(const QString &address, const QString &project, const QString &site,
                              const QString &internalCode)
{
    m_display->label1(0)->setText(address);
    Text2->setText(project);
    Text3->setText(site);
    m_display->label1(27)->setText(internalCode);
}

void Frm3200COM::showVersion(const QString &text)
{
    m_display->label1(9)->setText(text);
}

void Frm3200COM::showPassiveAddress(const QString &address)
{
    m_display->label1(30)->setText(address);
    if (auto *b = qobject_cast<QLineEdit *>(dataControl("Text1_4")))
        b->setText(address);
    // The address box holds the address as its two characters, so that
    // writing it back sends the same two bytes.
    const int high = hex_value(address.at(0).unicode()) * 16 + hex_value(address.at(1).unicode());
    const int low = hex_value(address.at(3).unicode()) * 16 + hex_value(address.at(4).unicode());
    const bool printable = high > 0x20 && high < 0x7F && low > 0x20 && low < 0x7F;
    m_page0->Text9->setText(printable ? QString(QChar(high)) + QChar(low) : address);
}

void Frm3200COM::showTarget(const QString &address, const QString &project, const QString &site)
{
    m_display->label1(1)->setText(address);
    m_page0->Text8->setText(project);
    m_page0->Text1_0->setText(site);
}

void Frm3200COM::showHeartbeat(const QString &seconds)
{
    m_display->label1(3)->setText(seconds);
    m_page0->Text4->setText(seconds);
    m_display->label1(3)->setText(seconds + QStringLiteral("秒"));
}

void Frm3200COM::showWorkForm(bool active)
{
    m_display->label1(4)->setText(active ? QStringLiteral("主动方式") : QStringLiteral("被动方式"));
    for (int i : {3, 7})
        if (Command1[i])
            Command1[i]->setVisible(!active);
    setDataControlsVisible({"Label2_4", "Text1_4"}, !active);
    m_page0->select(m_page0->Combo1, active ? 0 : 1);
}

void Frm3200COM::showTransForm(bool format)
{
    m_display->label1(5)->setText(format ? QStringLiteral("格式传输") : QStringLiteral("透明传输"));
    setDataControlsVisible({"Text1_5", "Text1_6", "Label2_2", "Label2_5"}, format);
    m_page0->select(m_page0->Combo2, format ? 0 : 1);
}

bool Frm3200COM::showSubMode(bool mode1)
{
    m_display->label1(6)->setText(mode1 ? QStringLiteral("方式1") : QStringLiteral("方式2"));
    return m_page0->select(m_page0->Combo3, mode1 ? 0 : 1);
}

void Frm3200COM::showAddressSettings(int start, int length, int groupMax, const QString &typeText, int typeIndex)
{
    m_display->label1(7)->setText(QString::number(start));
    m_display->label1(8)->setText(QString::number(length));
    m_display->label1(33)->setText(QString::number(groupMax));
    m_display->label1(34)->setText(typeText);
    // The type first: it sets how long an address may be, and a length put
    // in before that would be cut to the old type's range.
    if (typeIndex >= 0)
        m_page0->select(m_page0->Combo4, typeIndex);
    m_page0->showAddressValues(start, length, groupMax);
}

void Frm3200COM::showBaud(const QString &text, int index)
{
    m_display->label1(2)->setText(text);
    m_page0->select(m_page0->Combo7, index);
}

void Frm3200COM::showRestartCount(const QString &text)
{
    m_display->Label5->setText(text.trimmed());
}

void Frm3200COM::showPowerSaving(bool on)
{
    m_display->Label7->setText(on ? QStringLiteral("有省电") : QStringLiteral("无省电"));
    (on ? m_page0->Option3 : m_page0->Option4)->setChecked(true);
}

void Frm3200COM::showWakeTimes(const QString &text)
{
    m_display->Label8->setText(text);
}

void Frm3200COM::showWakeMode(bool mode2)
{
    m_display->Label10->setText(mode2 ? QStringLiteral("模式2") : QStringLiteral("模式1"));
    (mode2 ? m_page0->Option8 : m_page0->Option7)->setChecked(true);
}

void Frm3200COM::closeWaitNotice()
{
    if (m_form10)
        m_form10->accept();
}

void Frm3200COM::startReplace()
{
    Timer3->setInterval(timing::interval(100));
    Timer3->start();
}

void Frm3200COM::startSlaveRetry()
{
    Timer7->setInterval(timing::interval(100));
    Timer7->start();
}

} // namespace lt
