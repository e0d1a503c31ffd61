#include "param_page.h"

#include "choice_list.h"
#include "work_mode_group.h"

#include "box_width.h"
#include "link/helpers.h"
#include "ui/typing_aids.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace lt {

using qx3200::Group;

namespace {

QLabel *caption(const QString &text)
{
    return new QLabel(text);
}

QGroupBox *frame(QWidget *parent, const QString &title, const char *name)
{
    auto *f = new QGroupBox(title, parent);
    f->setObjectName(QLatin1String(name));
    new QGridLayout(f);
    return f;
}

QGridLayout *gridOf(QGroupBox *frame)
{
    return static_cast<QGridLayout *>(frame->layout());
}

QRadioButton *option(const char *name, const QString &text, QButtonGroup *group)
{
    auto *o = new QRadioButton(text);
    o->setObjectName(QLatin1String(name));
    group->addButton(o);
    return o;
}

} // namespace

ParamPage::ParamPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page0"));
    m_workMode = new WorkModeGroup(this);
    QGroupBox *power = powerSavingFrame();
    QGroupBox *target = targetFrame();
    QGroupBox *heartbeat = heartbeatFrame();
    QGroupBox *line = serialLineFrame();
    QGroupBox *passive = passiveAddressFrame();
    // Four columns of about the same height, so that the page is no taller
    // than its tallest group: the serial line alone, the short groups in pairs.
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_workMode, 0, 0, 2, 1);
    grid->addWidget(power, 0, 1);
    grid->addWidget(heartbeat, 1, 1);
    grid->addWidget(line, 0, 2, 2, 1);
    grid->addWidget(target, 0, 3);
    grid->addWidget(passive, 1, 3);
    // A group taller than its rows keeps them together at its top.
    for (QGroupBox *f : {power, target, heartbeat, line, passive})
        gridOf(f)->setRowStretch(gridOf(f)->rowCount(), 1);

    connect(m_workMode, &WorkModeGroup::writeRequested, this, [this] { emit writeRequested(Group::WorkMode); });
    // Only a passive module has an address of its own to set.
    connect(m_workMode, &WorkModeGroup::workFormChosen, this, [this](WorkForm form) {
        const bool passive = form == WorkForm::Passive;
        m_passiveBar->setEnabled(passive);
        m_passiveFrame->setEnabled(passive);
    });
}

QLineEdit *ParamPage::box(const char *name, const QString &text, const QString &longest, int maxLength)
{
    auto *b = new QLineEdit(text, this);
    b->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        b->setMaxLength(maxLength);
    qx::fitToLongest(b, longest);
    return b;
}

void ParamPage::addWriteButton(QGroupBox *frame, int row, int column, int index, Group group, int columnSpan)
{
    auto *b = new QPushButton(tr("确定"), this);
    b->setObjectName(QStringLiteral("Command1_%1").arg(index));
    gridOf(frame)->addWidget(b, row, column, 1, columnSpan);
    connect(b, &QPushButton::clicked, this, [this, group] { emit writeRequested(group); });
}

QGroupBox *ParamPage::powerSavingFrame()
{
    QGroupBox *f = frame(this, tr("省电"), "Frame_power");
    auto *savingGroup = new QButtonGroup(this);
    auto *wakeGroup = new QButtonGroup(this);
    m_savingOn = option("Option3", tr("省电"), savingGroup);
    m_savingOff = option("Option4", tr("不省电"), savingGroup);
    m_wakeMode1 = option("Option7", tr("模式1"), wakeGroup);
    m_wakeMode2 = option("Option8", tr("模式2"), wakeGroup);
    // The most the module keeps: 65535 units of 400 ms.
    const QString longestWake = QString::number(65535 * 400);
    m_wakeIdleBox = box("Text11", QStringLiteral("1000"), longestWake);
    m_wakeDataBox = box("Text12", QStringLiteral("10000"), longestWake);
    QGridLayout *g = gridOf(f);
    g->addWidget(m_savingOn, 0, 0);
    g->addWidget(m_savingOff, 0, 1);
    g->addWidget(caption(tr("醒后空闲时间(ms)")), 1, 0);
    g->addWidget(m_wakeIdleBox, 1, 1);
    g->addWidget(caption(tr("醒后数据时间(ms)")), 2, 0);
    g->addWidget(m_wakeDataBox, 2, 1);
    g->addWidget(m_wakeMode1, 3, 0);
    g->addWidget(m_wakeMode2, 3, 1);
    addWriteButton(f, 4, 1, 9, Group::PowerSaving);
    return f;
}

QGroupBox *ParamPage::targetFrame()
{
    QGroupBox *f = frame(this, tr("目标地址设置"), "Frame_target");
    m_targetProjectBox = box("Text8", QStringLiteral("0"), QStringLiteral("D"), 1);
    m_targetSiteBox = box("Text1_0", QStringLiteral("000"), QStringLiteral("DDD"));
    installKeyFilter(m_targetProjectBox, hex_key);
    QGridLayout *g = gridOf(f);
    g->addWidget(caption(tr("工程号：")), 0, 0);
    g->addWidget(m_targetProjectBox, 0, 1);
    g->addWidget(caption(tr("站点号：")), 1, 0);
    g->addWidget(m_targetSiteBox, 1, 1);
    addWriteButton(f, 2, 1, 6, Group::Target);
    return f;
}

QGroupBox *ParamPage::heartbeatFrame()
{
    QGroupBox *f = frame(this, tr("心跳时间设置"), "Frame_heartbeat");
    m_heartbeatBox = box("Text4", QStringLiteral("300"), QStringLiteral("9999"), 4);
    m_restartCountBox = box("Text10", QStringLiteral("5"), QStringLiteral("255"));
    installKeyFilter(m_heartbeatBox, num_key);
    QGridLayout *g = gridOf(f);
    g->addWidget(caption(tr("时间选择：")), 0, 0);
    g->addWidget(m_heartbeatBox, 0, 1);
    g->addWidget(caption(tr("秒")), 0, 2);
    g->addWidget(caption(tr("模块重起：")), 1, 0);
    g->addWidget(m_restartCountBox, 1, 1);
    g->addWidget(caption(tr("次")), 1, 2);
    addWriteButton(f, 2, 1, 2, Group::Heartbeat);
    return f;
}

QGroupBox *ParamPage::serialLineFrame()
{
    QGroupBox *f = frame(this, tr("通讯设置"), "Frame_line");
    QList<std::pair<QString, int>> rates;
    for (int rate : qx3200::listedBauds())
        rates.append({QString::number(rate) + QStringLiteral("bps"), rate});
    m_baudList = choice::makeList(this, "Combo7", rates);
    // The port's own rate may be shown too, 115200 among them.
    const QString longestRate = QStringLiteral("115200bps");
    m_baudList->setProperty("longestValue", longestRate);
    m_baudList->setMinimumContentsLength(longestRate.size());
    auto *bitsGroup = new QButtonGroup(this);
    auto *parityGroup = new QButtonGroup(this);
    auto *stopGroup = new QButtonGroup(this);
    m_eightBits = option("Option1", QStringLiteral("8"), bitsGroup);
    m_sevenBits = option("Option2", QStringLiteral("7"), bitsGroup);
    m_noParity = option("Option5", tr("无"), parityGroup);
    m_oddParity = option("Option6", tr("奇"), parityGroup);
    m_evenParity = option("Option9", tr("偶"), parityGroup);
    m_oneStopBit = option("Option11", QStringLiteral("1"), stopGroup);
    m_twoStopBits = option("Option10", QStringLiteral("2"), stopGroup);
    QGridLayout *g = gridOf(f);
    g->addWidget(caption(tr("波特率：")), 0, 0);
    g->addWidget(m_baudList, 0, 1, 1, 3);
    g->addWidget(caption(tr("数据位：")), 1, 0);
    g->addWidget(m_eightBits, 1, 1);
    g->addWidget(m_sevenBits, 1, 2);
    g->addWidget(caption(tr("校验位：")), 2, 0);
    g->addWidget(m_noParity, 2, 1);
    g->addWidget(m_oddParity, 2, 2);
    g->addWidget(m_evenParity, 2, 3);
    g->addWidget(caption(tr("停止位：")), 3, 0);
    g->addWidget(m_oneStopBit, 3, 1);
    g->addWidget(m_twoStopBits, 3, 2);
    g->addWidget(caption(tr("  参数设置完成后请重新启动程序！！")), 4, 0, 1, 4);
    addWriteButton(f, 5, 1, 8, Group::SerialLine, 2);
    return f;
}

QGroupBox *ParamPage::passiveAddressFrame()
{
    m_passiveFrame = frame(this, tr("被动方式地址"), "Frame_passive");
    // Two characters, or the two bytes as a read shows them.
    m_passiveAddressBox = box("Text9", QStringLiteral("0"), QStringLiteral("DD:DD:"));
    const QString note = tr("  被动方式下地址是两字节，以ASCII表示");
    m_passiveAddressBox->setToolTip(note);
    m_passiveBar = numberBar(this, "VScroll8", 0, 255);
    QGridLayout *g = gridOf(m_passiveFrame);
    g->addWidget(caption(tr("地址：")), 0, 0);
    g->addWidget(m_passiveAddressBox, 0, 1);
    g->addWidget(m_passiveBar, 0, 2);
    // On one line: a wrapped label's height is not known when the window's
    // least size is, and the rows above it would be squeezed for it.
    g->addWidget(caption(note), 1, 0, 1, 3);
    addWriteButton(m_passiveFrame, 2, 1, 11, Group::PassiveAddress);
    connect(m_passiveBar, &QScrollBar::valueChanged, this,
            [this](int v) { m_passiveAddressBox->setText(QString::number(-v).trimmed()); });
    return m_passiveFrame;
}

void ParamPage::greyDependentControls()
{
    m_workMode->greyDependentControls();
}

void ParamPage::showPortLine(int baud, int dataBits, qx3200::Parity parity, int stopBits)
{
    m_portBaud = baud;
    m_baudList->setEditText(QString::number(baud) + QStringLiteral("bps"));
    (parity == qx3200::Parity::Even ? m_evenParity : parity == qx3200::Parity::Odd ? m_oddParity : m_noParity)
        ->setChecked(true);
    (dataBits == 7 ? m_sevenBits : m_eightBits)->setChecked(true);
    (stopBits == 2 ? m_twoStopBits : m_oneStopBit)->setChecked(true);
}

int ParamPage::chosenBaud() const
{
    return choice::shownValue(m_baudList).value_or(m_portBaud);
}

qx3200::Settings ParamPage::entries(Group group) const
{
    qx3200::Settings s;
    // An empty box has no value; any other text is taken as the module takes numbers.
    auto whole = [](const QLineEdit *b) {
        return b->text().isEmpty() ? std::nullopt : std::optional<int>(qx3200::enteredWholeNumber(b->text()));
    };
    switch (group) {
    case Group::WorkMode:
        m_workMode->entriesInto(s);
        break;
    case Group::PowerSaving:
        s.power_saving = m_savingOn->isChecked();
        s.wake_mode = m_wakeMode1->isChecked() ? qx3200::WakeMode::Mode1 : qx3200::WakeMode::Mode2;
        s.wake_idle_ms = qx3200::enteredNumber(m_wakeIdleBox->text());
        s.wake_data_ms = qx3200::enteredNumber(m_wakeDataBox->text());
        break;
    case Group::Heartbeat:
        s.heartbeat_seconds = whole(m_heartbeatBox);
        s.restart_count = whole(m_restartCountBox);
        break;
    case Group::Target:
        s.target_project = m_targetProjectBox->text();
        s.target_site = m_targetSiteBox->text();
        break;
    case Group::PassiveAddress: {
        // The two bytes the box stands for; a text that stands for none is
        // handed on as it is, for the rules to refuse in their words.
        const QString text = m_passiveAddressBox->text();
        const auto bytes = qx3200::passiveAddressBytes(text);
        s.passive_address = bytes ? hex_text(*bytes) : text;
        break;
    }
    case Group::SerialLine:
        s.baud = chosenBaud();
        s.data_bits = m_sevenBits->isChecked() ? 7 : 8;
        s.parity = m_evenParity->isChecked()  ? qx3200::Parity::Even
                   : m_oddParity->isChecked() ? qx3200::Parity::Odd
                                              : qx3200::Parity::None;
        s.stop_bits = m_twoStopBits->isChecked() ? 2 : 1;
        break;
    case Group::Identity:
        break;
    }
    return s;
}

void ParamPage::fill(const qx3200::Settings &s)
{
    if (s.work_form)
        showWorkForm(*s.work_form);
    if (s.trans_form)
        showTransForm(*s.trans_form);
    if (s.transparent_mode)
        showTransparentMode(*s.transparent_mode);
    if (s.address_start && s.address_length && s.group_max && s.address_type)
        showAddressSettings({*s.address_start, *s.address_length, *s.group_max, *s.address_type});
    if (s.power_saving)
        showPowerSaving(*s.power_saving);
    if (s.wake_mode)
        showWakeMode(*s.wake_mode);
    if (s.wake_idle_ms)
        m_wakeIdleBox->setText(QString::number(*s.wake_idle_ms));
    if (s.wake_data_ms)
        m_wakeDataBox->setText(QString::number(*s.wake_data_ms));
    if (s.heartbeat_seconds)
        showHeartbeat(*s.heartbeat_seconds);
    if (s.restart_count)
        m_restartCountBox->setText(QString::number(*s.restart_count));
    if (s.target_project)
        m_targetProjectBox->setText(*s.target_project);
    if (s.target_site)
        m_targetSiteBox->setText(*s.target_site);
    if (s.passive_address)
        showPassiveAddress(*s.passive_address);
    if (s.baud)
        showBaud(*s.baud);
    if (s.data_bits)
        (*s.data_bits == 7 ? m_sevenBits : m_eightBits)->setChecked(true);
    if (s.parity)
        (*s.parity == qx3200::Parity::Even  ? m_evenParity
         : *s.parity == qx3200::Parity::Odd ? m_oddParity
                                            : m_noParity)
            ->setChecked(true);
    if (s.stop_bits)
        (*s.stop_bits == 2 ? m_twoStopBits : m_oneStopBit)->setChecked(true);
}

void ParamPage::showPassiveAddress(const QString &address)
{
    // The box holds the address as its two characters, so that writing it
    // back sends the same two bytes.
    const int high = hex_pair(address, 0);
    const int low = hex_pair(address, 3);
    const bool printable = high > 0x20 && high < 0x7F && low > 0x20 && low < 0x7F;
    m_passiveAddressBox->setText(printable ? QString(QChar(high)) + QChar(low) : address);
}

void ParamPage::showTarget(const QString &, const QString &project, const QString &site)
{
    m_targetProjectBox->setText(project);
    m_targetSiteBox->setText(site);
}

void ParamPage::showHeartbeat(int seconds)
{
    m_heartbeatBox->setText(QString::number(seconds));
}

void ParamPage::showWorkForm(WorkForm form)
{
    m_workMode->showWorkForm(form);
}

void ParamPage::showTransForm(TransForm form)
{
    m_workMode->showTransForm(form);
}

bool ParamPage::showTransparentMode(qx3200::TransparentMode mode)
{
    return m_workMode->showTransparentMode(mode);
}

void ParamPage::showAddressSettings(const qx3200::AddressSettings &settings)
{
    m_workMode->showAddressSettings(settings);
}

void ParamPage::showBaud(int baud)
{
    choice::show(m_baudList, baud);
}

void ParamPage::showPowerSaving(bool on)
{
    (on ? m_savingOn : m_savingOff)->setChecked(true);
}

void ParamPage::showWakeMode(qx3200::WakeMode mode)
{
    (mode == qx3200::WakeMode::Mode2 ? m_wakeMode2 : m_wakeMode1)->setChecked(true);
}

} // namespace lt
