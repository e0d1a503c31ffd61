#include "info_panel.h"

#include "qx3100/requests.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace lt {

const InfoPanel::Row InfoPanel::kRows[] = {
    {"Label3", "工作形式：", "* * * *", &InfoPanel::m_workForm},
    {"Label4", "传输方式：", "* * * *", &InfoPanel::m_transForm},
    {"Label5", "短信密码：", "**:**:**:**:", &InfoPanel::m_password},
    {"Label6", "接收方号码：", "***********", &InfoPanel::m_receiver},
    {"Label7", "串口波特率：", "********", &InfoPanel::m_lineSpeed},
    {"Label8", "软件版本：", "***********", &InfoPanel::m_version},
    {"Label9", "被动方式地址：", "**:**:", &InfoPanel::m_passiveAddress},
    {"Label10", "有无密码：", "****", &InfoPanel::m_passwordUse},
    {"Label12", "重起时间：", "*******", &InfoPanel::m_restartTime},
    {"Label13", "", "********", &InfoPanel::m_spare},
    {"Label15", "地址开始位置：", "**", &InfoPanel::m_addressStart},
    {"Label16", "地址长度：", "**", &InfoPanel::m_addressLength},
    {"Label17", "组内最大数：", "**", &InfoPanel::m_groupMax},
    {"Label18", "地址类型：", "**", &InfoPanel::m_addressType},
    {"Label19", "模块省电：", "**", &InfoPanel::m_powerSaving},
    {"Label22", "醒后延时：", "**", &InfoPanel::m_wakeDelays},
    {"Label30", "醒后模式：", "**", &InfoPanel::m_wakeMode},
};

QString addressTypeText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("ASCII");
    case 1: return QStringLiteral("十六进制");
    case 2: return QStringLiteral("BCD码");
    default: return QStringLiteral("R50模式");
    }
}

InfoPanel::InfoPanel(QWidget *parent) : QGroupBox(QStringLiteral("参数信息"), parent)
{
    auto *grid = new QGridLayout(this);
    int row = 0;
    for (const Row &r : kRows) {
        auto *value = new QLabel(QString::fromUtf8(r.placeholder), this);
        value->setObjectName(QLatin1String(r.name));
        this->*r.label = value;
        grid->addWidget(new QLabel(QString::fromUtf8(r.caption), this), row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    auto *refresh = new QPushButton(QStringLiteral("刷新"), this);
    refresh->setObjectName(QStringLiteral("Command8"));
    auto *exit = new QPushButton(QStringLiteral("退出"), this);
    exit->setObjectName(QStringLiteral("Command10"));
    m_buttons = new QHBoxLayout;
    m_buttons->addWidget(refresh);
    m_buttons->addWidget(exit);
    grid->addLayout(m_buttons, row, 0, 1, 2);
    connect(refresh, &QPushButton::clicked, this, &InfoPanel::refreshClicked);
    connect(exit, &QPushButton::clicked, this, &InfoPanel::exitClicked);
    m_lock.setWidgets({refresh, exit});
}

void InfoPanel::placeBesideRefresh(QWidget *button)
{
    m_buttons->insertWidget(m_buttons->count() - 1, button);
}

void InfoPanel::showPlaceholders()
{
    for (const Row &r : kRows)
        (this->*r.label)->setText(QString::fromUtf8(r.placeholder));
}

void InfoPanel::showWorkForm(bool passive)
{
    m_workForm->setText(passive ? QStringLiteral("被动方式") : QStringLiteral("主动方式"));
}

void InfoPanel::showTransForm(bool transparent)
{
    m_transForm->setText(transparent ? QStringLiteral("透明传输") : QStringLiteral("格式传输"));
}

void InfoPanel::showReceiver(const QString &number)
{
    m_receiver->setText(number);
}

void InfoPanel::showPasswordUse(bool used)
{
    m_passwordUse->setText(used ? QStringLiteral("有密码") : QStringLiteral("无密码"));
}

void InfoPanel::showPassword(const QString &colonText)
{
    m_password->setText(colonText);
}

void InfoPanel::showVersion(const QString &version, const QString &lineSettings)
{
    // The settings without their tail ",n,8,1".
    m_lineSpeed->setText(lineSettings.left(qMax(0, int(lineSettings.size()) - 6)) + QStringLiteral("bps"));
    m_version->setText(version);
}

void InfoPanel::showPassiveAddress(const QString &colonText)
{
    m_passiveAddress->setText(colonText);
}

void InfoPanel::showRestartTime(double seconds)
{
    m_restartTime->setText(qx3100::shortestDecimal(seconds));
}

void InfoPanel::showTransparentMode(int mode)
{
    m_transForm->setText(mode == 2 ? QStringLiteral("透明方式2") : QStringLiteral("透明方式1"));
}

void InfoPanel::showAddressParameters(int start, int length, int maxInGroup, int type)
{
    m_addressStart->setText(QString::number(start));
    m_addressLength->setText(QString::number(length));
    m_groupMax->setText(QString::number(maxInGroup));
    m_addressType->setText(addressTypeText(type));
}

void InfoPanel::showPowerSaving(bool on)
{
    m_powerSaving->setText(on ? QStringLiteral("有省电") : QStringLiteral("无省电"));
}

void InfoPanel::showWakeDelays(double idleSeconds, double dataSeconds)
{
    m_wakeDelays->setText(qx3100::shortestDecimal(idleSeconds) + QStringLiteral("s   ")
                          + qx3100::shortestDecimal(dataSeconds) + QStringLiteral("s"));
}

void InfoPanel::showWakeMode(int mode)
{
    m_wakeMode->setText(mode == 1 ? QStringLiteral("模式1") : QStringLiteral("模式2"));
}

} // namespace lt
