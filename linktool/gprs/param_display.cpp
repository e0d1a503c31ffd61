#include "param_display.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace lt {

namespace {

QString heartbeatText(int seconds)
{
    return QString::number(seconds) + ParamDisplay::tr("秒");
}

QString workFormText(WorkForm form)
{
    return form == WorkForm::Active ? ParamDisplay::tr("主动方式") : ParamDisplay::tr("被动方式");
}

QString transFormText(TransForm form)
{
    return form == TransForm::Format ? ParamDisplay::tr("格式传输") : ParamDisplay::tr("透明传输");
}

QString transparentModeText(qx3200::TransparentMode mode)
{
    return mode == qx3200::TransparentMode::Mode1 ? ParamDisplay::tr("方式1") : ParamDisplay::tr("方式2");
}

QString addressTypeText(AddressType type)
{
    switch (type) {
    case AddressType::Ascii:
        return QStringLiteral("ASCII");
    case AddressType::Hex:
        return ParamDisplay::tr("16进制");
    case AddressType::Bcd:
        return ParamDisplay::tr("BCD码");
    case AddressType::R50:
        return ParamDisplay::tr("R50模式");
    }
    return {};
}

QString powerSavingText(bool on)
{
    return on ? ParamDisplay::tr("有省电") : ParamDisplay::tr("无省电");
}

QString wakeModeText(qx3200::WakeMode mode)
{
    return mode == qx3200::WakeMode::Mode2 ? ParamDisplay::tr("模式2") : ParamDisplay::tr("模式1");
}

QString baudText(int baud)
{
    return QString::number(baud) + QStringLiteral("bps");
}

} // namespace

ParamDisplay::ParamDisplay(QWidget *parent) : QGroupBox(tr("系统参数显示"), parent)
{
    setObjectName(QStringLiteral("Frame_display"));
    auto *grid = new QGridLayout(this);
    int row = 0;
    int column = 0;
    // Caption, value label name, placeholder, the other texts the value may
    // show (its width is the widest of them, so that a read never cuts one);
    // three pairs a row. A value without a placeholder keeps what it shows over
    // a refresh.
    auto add = [&](const QString &caption, const char *name, const QString &placeholder, const QStringList &shown,
                   bool kept = false) {
        auto *value = new QLabel(placeholder, this);
        value->setObjectName(QLatin1String(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        int widest = 0;
        for (const QString &text : shown + QStringList{placeholder})
            widest = qMax(widest, value->fontMetrics().horizontalAdvance(text));
        value->setMinimumWidth(widest);
        grid->addWidget(new QLabel(caption, this), row, column);
        grid->addWidget(value, row, column + 1);
        column += 2;
        if (column == 6) {
            column = 0;
            ++row;
        }
        m_values.insert(value->objectName(), value);
        if (!kept)
            m_placeholder.insert(value, placeholder);
    };
    const QString pair = QStringLiteral("**:**:");
    const QString eight = QStringLiteral("********");
    const QStringList address{QStringLiteral("DD:DD:")};
    const QStringList number{QStringLiteral("255")};
    // The longest a read shows: 65535 units of 400 ms each.
    const int longestWakeMs = 65535 * 400;
    add(tr("模块身份地址"), "Label1_0", pair, address);
    add(tr("模块目标地址"), "Label1_1", pair, address);
    add(tr("心跳时间"), "Label1_3", QStringLiteral("***"), {heartbeatText(65535)});
    add(tr("串口数据格式"), "Label1_5", eight,
        {transFormText(TransForm::Format), transFormText(TransForm::Transparent)});
    // Eleven characters, as the module names itself.
    add(tr("软件版本"), "Label1_9", QStringLiteral("***********"), {QStringLiteral("DDDDDDDDDDD")});
    add(tr("透明模式"), "Label1_6", eight,
        {transparentModeText(qx3200::TransparentMode::Mode1), transparentModeText(qx3200::TransparentMode::Mode2)});
    add(tr("工作方式"), "Label1_4", eight, {workFormText(WorkForm::Active), workFormText(WorkForm::Passive)});
    add(tr("地址开始位置"), "Label1_7", eight, number);
    add(tr("被动方式地址"), "Label1_30", pair, address);
    add(tr("地址类型"), "Label1_34", eight,
        {addressTypeText(AddressType::Ascii), addressTypeText(AddressType::Hex), addressTypeText(AddressType::Bcd),
         addressTypeText(AddressType::R50)});
    add(tr("组内最大数"), "Label1_33", eight, number);
    add(tr("模块重起"), "Label5", QStringLiteral("**"), number);
    add(tr("地址长度"), "Label1_8", eight, number);
    add(tr("模块省电"), "Label7", QStringLiteral("**"), {powerSavingText(true), powerSavingText(false)});
    add(tr("醒后模式"), "Label10", eight,
        {wakeModeText(qx3200::WakeMode::Mode1), wakeModeText(qx3200::WakeMode::Mode2)});
    add(tr("睡醒延时"), "Label8", QStringLiteral("**"),
        {qx3200::wakeTimesText(longestWakeMs - 400, longestWakeMs - 400)});
    add(tr("模块内码"), "Label1_27", pair, address, true);
    // The module's baud rate, without a caption of its own.
    add(QString(), "Label1_2", QStringLiteral("******"), {baudText(115200)});

    m_refreshButton = new QPushButton(tr("参数刷新"), this);
    m_refreshButton->setObjectName(QStringLiteral("Command1_4"));
    auto *exit = new QPushButton(tr("退出"), this);
    exit->setObjectName(QStringLiteral("Command1_5"));
    grid->addWidget(m_refreshButton, 0, 6);
    grid->addWidget(exit, 1, 6);
    connect(m_refreshButton, &QPushButton::clicked, this, &ParamDisplay::refreshRequested);
    connect(exit, &QPushButton::clicked, this, &ParamDisplay::exitRequested);
}

void ParamDisplay::showPlaceholders()
{
    for (auto it = m_placeholder.cbegin(); it != m_placeholder.cend(); ++it)
        it.key()->setText(it.value());
}

void ParamDisplay::pressRefresh()
{
    m_refreshButton->click();
}

void ParamDisplay::show(const QString &name, const QString &text)
{
    m_values.value(name)->setText(text);
}

void ParamDisplay::showIdentity(const QString &address, const QString &, const QString &, const QString &internalCode)
{
    show(QStringLiteral("Label1_0"), address);
    show(QStringLiteral("Label1_27"), internalCode);
}

void ParamDisplay::showVersion(const QString &text)
{
    show(QStringLiteral("Label1_9"), text);
}

void ParamDisplay::showPassiveAddress(const QString &address)
{
    show(QStringLiteral("Label1_30"), address);
}

void ParamDisplay::showTarget(const QString &address, const QString &, const QString &)
{
    show(QStringLiteral("Label1_1"), address);
}

void ParamDisplay::showHeartbeat(int seconds)
{
    show(QStringLiteral("Label1_3"), heartbeatText(seconds));
}

void ParamDisplay::showWorkForm(WorkForm form)
{
    show(QStringLiteral("Label1_4"), workFormText(form));
}

void ParamDisplay::showTransForm(TransForm form)
{
    show(QStringLiteral("Label1_5"), transFormText(form));
}

bool ParamDisplay::showTransparentMode(qx3200::TransparentMode mode)
{
    show(QStringLiteral("Label1_6"), transparentModeText(mode));
    return true;
}

void ParamDisplay::showAddressSettings(const qx3200::AddressSettings &a)
{
    show(QStringLiteral("Label1_7"), QString::number(a.start));
    show(QStringLiteral("Label1_8"), QString::number(a.length));
    show(QStringLiteral("Label1_33"), QString::number(a.groupMax));
    show(QStringLiteral("Label1_34"), addressTypeText(a.type));
}

void ParamDisplay::showBaud(int baud)
{
    show(QStringLiteral("Label1_2"), baudText(baud));
}

void ParamDisplay::showRestartCount(int count)
{
    show(QStringLiteral("Label5"), QString::number(count));
}

void ParamDisplay::showPowerSaving(bool on)
{
    show(QStringLiteral("Label7"), powerSavingText(on));
}

void ParamDisplay::showWakeTimes(int idleMs, int dataMs)
{
    show(QStringLiteral("Label8"), qx3200::wakeTimesText(idleMs, dataMs));
}

void ParamDisplay::showWakeMode(qx3200::WakeMode mode)
{
    show(QStringLiteral("Label10"), wakeModeText(mode));
}

} // namespace lt
