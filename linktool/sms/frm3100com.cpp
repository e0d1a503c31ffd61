#include "frm3100com.h"

#include "frm3100com_window.h"
#include "phone_table.h"
#include "qx3100_protocol.h"
#include "sms_test_tab.h"

#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/open_link.h"
#include "ui/shared_state.h"
#include "ui/shell.h"
#include "ui/strings.h"
#include "ui/typing_aids.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lt {

namespace {

QPointer<Frm3100COM> g_window;

const QString kNone = QStringLiteral("无");
const QString kActive = QStringLiteral("主动形式");
const QString kPassive = QStringLiteral("被动形式");
const QString kFormat = QStringLiteral("格式传输");
const QString kTransparent1 = QStringLiteral("透明1");
const QString kTransparent2 = QStringLiteral("透明2");

// Information panel: value label, caption, placeholder that refresh puts back.
struct PanelRow {
    const char *name;
    const char *caption;
    const char *placeholder;
};
const PanelRow kPanel[] = {
    {"Label3", "工作形式：", "* * * *"},       {"Label4", "传输方式：", "* * * *"},
    {"Label5", "短信密码：", "**:**:**:**:"},  {"Label6", "接收方号码：", "***********"},
    {"Label7", "串口波特率：", "********"},    {"Label8", "软件版本：", "***********"},
    {"Label9", "被动方式地址：", "**:**:"},    {"Label10", "有无密码：", "****"},
    {"Label12", "重起时间：", "*******"},      {"Label13", "", "********"},
    {"Label15", "地址开始位置：", "**"},       {"Label16", "地址长度：", "**"},
    {"Label17", "组内最大数：", "**"},         {"Label18", "地址类型：", "**"},
    {"Label19", "模块省电：", "**"},           {"Label22", "醒后延时：", "**"},
    {"Label30", "醒后模式：", "**"},
};

QComboBox *combo(QWidget *parent, const char *name, const QStringList &items, const QString &text)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setEditText(text);
    return c;
}

} // namespace

void openFrm3100COM(Shell &shell)
{
    if (g_window) {
        shell.activateChild(g_window);
        // The connect window has just opened the port and left its own parser
        // armed (after a lost link, or for another module): the window takes
        // the new link as it does when it opens.
        g_window->load();
        return;
    }
    auto *window = new Frm3100COM(shell);
    g_window = window;
    QMdiSubWindow *sub = shell.addChild(window);
    // Top left of the frame's area, 11800 x 8180 twips.
    sub->move(0, 0);
    sub->resize(twips(11800), twips(8180));
    window->load();
}

Frm3100COM::Frm3100COM(Shell &shell, QWidget *parent)
    : QWidget(parent), m_shell(shell), m_parser(*this, shell.link().module())
{
    setObjectName(QStringLiteral("frm3100COM"));
    setWindowTitle(QStringLiteral("短信模块参数设置"));

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    m_page0 = new QWidget;
    buildTab0(m_page0);
    auto *page1 = new QWidget;
    auto *page1Layout = new QHBoxLayout(page1);
    m_smsTest = new SmsTestTab(shell, page1);
    m_phone = new PhoneTableGroup(*this, page1);
    page1Layout->addWidget(m_smsTest, 3);
    page1Layout->addWidget(m_phone, 2);
    SSTab1->addTab(m_page0, QStringLiteral("    基本设置    "));
    SSTab1->addTab(page1, QStringLiteral("    短信测试    "));

    auto *side = new QVBoxLayout;
    side->addWidget(buildInfoPanel());
    side->addWidget(buildModelGroup());
    side->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(SSTab1, 3);
    layout->addLayout(side, 1);

    const auto phoneButtons = m_phone->buttons();
    for (int i = 0; i < 3; ++i)
        m_commands[11 + i] = phoneButtons[i];
    QList<QWidget *> buttons;
    for (int i = 1; i <= 14; ++i)
        buttons << m_commands[i];
    m_lock.setWidgets(buttons, {SSTab1});
    QList<QWidget *> keep{SSTab1->tabBar(), m_page0, m_smsTest};
    keep << m_phone->inputs();
    m_keepLock.setWidgets({}, keep);

    const std::pair<QTimer *, const char *> timers[] = {
        {&Timer1, "Timer1"}, {&Timer2, "Timer2"}, {&Timer3, "Timer3"}, {&Timer5, "Timer5"}, {&Timer6, "Timer6"}};
    for (auto [timer, name] : timers) {
        timer->setObjectName(QLatin1String(name));
        timer->setParent(this);   // found by name like every other control
    }
    connect(&Timer1, &QTimer::timeout, this, &Frm3100COM::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &Frm3100COM::Timer2_Timer);
    connect(&Timer3, &QTimer::timeout, this, &Frm3100COM::Timer3_Timer);
    connect(&Timer5, &QTimer::timeout, this, [this] {
        Timer5.stop();
        m_shell.link().setParseMode(ParseMode::Qx3100);
        m_shell.link().port().setDtr(false);
    });
    connect(&Timer6, &QTimer::timeout, this, [this] {
        Timer6.stop();
        refresh();
    });
    connect(SSTab1, &QTabWidget::currentChanged, this, &Frm3100COM::tabChanged);
    // The SMS request's pause locks the window as a sequence does.
    connect(m_smsTest, &SmsTestTab::requestWaiting, this, [this](bool waiting) {
        if (waiting)
            Disable_Command();
        else
            Enable_Command();
    });
    connect(&m_shell.link(), &Link::vanished, this, &Frm3100COM::linkLost);
}

Frm3100COM::~Frm3100COM() = default;

void Frm3100COM::onWrite(QAbstractButton *button, void (Frm3100COM::*handler)())
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] {
        if (portReady())
            (this->*handler)();
    });
}

bool Frm3100COM::portReady()
{
    return port_ready(m_shell.link(), this);
}

QPushButton *Frm3100COM::button(int index, const QString &caption)
{
    auto *b = new QPushButton(caption);
    b->setObjectName(QStringLiteral("Command%1").arg(index));
    m_commands[index] = b;
    return b;
}

QLabel *Frm3100COM::valueLabel(const char *name)
{
    return m_panelLabels.value(QLatin1String(name));
}

void Frm3100COM::buildTab0(QWidget *page)
{
    auto *layout = new QGridLayout(page);
    auto lineEdit = [](const char *name, const QString &text, int maxLength = 0) {
        auto *e = new QLineEdit(text);
        e->setObjectName(QLatin1String(name));
        if (maxLength > 0)
            e->setMaxLength(maxLength);
        return e;
    };
    auto option = [this](int index, const QString &caption, QButtonGroup *group) {
        auto *o = new QRadioButton(caption);
        o->setObjectName(QStringLiteral("Option%1").arg(index));
        group->addButton(o);
        Option[index] = o;
        return o;
    };

    // 工作方式选择
    auto *work = new QGroupBox(QStringLiteral("工作方式选择"));
    auto *w = new QGridLayout(work);
    Combo1 = combo(work, "Combo1", {kActive, kPassive}, kNone);
    Combo2 = combo(work, "Combo2", {kFormat, kTransparent1}, kNone);
    Combo4 = combo(work, "Combo4", {QStringLiteral("ASCII"), QStringLiteral("16进制"), QStringLiteral("BCD码"), QStringLiteral("R50模式")}, kNone);
    w->addWidget(new QLabel(QStringLiteral("工作形式")), 0, 0);
    w->addWidget(Combo1, 0, 1, 1, 2);
    w->addWidget(new QLabel(QStringLiteral("传输方式")), 1, 0);
    w->addWidget(Combo2, 1, 1, 1, 2);
    w->addWidget(new QLabel(QStringLiteral("地址类型")), 2, 0);
    w->addWidget(Combo4, 2, 1, 1, 2);
    Text5 = lineEdit("Text5", {});
    Text6 = lineEdit("Text6", {});
    Text7 = lineEdit("Text7", {});
    QLineEdit *spinText[] = {nullptr, Text5, Text6, Text7};
    const char *spinCaption[] = {nullptr, "地址开始位置", "地址长度", "组内最大数"};
    for (int i = 1; i <= 3; ++i) {
        VS[i] = new QScrollBar(Qt::Vertical);
        VS[i]->setObjectName(QStringLiteral("VS%1").arg(i));
        // Up raises the value, as a spinner does.
        VS[i]->setInvertedAppearance(true);
        VS[i]->setInvertedControls(true);
        VS[i]->setRange(1, 255);
        VS[i]->setValue(1);
        VS[i]->setFixedHeight(spinText[i]->sizeHint().height());
        QLineEdit *box = spinText[i];
        connect(VS[i], &QScrollBar::valueChanged, box, [box](int v) { box->setText(QString::number(v)); });
        w->addWidget(new QLabel(QString::fromUtf8(spinCaption[i])), 2 + i, 0);
        w->addWidget(box, 2 + i, 1);
        w->addWidget(VS[i], 2 + i, 2);
    }
    w->addWidget(button(5, QStringLiteral("确定")), 6, 1, 1, 2);

    // 省电
    auto *power = new QGroupBox(QStringLiteral("省电"));
    auto *p = new QGridLayout(power);
    auto *saving = new QButtonGroup(power);
    auto *wake = new QButtonGroup(power);
    p->addWidget(option(5, QStringLiteral("省电"), saving), 0, 0);
    p->addWidget(option(6, QStringLiteral("不省电"), saving), 0, 1);
    p->addWidget(option(7, QStringLiteral("模式1"), wake), 1, 0);
    p->addWidget(option(8, QStringLiteral("模式2"), wake), 1, 1);
    Text11 = lineEdit("Text11", QStringLiteral("1000"));
    Text13 = lineEdit("Text13", QStringLiteral("10000"));
    p->addWidget(new QLabel(QStringLiteral("醒后空闲延时(ms)")), 2, 0);
    p->addWidget(Text11, 2, 1);
    p->addWidget(new QLabel(QStringLiteral("醒后数据延时(ms)")), 3, 0);
    p->addWidget(Text13, 3, 1);
    p->addWidget(button(14, QStringLiteral("确定")), 4, 1);

    // 密码设置
    auto *password = new QGroupBox(QStringLiteral("密码设置"));
    auto *pw = new QGridLayout(password);
    auto *use = new QButtonGroup(password);
    pw->addWidget(option(1, QStringLiteral("需要"), use), 0, 0);
    pw->addWidget(option(2, QStringLiteral("不需要"), use), 0, 1);
    pw->addWidget(button(1, QStringLiteral("确定")), 0, 2);
    Text1 = lineEdit("Text1", QStringLiteral("12:34:56:78:"), 12);
    pw->addWidget(new QLabel(QStringLiteral("短信密码：")), 1, 0);
    pw->addWidget(Text1, 1, 1);
    pw->addWidget(button(2, QStringLiteral("确定")), 1, 2);

    // 接收方号码设置
    auto *receiver = new QGroupBox(QStringLiteral("接收方号码设置"));
    auto *r = new QHBoxLayout(receiver);
    Text2 = lineEdit("Text2", QStringLiteral("***********"), 11);
    r->addWidget(new QLabel(QStringLiteral("接收号码：")));
    r->addWidget(Text2);
    r->addWidget(button(3, QStringLiteral("确定")));

    // 设置没有收到短信重起时间
    auto *restart = new QGroupBox(QStringLiteral("设置没有收到短信重起时间"));
    auto *rs = new QHBoxLayout(restart);
    Text4 = lineEdit("Text4", QStringLiteral("0"));
    rs->addWidget(new QLabel(QStringLiteral("时间(s)")));
    rs->addWidget(Text4);
    rs->addWidget(button(7, QStringLiteral("确定")));

    // 串口波特率设置
    auto *baud = new QGroupBox(QStringLiteral("串口波特率设置"));
    auto *b = new QHBoxLayout(baud);
    Combo3 = combo(baud, "Combo3",
                   {QStringLiteral("1200bps"), QStringLiteral("2400bps"), QStringLiteral("4800bps"), QStringLiteral("9600bps"),
                    QStringLiteral("14400bps"), QStringLiteral("19200bps"), QStringLiteral("38400bps"),
                    QStringLiteral("57600bps"), QStringLiteral("115200bps")},
                   QStringLiteral("9600bps"));
    b->addWidget(new QLabel(QStringLiteral("波特率：")));
    b->addWidget(Combo3);
    b->addWidget(button(6, QStringLiteral("确定")));

    // 被动模式下模块地址
    auto *passive = new QGroupBox(QStringLiteral("被动模式下模块地址"));
    auto *pa = new QHBoxLayout(passive);
    Text3 = lineEdit("Text3", QStringLiteral("**:**"), 6);
    pa->addWidget(new QLabel(QStringLiteral("模块地址：")));
    pa->addWidget(Text3);
    pa->addWidget(button(4, QStringLiteral("确定")));

    installHexColonAid(Text1);
    installHexColonAid(Text3);

    layout->addWidget(work, 0, 0, 3, 1);
    layout->addWidget(power, 3, 0, 2, 1);
    layout->addWidget(password, 0, 1);
    layout->addWidget(receiver, 1, 1);
    layout->addWidget(restart, 2, 1);
    layout->addWidget(baud, 3, 1);
    layout->addWidget(passive, 4, 1);

    connect(Combo1, &QComboBox::currentTextChanged, this, &Frm3100COM::Combo1_Click);
    connect(Combo2, &QComboBox::currentTextChanged, this, &Frm3100COM::Combo2_Click);
    Combo2_Click();
    onWrite(Option[1], &Frm3100COM::Command1_Click);
    onWrite(Option[2], &Frm3100COM::Command1_Click);
    onWrite(m_commands[1], &Frm3100COM::Command1_Click);
    onWrite(m_commands[2], &Frm3100COM::Command2_Click);
    onWrite(m_commands[3], &Frm3100COM::Command3_Click);
    onWrite(m_commands[4], &Frm3100COM::Command4_Click);
    onWrite(m_commands[5], &Frm3100COM::Command5_Click);
    onWrite(m_commands[6], &Frm3100COM::Command6_Click);
    onWrite(m_commands[7], &Frm3100COM::Command7_Click);
    onWrite(m_commands[14], &Frm3100COM::Command14_Click);
}

QWidget *Frm3100COM::buildInfoPanel()
{
    auto *panel = new QGroupBox(QStringLiteral("参数信息"));
    auto *grid = new QGridLayout(panel);
    int row = 0;
    for (const PanelRow &r : kPanel) {
        auto *value = new QLabel(QString::fromUtf8(r.placeholder), panel);
        value->setObjectName(QLatin1String(r.name));
        m_panelLabels.insert(QLatin1String(r.name), value);
        grid->addWidget(new QLabel(QString::fromUtf8(r.caption), panel), row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    Label3 = valueLabel("Label3");
    Label4 = valueLabel("Label4");
    Label5 = valueLabel("Label5");
    Label6 = valueLabel("Label6");
    Label7 = valueLabel("Label7");
    Label8 = valueLabel("Label8");
    Label9 = valueLabel("Label9");
    Label10 = valueLabel("Label10");
    Label12 = valueLabel("Label12");
    Label13 = valueLabel("Label13");
    Label15 = valueLabel("Label15");
    Label16 = valueLabel("Label16");
    Label17 = valueLabel("Label17");
    Label18 = valueLabel("Label18");
    Label19 = valueLabel("Label19");
    Label22 = valueLabel("Label22");
    Label30 = valueLabel("Label30");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(button(8, QStringLiteral("刷新")));
    buttons->addWidget(button(10, QStringLiteral("退出")));
    grid->addLayout(buttons, row, 0, 1, 2);
    onWrite(m_commands[8], &Frm3100COM::refresh);
    connect(m_commands[10], &QPushButton::clicked, this, &Frm3100COM::close);
    return panel;
}

QWidget *Frm3100COM::buildModelGroup()
{
    auto *group = new QGroupBox(QStringLiteral("设置模块型号"));
    auto *layout = new QHBoxLayout(group);
    auto *models = new QButtonGroup(group);
    for (auto [index, caption] : {std::pair{3, "T100 短信"}, std::pair{4, "T200 GPRS"}}) {
        auto *o = new QRadioButton(QString::fromUtf8(caption));
        o->setObjectName(QStringLiteral("Option%1").arg(index));
        models->addButton(o);
        Option[index] = o;
        layout->addWidget(o);
    }
    layout->addWidget(button(9, QStringLiteral("确定")));
    onWrite(m_commands[9], &Frm3100COM::Command9_Click);
    return group;
}

void Frm3100COM::load()
{
    m_smsTest->hideButtons();
    Link &link = m_shell.link();
    link.registerParser(ParseMode::Qx3100, this, [this](const QByteArray &block) { sms_parser(block); });
    SSTab1->setCurrentIndex(0);
    for (int i = 1; i <= 3; ++i)
        (i == 1 ? Text5 : i == 2 ? Text6 : Text7)->setText(QString::number(VS[i]->value()));
    m_shell.showPortInUse();
    m_shell.setPortUser(this);
    link.port().setDtr(false);
    Timer5.start(timing::interval(1000));
    link.setParseMode(ParseMode::Qx3100);
    Timer6.start(timing::interval(1000));
    m_phone->checkDb();
}

void Frm3100COM::sendFrame(const QByteArray &frame)
{
    m_shell.link().send(frame);
}

void Frm3100COM::sms_parser(const QByteArray &block)
{
    if (shared().sms_tab_mode == 0 && !isPhoneTableAnswer(block))
        m_smsTest->parse(block);
    else
        m_parser.parse(block);
}

void Frm3100COM::Disable_Command()
{
    m_lock.lock();
    m_locked = true;
}

void Frm3100COM::Enable_Command()
{
    if (m_keepLocked) {
        m_keepLock.unlock();
        m_keepLocked = false;
    }
    m_lock.unlock();
    m_locked = false;
}

void Frm3100COM::lockKeeping(QWidget *keep)
{
    // Disabling the tab control would take the pause button with it; the
    // tab bar and every other input are locked instead.
    Disable_Command();
    m_keepLock.lock();
    m_keepLocked = true;
    SSTab1->setEnabled(true);
    keep->setEnabled(true);
}

void Frm3100COM::refresh()
{
    for (const PanelRow &r : kPanel)
        valueLabel(r.name)->setText(QString::fromUtf8(r.placeholder));
    m_parser.read_step = 0;
    Timer2.start(timing::interval(100));
    shared().sms_tab_mode = -1;
    Disable_Command();
}

void Frm3100COM::Timer2_Timer()
{
    static const quint8 queries[] = {0xEC, 0xA3, 0xA1, 0xF1, 0xF8, 0xE2, 0xF9, 0xFB, 0xA2, 0xE1, 0xD3, 0xD2, 0xDB};
    Timer2.start(timing::interval(500));
    const int step = m_parser.read_step;
    if (step >= 0 && step <= 12) {
        sendFrame(qx3100::query(queries[step]));
        m_parser.read_step = 100;
        return;
    }
    Timer2.stop();
    Enable_Command();
    m_parser.read_step = 100;
}

void Frm3100COM::Command5_Click()
{
    // The choices are checked before anything is sent: once the sequence runs,
    // the locked window could not be corrected.
    if (Combo1->currentText() == kNone) {
        Combo1->setFocus();
        message(this, QStringLiteral("你必须选择需要的工作方式"), QStringLiteral("提示信息"));
        return;
    }
    const QString trans = Combo2->currentText();
    if (trans != kFormat && trans != kTransparent1 && trans != kTransparent2) {
        Combo2->setFocus();
        message(this, QStringLiteral("你必须选择需要的传输方式"), QStringLiteral("提示信息"));
        return;
    }
    write_step = 0;
    Timer1.start(timing::interval(100));
    Disable_Command();
}

void Frm3100COM::Timer1_Timer()
{
    Timer1.start(timing::interval(2000));
    switch (write_step) {
    case 0: {
        const QString text = Combo1->currentText();
        if (text == kNone) {
            Combo1->setFocus();
            message(this, QStringLiteral("你必须选择需要的工作方式"), QStringLiteral("提示信息"));
            endWriteSequence(Timer1);
            return;
        }
        if (text == kActive)
            sendFrame(qx3100::setByte(0xF8, 1));
        else if (text == kPassive)
            sendFrame(qx3100::setByte(0xF8, 0));
        write_step = 1;
        break;
    }
    case 1: {
        const QString text = Combo2->currentText();
        if (text == kFormat) {
            sendFrame(qx3100::setByte(0xF9, 1));
            write_step = 5;
        } else if (text == kTransparent1) {
            sendFrame(qx3100::setByte(0xF9, 0));
            write_step = 5;
        } else if (text == kTransparent2) {
            sendFrame(qx3100::setByte(0xF9, 0));
            write_step = 4;
        } else {
            endWriteSequence(Timer1);
        }
        break;
    }
    case 4: {
        QByteArray data;
        data.append(char(VS[1]->value())).append(char(VS[2]->value())).append(char(VS[3]->value()));
        data.append(char(qx3100::addressTypeCode(Combo4->currentText())));
        sendFrame(qx3100::set(0xE1, data));
        write_step = 5;
        break;
    }
    default:
        endWriteSequence(Timer1);
        break;
    }
}

void Frm3100COM::endWriteSequence(QTimer &timer)
{
    timer.stop();
    Enable_Command();
}

void Frm3100COM::Command14_Click()
{
    if (Option[5]->isChecked()) {
        const auto idle = decimal_value(Text11->text());
        const auto data = decimal_value(Text13->text());
        if (!idle || !data || !qx3100::wakeUnits(*idle) || !qx3100::wakeUnits(*data)) {
            message(this, QStringLiteral("您输入的醒后延时不正确"), QStringLiteral("请重新输入醒后延时"));
            return;
        }
    }
    Timer3.start(timing::interval(100));
    Disable_Command();
    write_step = 0;
}

void Frm3100COM::Timer3_Timer()
{
    Timer3.start(timing::interval(1000));
    switch (write_step) {
    case 0: {
        const bool on = Option[5]->isChecked();
        sendFrame(qx3100::setByte(0xD3, on ? 1 : 0));
        write_step = on ? 1 : 3;
        break;
    }
    case 1:
        sendFrame(qx3100::set(0xDB, QByteArray::fromHex(Option[7]->isChecked() ? "00000000" : "01000000")));
        write_step = 2;
        break;
    case 2: {
        const auto idle = qx3100::wakeUnits(decimal_value(Text11->text()).value_or(-1));
        const auto data = qx3100::wakeUnits(decimal_value(Text13->text()).value_or(-1));
        if (idle && data)
            sendFrame(qx3100::set(0xD2, qx3100::be16(*idle) + qx3100::be16(*data)));
        write_step = 3;
        break;
    }
    default:
        m_commands[14]->setEnabled(true);
        endWriteSequence(Timer3);
        break;
    }
}

void Frm3100COM::Command1_Click()
{
    sendFrame(qx3100::setByte(0xA1, Option[1]->isChecked() ? 1 : 0));
}

void Frm3100COM::Command2_Click()
{
    const auto bytes = qx3100::colonBytes(Text1->text(), 4);
    if (!bytes) {
        message(this, QStringLiteral("您输入的短信密码不正确"), QStringLiteral("请重新输入短信密码"));
        return;
    }
    sendFrame(qx3100::set(0xF1, *bytes));
}

void Frm3100COM::Command3_Click()
{
    const auto bytes = qx3100::phoneBytes(Text2->text());
    if (!bytes) {
        message(this, QStringLiteral("您输入的接收方号码不正确"), QStringLiteral("请重新输入接收方号码"));
        return;
    }
    sendFrame(qx3100::set(0xA2, *bytes));
}

void Frm3100COM::Command4_Click()
{
    const auto bytes = qx3100::colonBytes(Text3->text(), 2);
    if (!bytes) {
        message(this, QStringLiteral("您输入的模块地址不正确"), QStringLiteral("请重新输入模块地址"));
        return;
    }
    sendFrame(qx3100::set(0xE2, *bytes));
}

void Frm3100COM::Command6_Click()
{
    sendFrame(qx3100::setByte(0xF2, qx3100::baudCode(Combo3->currentText())));
}

void Frm3100COM::Command7_Click()
{
    const auto seconds = decimal_value(Text4->text());
    const auto units = seconds ? qx3100::restartUnits(*seconds) : std::nullopt;
    if (!units) {
        message(this, QStringLiteral("您输入的重起时间不正确"), QStringLiteral("请重新输入重起时间"));
        return;
    }
    sendFrame(qx3100::set(0xA3, qx3100::be32(*units)));
}

void Frm3100COM::Command9_Click()
{
    if (Option[3]->isChecked())
        sendFrame(qx3100::setByte(0xD1, 2));
    else if (Option[4]->isChecked())
        sendFrame(qx3100::setByte(0xD1, 1));
}

void Frm3100COM::Combo1_Click()
{
    Text3->setEnabled(Combo1->currentText() != kActive);
}

void Frm3100COM::Combo2_Click()
{
    const bool mode2 = Combo2->currentText() == kTransparent2;
    for (QWidget *w : {static_cast<QWidget *>(Combo4), static_cast<QWidget *>(Text5), static_cast<QWidget *>(Text6),
                       static_cast<QWidget *>(Text7)})
        w->setEnabled(mode2);
}

void Frm3100COM::tabChanged(int index)
{
    if (index == 1) {
        setWindowTitle(QStringLiteral("短信模块通信测试"));
        shared().sms_tab_mode = 0;
        m_smsTest->prepare();
    } else {
        setWindowTitle(QStringLiteral("短信模块参数设置"));
        shared().sms_tab_mode = -1;
    }
    m_shell.setSmsMannerVisible(true);
}

void Frm3100COM::linkLost()
{
    for (QTimer *t : {&Timer1, &Timer2, &Timer3, &Timer5, &Timer6})
        t->stop();
    m_phone->linkLost();
    m_smsTest->linkLost();
    if (m_locked)
        Enable_Command();
    m_parser.read_step = 100;
}

void Frm3100COM::closeEvent(QCloseEvent *event)
{
    for (QTimer *t : {&Timer1, &Timer2, &Timer3, &Timer5, &Timer6})
        t->stop();
    m_phone->linkLost();
    m_smsTest->linkLost();
    m_shell.showPortUnused();
    if (m_shell.portUser() == this)
        m_shell.setPortUser(nullptr);
    if (m_shell.link().port().isOpen())
        m_shell.link().port().close();
    event->accept();
}

void Frm3100COM::chooseFromReply(QRadioButton *option)
{
    // A reply chooses like the user does; for the password options that sends 0xA1.
    if (option->isChecked())
        return;
    option->setChecked(true);
    if (option == Option[1] || option == Option[2])
        Command1_Click();
}

// ---- what the frame half of the parser shows ----

void Frm3100COM::initialisationFinished()
{
    postMessage(this, QStringLiteral("模块初始化已经完成，您可以设置参数了"), QStringLiteral("提示信息"));
}

void Frm3100COM::showWorkForm(bool passive)
{
    Label3->setText(passive ? QStringLiteral("被动方式") : QStringLiteral("主动方式"));
    Combo1->setCurrentIndex(passive ? 1 : 0);
    m_smsTest->showWorkForm(passive ? 0 : 1);
}

void Frm3100COM::showTransForm(bool transparent)
{
    Label4->setText(transparent ? QStringLiteral("透明传输") : QStringLiteral("格式传输"));
    Combo2->setCurrentIndex(transparent ? 1 : 0);
    m_smsTest->showTransForm(transparent ? 0 : 1);
}

void Frm3100COM::showReceiver(const QString &number)
{
    Label6->setText(number);
    Text2->setText(number);
}

void Frm3100COM::showPasswordUse(bool used)
{
    Label10->setText(used ? QStringLiteral("有密码") : QStringLiteral("无密码"));
    chooseFromReply(used ? Option[1] : Option[2]);
}

void Frm3100COM::showPassword(const QString &colonText)
{
    Label5->setText(colonText);
}

void Frm3100COM::showVersion(const QString &version)
{
    const QString settings = m_shell.link().port().settings();
    Label7->setText(settings.left(qMax(0, int(settings.size()) - 6)) + QStringLiteral("bps"));
    Label8->setText(version);
}

void Frm3100COM::showPassiveAddress(const QString &colonText)
{
    Label9->setText(colonText);
    Text3->setText(colonText);
}

void Frm3100COM::showRestartTime(double seconds)
{
    Text4->setText(qx3100::shortestDecimal(seconds));
    Label12->setText(Text4->text());
}

void Frm3100COM::showTransparentMode(int mode)
{
    Label4->setText(mode == 2 ? QStringLiteral("透明方式2") : QStringLiteral("透明方式1"));
}

void Frm3100COM::showAddressParameters(int start, int length, int maxInGroup, int type)
{
    Label15->setText(QString::number(start));
    Label16->setText(QString::number(length));
    Label17->setText(QString::number(maxInGroup));
    Label18->setText(qx3100::addressTypeName(type));
    if (type >= 0 && type <= 3)
        Combo4->setCurrentIndex(type);
}

void Frm3100COM::showPowerSaving(bool on)
{
    Label19->setText(on ? QStringLiteral("有省电") : QStringLiteral("无省电"));
    chooseFromReply(on ? Option[5] : Option[6]);
}

void Frm3100COM::showWakeDelays(double idleSeconds, double dataSeconds)
{
    Label22->setText(qx3100::shortestDecimal(idleSeconds) + QStringLiteral("s   ") + qx3100::shortestDecimal(dataSeconds)
                     + QStringLiteral("s"));
    Text11->setText(qx3100::shortestDecimal(idleSeconds * 1000));
    Text13->setText(qx3100::shortestDecimal(dataSeconds * 1000));
}

void Frm3100COM::showWakeMode(int mode)
{
    Label30->setText(mode == 1 ? QStringLiteral("模式1") : QStringLiteral("模式2"));
    chooseFromReply(mode == 1 ? Option[7] : Option[8]);
}

void Frm3100COM::phoneEntryRead(const QByteArray &phoneRec)
{
    m_phone->entryRead(phoneRec);
}

void Frm3100COM::phoneEntryWritten(int high, int low)
{
    m_phone->entryWritten(high, low);
}

} // namespace lt
