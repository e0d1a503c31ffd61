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
    // Caption, value label name, placeholder; two pairs a row.
    auto add = [&](const QString &caption, const QString &name, const QString &placeholder) {
        auto *value = new QLabel(placeholder, this);
        value->setObjectName(name);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(new QLabel(caption, this), row, column);
        grid->addWidget(value, row, column + 1);
        column += 2;
        if (column == 4) {
            column = 0;
            ++row;
        }
        return value;
    };
    auto addLabel1 = [&](const QString &caption, int index, const QString &placeholder) {
        QLabel *l = add(caption, QStringLiteral("Label1_%1").arg(index), placeholder);
        m_label1.insert(index, l);
        m_placeholder.insert(l, placeholder);
    };
    const QString pair = QStringLiteral("**:**:");
    const QString eight = QStringLiteral("********");
    addLabel1(QStringLiteral("模块身份地址"), 0, pair);
    addLabel1(QStringLiteral("模块目标地址"), 1, pair);
    addLabel1(QStringLiteral("心跳时间"), 3, QStringLiteral("***"));
    addLabel1(QStringLiteral("串口数据格式"), 5, eight);
    addLabel1(QStringLiteral("软件版本"), 9, QStringLiteral("***********"));
    addLabel1(QStringLiteral("透明模式"), 6, eight);
    addLabel1(QStringLiteral("工作方式"), 4, eight);
    addLabel1(QStringLiteral("地址开始位置"), 7, eight);
    addLabel1(QStringLiteral("被动方式地址"), 30, pair);
    addLabel1(QStringLiteral("地址类型"), 34, eight);
    addLabel1(QStringLiteral("组内最大数"), 33, eight);
    Label5 = add(QStringLiteral("模块重起"), QStringLiteral("Label5"), QStringLiteral("**"));
    addLabel1(QStringLiteral("地址长度"), 8, eight);
    Label7 = add(QStringLiteral("模块省电"), QStringLiteral("Label7"), QStringLiteral("**"));
    Label10 = add(QStringLiteral("醒后模式"), QStringLiteral("Label10"), eight);
    Label8 = add(QStringLiteral("睡醒延时"), QStringLiteral("Label8"), QStringLiteral("**"));
    // The internal code keeps its last value over a refresh.
    QLabel *internal = add(QStringLiteral("模块内码"), QStringLiteral("Label1_27"), pair);
    m_label1.insert(27, internal);
    // The module's baud rate, without a caption of its own.
    addLabel1(QString(), 2, QStringLiteral("******"));
    m_placeholder.insert(Label5, QStringLiteral("**"));
    m_placeholder.insert(Label7, QStringLiteral("**"));
    m_placeholder.insert(Label10, eight);
    m_placeholder.insert(Label8, QStringLiteral("**"));

    Command1_4 = new QPushButton(QStringLiteral("参数刷新"), this);
    Command1_4->setObjectName(QStringLiteral("Command1_4"));
    Command1_5 = new QPushButton(QStringLiteral("退出"), this);
    Command1_5->setObjectName(QStringLiteral("Command1_5"));
    grid->addWidget(Command1_4, 0, 4);
    grid->addWidget(Command1_5, 1, 4);
}

void ParamDisplay::showPlaceholders()
{
    for (auto it = m_placeholder.cbegin(); it != m_placeholder.cend(); ++it)
        it.key()->setText(it.value());
}

} // namespace lt
