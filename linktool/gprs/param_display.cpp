#include "param_display.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace lt {

ParamDisplay::ParamDisplay(QWidget *parent) : QGroupBox(QStringLiteral("系统参数显示"), parent)
{
    setObjectName(QStringLiteral("Frame_display"));
    auto *grid = new QGridLayout(this);
    int row = 0;
    int column = 0;
    // Caption, value label name, placeholder; two pairs a row. A value without
    // a placeholder keeps what it shows over a refresh.
    auto add = [&](const QString &caption, const char *name, const QString &placeholder, bool kept = false) {
        auto *value = new QLabel(placeholder, this);
        value->setObjectName(QLatin1String(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(caption, this), row, column);
        grid->addWidget(value, row, column + 1);
        column += 2;
        if (column == 4) {
            column = 0;
            ++row;
        }
        m_values.insert(value->objectName(), value);
        if (!kept)
            m_placeholder.insert(value, placeholder);
    };
    const QString pair = QStringLiteral("**:**:");
    const QString eight = QStringLiteral("********");
    add(QStringLiteral("模块身份地址"), "Label1_0", pair);
    add(QStringLiteral("模块目标地址"), "Label1_1", pair);
    add(QStringLiteral("心跳时间"), "Label1_3", QStringLiteral("***"));
    add(QStringLiteral("串口数据格式"), "Label1_5", eight);
    add(QStringLiteral("软件版本"), "Label1_9", QStringLiteral("***********"));
    add(QStringLiteral("透明模式"), "Label1_6", eight);
    add(QStringLiteral("工作方式"), "Label1_4", eight);
    add(QStringLiteral("地址开始位置"), "Label1_7", eight);
    add(QStringLiteral("被动方式地址"), "Label1_30", pair);
    add(QStringLiteral("地址类型"), "Label1_34", eight);
    add(QStringLiteral("组内最大数"), "Label1_33", eight);
    add(QStringLiteral("模块重起"), "Label5", QStringLiteral("**"));
    add(QStringLiteral("地址长度"), "Label1_8", eight);
    add(QStringLiteral("模块省电"), "Label7", QStringLiteral("**"));
    add(QStringLiteral("醒后模式"), "Label10", eight);
    add(QStringLiteral("睡醒延时"), "Label8", QStringLiteral("**"));
    add(QStringLiteral("模块内码"), "Label1_27", pair, true);
    // The module's baud rate, without a caption of its own.
    add(QString(), "Label1_2", QStringLiteral("******"));

    m_refreshButton = new QPushButton(QStringLiteral("参数刷新"), this);
    m_refreshButton->setObjectName(QStringLiteral("Command1_4"));
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("Command1_5"));
    grid->addWidget(m_refreshButton, 0, 4);
    grid->addWidget(exit, 1, 4);
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
    show(QStringLiteral("Label1_3"), QString::number(seconds) + QStringLiteral("秒"));
}

void ParamDisplay::showWorkForm(WorkForm form)
{
    show(QStringLiteral("Label1_4"),
         form == WorkForm::Active ? QStringLiteral("主动方式") : QStringLiteral("被动方式"));
}

void ParamDisplay::showTransForm(TransForm form)
{
    show(QStringLiteral("Label1_5"),
         form == TransForm::Format ? QStringLiteral("格式传输") : QStringLiteral("透明传输"));
}

bool ParamDisplay::showTransparentMode(qx3200::TransparentMode mode)
{
    show(QStringLiteral("Label1_6"),
         mode == qx3200::TransparentMode::Mode1 ? QStringLiteral("方式1") : QStringLiteral("方式2"));
    return true;
}

void ParamDisplay::showAddressSettings(const qx3200::AddressSettings &a)
{
    static const QMap<AddressType, QString> types{{AddressType::Ascii, QStringLiteral("ASCII")},
                                                         {AddressType::Hex, QStringLiteral("16进制")},
                                                         {AddressType::Bcd, QStringLiteral("BCD码")},
                                                         {AddressType::R50, QStringLiteral("R50模式")}};
    show(QStringLiteral("Label1_7"), QString::number(a.start));
    show(QStringLiteral("Label1_8"), QString::number(a.length));
    show(QStringLiteral("Label1_33"), QString::number(a.groupMax));
    show(QStringLiteral("Label1_34"), types.value(a.type));
}

void ParamDisplay::showBaud(int baud)
{
    show(QStringLiteral("Label1_2"), QString::number(baud) + QStringLiteral("bps"));
}

void ParamDisplay::showRestartCount(int count)
{
    show(QStringLiteral("Label5"), QString::number(count));
}

void ParamDisplay::showPowerSaving(bool on)
{
    show(QStringLiteral("Label7"), on ? QStringLiteral("有省电") : QStringLiteral("无省电"));
}

void ParamDisplay::showWakeTimes(int idleMs, int dataMs)
{
    show(QStringLiteral("Label8"), qx3200::wakeTimesText(idleMs, dataMs));
}

void ParamDisplay::showWakeMode(qx3200::WakeMode mode)
{
    show(QStringLiteral("Label10"), mode == qx3200::WakeMode::Mode2 ? QStringLiteral("模式2") : QStringLiteral("模式1"));
}

} // namespace lt
