#include "parameter_page.h"

#include "qx3100/requests.h"

#include "link/helpers.h"
#include "ui/typing_aids.h"

#include "box_width.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace lt {

using qx3100::Group;

namespace {

// Transparent mode 2 is not in the transfer list: it is chosen by typing its
// name, in the user's language or as the Chinese the mode is known by.
const char *const kTransparent2 = QT_TRANSLATE_NOOP("lt::ParameterPage", "透明2");

// An editable list whose entries carry their value; it starts with a text of no entry.
QComboBox *valueList(const char *name, const QList<std::pair<QString, int>> &entries, const QString &text)
{
    auto *c = new QComboBox;
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    for (const auto &[caption, value] : entries)
        c->addItem(caption, value);
    c->setCurrentIndex(-1);
    c->setEditText(text);
    // Typed into, the list would not widen for its entries: it is as wide as the longest from the start.
    c->setMinimumWidth(c->sizeHint().width());
    return c;
}

// The value of the entry the list's text names; none for a text typed that names no entry.
std::optional<int> chosenValue(const QComboBox *list)
{
    const int index = list->findText(list->currentText());
    if (index < 0)
        return std::nullopt;
    return list->itemData(index).toInt();
}

void choose(QComboBox *list, int value)
{
    const int index = list->findData(value);
    if (index >= 0)
        list->setCurrentIndex(index);
}

// A box as wide as the longest value it takes (hex pairs are measured as "DD", the widest).
QLineEdit *lineEdit(const QString &name, const QString &text, const QString &longest, int maxLength = 0)
{
    auto *e = new QLineEdit(text);
    e->setObjectName(name);
    if (maxLength > 0)
        e->setMaxLength(maxLength);
    qx::fitToLongest(e, longest);
    return e;
}

// A reply chooses like the user does; true when that changed the choice.
bool chooseFromReply(QRadioButton *option)
{
    if (option->isChecked())
        return false;
    option->setChecked(true);
    return true;
}

} // namespace

ParameterPage::ParameterPage(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QGridLayout(this);
    layout->addWidget(buildWorkMode(), 0, 0, 3, 1);
    layout->addWidget(buildPowerSaving(), 3, 0, 2, 1);
    layout->addWidget(buildPassword(), 0, 1);
    layout->addWidget(buildReceiver(), 1, 1);
    layout->addWidget(buildRestartTime(), 2, 1);
    layout->addWidget(buildBaud(), 3, 1);
    layout->addWidget(buildPassiveAddress(), 4, 1);
    m_lock.setWidgets(m_buttons);
}

QPushButton *ParameterPage::setButton(int index, Group group)
{
    auto *b = new QPushButton(tr("确定"));
    b->setObjectName(QStringLiteral("Command%1").arg(index));
    connect(b, &QPushButton::clicked, this, [this, group] { emit writeRequested(group); });
    m_buttons << b;
    return b;
}

QRadioButton *ParameterPage::option(int index, const QString &caption)
{
    auto *o = new QRadioButton(caption);
    o->setObjectName(QStringLiteral("Option%1").arg(index));
    return o;
}

QWidget *ParameterPage::buildWorkMode()
{
    auto *group = new QGroupBox(tr("工作方式选择"));
    auto *w = new QGridLayout(group);
    m_workForm = valueList("Combo1", {{tr("主动形式"), int(WorkForm::Active)},
                                      {tr("被动形式"), int(WorkForm::Passive)}}, tr("无"));
    m_transfer = valueList("Combo2", {{tr("格式传输"), int(Transfer::Format)},
                                      {tr("透明1"), int(Transfer::Transparent1)}}, tr("无"));
    m_addressType = valueList("Combo4", {{QStringLiteral("ASCII"), int(AddressType::Ascii)},
                                         {tr("16进制"), int(AddressType::Hex)},
                                         {tr("BCD码"), int(AddressType::Bcd)},
                                         {tr("R50模式"), int(AddressType::R50)}}, tr("无"));
    w->addWidget(new QLabel(tr("工作形式")), 0, 0);
    w->addWidget(m_workForm, 0, 1, 1, 2);
    w->addWidget(new QLabel(tr("传输方式")), 1, 0);
    w->addWidget(m_transfer, 1, 1, 1, 2);
    w->addWidget(new QLabel(tr("地址类型")), 2, 0);
    w->addWidget(m_addressType, 2, 1, 1, 2);
    const QString captions[3] = {tr("地址开始位置"), tr("地址长度"), tr("组内最大数")};
    for (int i = 0; i < 3; ++i) {
        QLineEdit *box = lineEdit(QStringLiteral("Text%1").arg(5 + i), {}, QStringLiteral("255"));
        auto *spinner = new QScrollBar(Qt::Vertical);
        spinner->setObjectName(QStringLiteral("VS%1").arg(i + 1));
        // Up raises the value, as a spinner does.
        spinner->setInvertedAppearance(true);
        spinner->setInvertedControls(true);
        spinner->setRange(1, 255);
        spinner->setValue(1);
        spinner->setFixedHeight(box->sizeHint().height());
        connect(spinner, &QScrollBar::valueChanged, box, [box](int v) { box->setText(QString::number(v)); });
        w->addWidget(new QLabel(captions[i]), 3 + i, 0);
        w->addWidget(box, 3 + i, 1);
        w->addWidget(spinner, 3 + i, 2);
        m_addressSpinners[i] = spinner;
        m_addressBoxes[i] = box;
    }
    w->addWidget(setButton(5, Group::WorkMode), 6, 1, 1, 2);

    connect(m_workForm, &QComboBox::currentTextChanged, this, &ParameterPage::workFormChosen);
    connect(m_transfer, &QComboBox::currentTextChanged, this, &ParameterPage::transferChosen);
    transferChosen();
    return group;
}

QWidget *ParameterPage::buildPowerSaving()
{
    auto *group = new QGroupBox(tr("省电"));
    auto *p = new QGridLayout(group);
    auto *saving = new QButtonGroup(group);
    auto *wake = new QButtonGroup(group);
    m_savingOn = option(5, tr("省电"));
    m_savingOff = option(6, tr("不省电"));
    m_wakeMode1 = option(7, tr("模式1"));
    m_wakeMode2 = option(8, tr("模式2"));
    saving->addButton(m_savingOn);
    saving->addButton(m_savingOff);
    wake->addButton(m_wakeMode1);
    wake->addButton(m_wakeMode2);
    p->addWidget(m_savingOn, 0, 0);
    p->addWidget(m_savingOff, 0, 1);
    p->addWidget(m_wakeMode1, 1, 0);
    p->addWidget(m_wakeMode2, 1, 1);
    // The longest delay the module holds: 65535 units of 400 ms.
    m_wakeIdle = lineEdit(QStringLiteral("Text11"), QStringLiteral("1000"), QStringLiteral("26214000"));
    m_wakeData = lineEdit(QStringLiteral("Text13"), QStringLiteral("10000"), QStringLiteral("26214000"));
    p->addWidget(new QLabel(tr("醒后空闲延时(ms)")), 2, 0);
    p->addWidget(m_wakeIdle, 2, 1);
    p->addWidget(new QLabel(tr("醒后数据延时(ms)")), 3, 0);
    p->addWidget(m_wakeData, 3, 1);
    p->addWidget(setButton(14, Group::PowerSaving), 4, 1);
    return group;
}

QWidget *ParameterPage::buildPassword()
{
    auto *group = new QGroupBox(tr("密码设置"));
    auto *pw = new QGridLayout(group);
    auto *use = new QButtonGroup(group);
    m_passwordUsed = option(1, tr("需要"));
    m_passwordUnused = option(2, tr("不需要"));
    use->addButton(m_passwordUsed);
    use->addButton(m_passwordUnused);
    // Choosing sends at once, like the button beside them.
    for (QRadioButton *o : {m_passwordUsed, m_passwordUnused})
        connect(o, &QRadioButton::clicked, this, [this] { emit writeRequested(Group::PasswordUse); });
    pw->addWidget(m_passwordUsed, 0, 0);
    pw->addWidget(m_passwordUnused, 0, 1);
    pw->addWidget(setButton(1, Group::PasswordUse), 0, 2);
    m_password = lineEdit(QStringLiteral("Text1"), QStringLiteral("12:34:56:78:"), QStringLiteral("DD:DD:DD:DD:"), 12);
    installHexColonAid(m_password);
    pw->addWidget(new QLabel(tr("短信密码：")), 1, 0);
    pw->addWidget(m_password, 1, 1);
    pw->addWidget(setButton(2, Group::Password), 1, 2);
    return group;
}

QWidget *ParameterPage::buildReceiver()
{
    auto *group = new QGroupBox(tr("接收方号码设置"));
    auto *r = new QHBoxLayout(group);
    m_receiver = lineEdit(QStringLiteral("Text2"), QStringLiteral("***********"), QStringLiteral("13888888888"), 11);
    r->addWidget(new QLabel(tr("接收号码：")));
    r->addWidget(m_receiver);
    r->addWidget(setButton(3, Group::Receiver));
    return group;
}

QWidget *ParameterPage::buildRestartTime()
{
    auto *group = new QGroupBox(tr("设置没有收到短信重起时间"));
    auto *rs = new QHBoxLayout(group);
    // The longest time the module reports: the most negative 32-bit count of 5 ms.
    m_restartTime = lineEdit(QStringLiteral("Text4"), QStringLiteral("0"), QStringLiteral("-10737418.24"));
    rs->addWidget(new QLabel(tr("时间(s)")));
    rs->addWidget(m_restartTime);
    rs->addWidget(setButton(7, Group::RestartTime));
    return group;
}

QWidget *ParameterPage::buildBaud()
{
    auto *group = new QGroupBox(tr("串口波特率设置"));
    auto *b = new QHBoxLayout(group);
    QList<std::pair<QString, int>> rates;
    for (int bps : code::kBaudRates)
        rates.append({QString::number(bps) + QStringLiteral("bps"), bps});
    m_baud = valueList("Combo3", rates, QStringLiteral("9600bps"));
    b->addWidget(new QLabel(tr("波特率：")));
    b->addWidget(m_baud);
    b->addWidget(setButton(6, Group::Baud));
    return group;
}

QWidget *ParameterPage::buildPassiveAddress()
{
    auto *group = new QGroupBox(tr("被动模式下模块地址"));
    auto *pa = new QHBoxLayout(group);
    m_passiveAddress = lineEdit(QStringLiteral("Text3"), QStringLiteral("**:**"), QStringLiteral("DD:DD:"), 6);
    installHexColonAid(m_passiveAddress);
    pa->addWidget(new QLabel(tr("模块地址：")));
    pa->addWidget(m_passiveAddress);
    pa->addWidget(setButton(4, Group::PassiveAddress));
    return group;
}

std::optional<WorkForm> ParameterPage::workForm() const
{
    const auto value = chosenValue(m_workForm);
    return value ? std::optional(WorkForm(*value)) : std::nullopt;
}

std::optional<ParameterPage::Transfer> ParameterPage::transfer() const
{
    if (const auto value = chosenValue(m_transfer))
        return Transfer(*value);
    const QString typed = m_transfer->currentText();
    if (typed == tr(kTransparent2) || typed == QString::fromUtf8(kTransparent2))
        return Transfer::Transparent2;
    return std::nullopt;
}

AddressType ParameterPage::addressType() const
{
    // A text that names no type (the initial "无" among them) goes out as ASCII.
    return AddressType(chosenValue(m_addressType).value_or(int(AddressType::Ascii)));
}

std::optional<int> ParameterPage::baudRate() const
{
    return chosenValue(m_baud);
}

qx3100::Settings ParameterPage::values(Group group) const
{
    qx3100::Settings s;
    switch (group) {
    case Group::WorkMode:
        s.work_form = workForm();
        if (const auto t = transfer()) {
            s.trans_form = *t == Transfer::Format ? TransForm::Format : TransForm::Transparent;
            if (*t != Transfer::Format)
                s.transparent_mode = *t == Transfer::Transparent2 ? 2 : 1;
        }
        // The spinners' values, not their boxes: the boxes only show them.
        s.address_start = m_addressSpinners[0]->value();
        s.address_length = m_addressSpinners[1]->value();
        s.group_max = m_addressSpinners[2]->value();
        s.address_type = addressType();
        break;
    case Group::PowerSaving:
        s.power_saving = m_savingOn->isChecked();
        s.wake_mode = m_wakeMode1->isChecked() ? 1 : 2;
        s.wake_idle_ms = decimal_value(m_wakeIdle->text());
        s.wake_data_ms = decimal_value(m_wakeData->text());
        break;
    case Group::PasswordUse:
        s.password_required = m_passwordUsed->isChecked();
        break;
    case Group::Password:
        s.password = m_password->text();
        break;
    case Group::Receiver:
        s.receiver = m_receiver->text();
        break;
    case Group::RestartTime:
        s.restart_seconds = decimal_value(m_restartTime->text());
        break;
    case Group::PassiveAddress:
        s.passive_address = m_passiveAddress->text();
        break;
    case Group::Baud:
        s.baud = baudRate();
        break;
    case Group::ModuleType:
        break;   // the model group's, beside the panel
    }
    return s;
}

void ParameterPage::focusField(const QString &field)
{
    if (field == QLatin1String("work_form"))
        m_workForm->setFocus();
    else if (field == QLatin1String("trans_form"))
        m_transfer->setFocus();
}

void ParameterPage::fill(const qx3100::Settings &s)
{
    if (s.work_form)
        choose(m_workForm, int(*s.work_form));
    if (s.trans_form == TransForm::Format) {
        choose(m_transfer, int(Transfer::Format));
    } else if (s.trans_form && s.transparent_mode == 2) {
        m_transfer->setCurrentIndex(-1);
        m_transfer->setEditText(tr(kTransparent2));
    } else if (s.trans_form) {
        choose(m_transfer, int(Transfer::Transparent1));
    }
    const std::optional<int> spinners[] = {s.address_start, s.address_length, s.group_max};
    for (int i = 0; i < 3; ++i)
        if (spinners[i])
            m_addressSpinners[i]->setValue(*spinners[i]);   // its box follows
    if (s.address_type)
        choose(m_addressType, int(*s.address_type));
    if (s.power_saving)
        (*s.power_saving ? m_savingOn : m_savingOff)->setChecked(true);
    if (s.wake_mode)
        (*s.wake_mode == 1 ? m_wakeMode1 : m_wakeMode2)->setChecked(true);
    if (s.wake_idle_ms)
        m_wakeIdle->setText(qx3100::shortestDecimal(*s.wake_idle_ms));
    if (s.wake_data_ms)
        m_wakeData->setText(qx3100::shortestDecimal(*s.wake_data_ms));
    if (s.password_required)
        (*s.password_required ? m_passwordUsed : m_passwordUnused)->setChecked(true);
    if (s.password)
        m_password->setText(*s.password);
    if (s.receiver)
        m_receiver->setText(*s.receiver);
    if (s.restart_seconds)
        m_restartTime->setText(qx3100::shortestDecimal(*s.restart_seconds));
    if (s.passive_address)
        m_passiveAddress->setText(*s.passive_address);
    if (s.baud)
        choose(m_baud, *s.baud);
}

void ParameterPage::showSpinnerValues()
{
    for (int i = 0; i < 3; ++i)
        m_addressBoxes[i]->setText(QString::number(m_addressSpinners[i]->value()));
}

void ParameterPage::workFormChosen()
{
    // No passive address in active form.
    m_passiveAddress->setEnabled(workForm() != WorkForm::Active);
}

void ParameterPage::transferChosen()
{
    // The address settings are those of transparent mode 2 only.
    const bool mode2 = transfer() == Transfer::Transparent2;
    m_addressType->setEnabled(mode2);
    for (QLineEdit *box : m_addressBoxes)
        box->setEnabled(mode2);
}

void ParameterPage::showWorkForm(bool passive)
{
    choose(m_workForm, int(passive ? WorkForm::Passive : WorkForm::Active));
}

void ParameterPage::showTransForm(bool transparent)
{
    choose(m_transfer, int(transparent ? Transfer::Transparent1 : Transfer::Format));
}

void ParameterPage::showReceiver(const QString &number)
{
    m_receiver->setText(number);
}

bool ParameterPage::showPasswordUse(bool used)
{
    return chooseFromReply(used ? m_passwordUsed : m_passwordUnused);
}

void ParameterPage::showPassiveAddress(const QString &colonText)
{
    m_passiveAddress->setText(colonText);
}

void ParameterPage::showRestartTime(double seconds)
{
    m_restartTime->setText(qx3100::shortestDecimal(seconds));
}

void ParameterPage::showAddressType(int type)
{
    // A code past the list's entries leaves the choice as it is.
    if (type >= int(AddressType::Ascii) && type <= int(AddressType::R50))
        choose(m_addressType, type);
}

void ParameterPage::showPowerSaving(bool on)
{
    chooseFromReply(on ? m_savingOn : m_savingOff);
}

void ParameterPage::showWakeDelays(double idleSeconds, double dataSeconds)
{
    m_wakeIdle->setText(qx3100::shortestDecimal(idleSeconds * 1000));
    m_wakeData->setText(qx3100::shortestDecimal(dataSeconds * 1000));
}

void ParameterPage::showWakeMode(int mode)
{
    chooseFromReply(mode == 1 ? m_wakeMode1 : m_wakeMode2);
}

} // namespace lt
