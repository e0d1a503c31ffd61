#include "info_panel.h"

#include "qx3100/requests.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace lt {

const InfoPanel::Row InfoPanel::kRows[] = {
    {"Label3", QT_TRANSLATE_NOOP("lt::InfoPanel", "工作形式："), "* * * *", &InfoPanel::m_workForm},
    {"Label4", QT_TRANSLATE_NOOP("lt::InfoPanel", "传输方式："), "* * * *", &InfoPanel::m_transForm},
    {"Label5", QT_TRANSLATE_NOOP("lt::InfoPanel", "短信密码："), "**:**:**:**:", &InfoPanel::m_password},
    {"Label6", QT_TRANSLATE_NOOP("lt::InfoPanel", "接收方号码："), "***********", &InfoPanel::m_receiver},
    {"Label7", QT_TRANSLATE_NOOP("lt::InfoPanel", "串口波特率："), "********", &InfoPanel::m_lineSpeed},
    {"Label8", QT_TRANSLATE_NOOP("lt::InfoPanel", "软件版本："), "***********", &InfoPanel::m_version},
    {"Label9", QT_TRANSLATE_NOOP("lt::InfoPanel", "被动方式地址："), "**:**:", &InfoPanel::m_passiveAddress},
    {"Label10", QT_TRANSLATE_NOOP("lt::InfoPanel", "有无密码："), "****", &InfoPanel::m_passwordUse},
    {"Label12", QT_TRANSLATE_NOOP("lt::InfoPanel", "重起时间："), "*******", &InfoPanel::m_restartTime},
    {"Label13", "", "********", &InfoPanel::m_spare},
    {"Label15", QT_TRANSLATE_NOOP("lt::InfoPanel", "地址开始位置："), "**", &InfoPanel::m_addressStart},
    {"Label16", QT_TRANSLATE_NOOP("lt::InfoPanel", "地址长度："), "**", &InfoPanel::m_addressLength},
    {"Label17", QT_TRANSLATE_NOOP("lt::InfoPanel", "组内最大数："), "**", &InfoPanel::m_groupMax},
    {"Label18", QT_TRANSLATE_NOOP("lt::InfoPanel", "地址类型："), "**", &InfoPanel::m_addressType},
    {"Label19", QT_TRANSLATE_NOOP("lt::InfoPanel", "模块省电："), "**", &InfoPanel::m_powerSaving},
    {"Label22", QT_TRANSLATE_NOOP("lt::InfoPanel", "醒后延时："), "**", &InfoPanel::m_wakeDelays},
    {"Label30", QT_TRANSLATE_NOOP("lt::InfoPanel", "醒后模式："), "**", &InfoPanel::m_wakeMode},
};

QString addressTypeText(int code)
{
    switch (code) {
    case 0: return QStringLiteral("ASCII");
    case 1: return QCoreApplication::translate("lt::InfoPanel", "十六进制");
    case 2: return QCoreApplication::translate("lt::InfoPanel", "BCD码");
    default: return QCoreApplication::translate("lt::InfoPanel", "R50模式");
    }
}

InfoPanel::InfoPanel(QWidget *parent) : QGroupBox(tr("参数信息"), parent)
{
    auto *grid = new QGridLayout(this);
    int row = 0;
    for (const Row &r : kRows) {
        auto *value = new QLabel(QString::fromUtf8(r.placeholder), this);
        value->setObjectName(QLatin1String(r.name));
        this->*r.label = value;
        grid->addWidget(new QLabel(tr(r.caption), this), row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    auto *refresh = new QPushButton(tr("刷新"), this);
    refresh->setObjectName(QStringLiteral("Command8"));
    auto *exit = new QPushButton(tr("退出"), this);
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
    m_workForm->setText(passive ? tr("被动方式") : tr("主动方式"));
}

void InfoPanel::showTransForm(bool transparent)
{
    m_transForm->setText(transparent ? tr("透明传输") : tr("格式传输"));
}

void InfoPanel::showReceiver(const QString &number)
{
    m_receiver->setText(number);
}

void InfoPanel::showPasswordUse(bool used)
{
    m_passwordUse->setText(used ? tr("有密码") : tr("无密码"));
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
    m_transForm->setText(mode == 2 ? tr("透明方式2") : tr("透明方式1"));
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
    m_powerSaving->setText(on ? tr("有省电") : tr("无省电"));
}

void InfoPanel::showWakeDelays(double idleSeconds, double dataSeconds)
{
    m_wakeDelays->setText(qx3100::shortestDecimal(idleSeconds) + QStringLiteral("s   ")
                          + qx3100::shortestDecimal(dataSeconds) + QStringLiteral("s"));
}

void InfoPanel::showWakeMode(int mode)
{
    m_wakeMode->setText(mode == 1 ? tr("模式1") : tr("模式2"));
}

} // namespace lt
