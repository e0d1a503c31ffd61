#include "param_page.h"

#include "link/helpers.h"
#include "ui/message_box.h"
#include "ui/typing_aids.h"

#include <QApplication>
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
#include <QSignalBlocker>

namespace lt {

namespace {

const QString kNone = QStringLiteral("无");

QLabel *caption(const QString &text, const char *name = nullptr)
{
    auto *l = new QLabel(text);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

QRadioButton *option(const char *name, const QString &text, QButtonGroup *group)
{
    auto *o = new QRadioButton(text);
    o->setObjectName(QLatin1String(name));
    group->addButton(o);
    return o;
}

// The scroll bars count downwards: the value is the negated number, so the
// upper arrow raises the number beside it.
QScrollBar *spinner(const char *name, int lowest, int highest)
{
    auto *s = new QScrollBar(Qt::Vertical);
    s->setObjectName(QLatin1String(name));
    s->setRange(-highest, -lowest);
    s->setValue(-lowest);
    s->setFixedHeight(24);
    return s;
}

} // namespace

void setGreyed(QWidget *w, bool enabled)
{
    w->setEnabled(enabled);
    QPalette p = w->palette();
    const QColor base = enabled ? QApplication::palette(w).color(QPalette::Active, QPalette::Base) : QColor(224, 224, 224);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, base);
    w->setPalette(p);
}

QComboBox *ParamPage::list(const char *name, const QStringList &items)
{
    // Editable only so that it can show "无", which is no item; typing is refused.
    auto *c = new QComboBox(this);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setReadOnly(true);
    c->addItems(items);
    c->setCurrentIndex(-1);
    c->setEditText(kNone);
    return c;
}

QLineEdit *ParamPage::box(const char *name, const QString &text, int maxLength)
{
    auto *b = new QLineEdit(text, this);
    b->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        b->setMaxLength(maxLength);
    return b;
}

QPushButton *ParamPage::okButton(int index)
{
    auto *b = new QPushButton(QStringLiteral("确定"), this);
    b->setObjectName(QStringLiteral("Command1_%1").arg(index));
    return b;
}

ParamPage::ParamPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page0"));
    auto *grid = new QGridLayout(this);

    // Working mode and the address settings of "方式2".
    auto *work = new QGroupBox(QStringLiteral("工作方式选择"), this);
    work->setObjectName(QStringLiteral("Frame_work"));
    Combo1 = list("Combo1", {QStringLiteral("主动方式"), QStringLiteral("被动方式")});
    Combo2 = list("Combo2", {QStringLiteral("格式传输"), QStringLiteral("透明传输")});
    Combo3 = list("Combo3", {QStringLiteral("方式1"), QStringLiteral("方式2")});
    Combo4 = list("Combo4", {QStringLiteral("ASCII"), QStringLiteral("16进制"), QStringLiteral("BCD码")});
    Text5 = box("Text5", {});
    Text6 = box("Text6", {});
    Text7 = box("Text7", {});
    for (QLineEdit *b : {Text5, Text6, Text7})
        b->setReadOnly(true);
    VScroll3 = spinner("VScroll3", 0, 255);
    VScroll4 = spinner("VScroll4", 1, 4);
    VScroll5 = spinner("VScroll5", 1, 255);
    Command1_10 = okButton(10);
    m_formatLabel = caption(QStringLiteral("串口数据格式："), "Label_format");
    m_subLabel = caption(QStringLiteral("地址隐含方式："), "Label_sub");
    auto *typeLabel = caption(QStringLiteral("地址类型："), "Label_type");
    auto *startLabel = caption(QStringLiteral("地址开始位置："), "Label_start");
    auto *lengthLabel = caption(QStringLiteral("地址长度："), "Label_length");
    auto *maxLabel = caption(QStringLiteral("组内最大数："), "Label_max");
    auto *wl = new QGridLayout(work);
    wl->addWidget(caption(QStringLiteral("工作方式：")), 0, 0);
    wl->addWidget(Combo1, 0, 1, 1, 2);
    wl->addWidget(m_formatLabel, 1, 0);
    wl->addWidget(Combo2, 1, 1, 1, 2);
    wl->addWidget(m_subLabel, 2, 0);
    wl->addWidget(Combo3, 2, 1, 1, 2);
    wl->addWidget(typeLabel, 3, 0);
    wl->addWidget(Combo4, 3, 1, 1, 2);
    wl->addWidget(startLabel, 4, 0);
    wl->addWidget(Text5, 4, 1);
    wl->addWidget(VScroll3, 4, 2);
    wl->addWidget(lengthLabel, 5, 0);
    wl->addWidget(Text6, 5, 1);
    wl->addWidget(VScroll4, 5, 2);
    wl->addWidget(maxLabel, 6, 0);
    wl->addWidget(Text7, 6, 1);
    wl->addWidget(VScroll5, 6, 2);
    wl->addWidget(Command1_10, 7, 1, 1, 2);
    m_addressGroup = {typeLabel, startLabel, lengthLabel, maxLabel, Combo4, Text5, Text6, Text7,
                      VScroll3, VScroll4, VScroll5};

    // Power saving.
    auto *power = new QGroupBox(QStringLiteral("省电"), this);
    power->setObjectName(QStringLiteral("Frame_power"));
    auto *powerGroup = new QButtonGroup(this);
    auto *wakeGroup = new QButtonGroup(this);
    Option3 = option("Option3", QStringLiteral("省电"), powerGroup);
    Option4 = option("Option4", QStringLiteral("不省电"), powerGroup);
    Option7 = option("Option7", QStringLiteral("模式1"), wakeGroup);
    Option8 = option("Option8", QStringLiteral("模式2"), wakeGroup);
    Text11 = box("Text11", QStringLiteral("1000"));
    Text12 = box("Text12", QStringLiteral("10000"));
    Command1_9 = okButton(9);
    auto *pl = new QGridLayout(power);
    pl->addWidget(Option3, 0, 0);
    pl->addWidget(Option4, 0, 1);
    pl->addWidget(caption(QStringLiteral("醒后空闲时间(ms)")), 1, 0);
    pl->addWidget(Text11, 1, 1);
    pl->addWidget(caption(QStringLiteral("醒后数据时间(ms)")), 2, 0);
    pl->addWidget(Text12, 2, 1);
    pl->addWidget(Option7, 3, 0);
    pl->addWidget(Option8, 3, 1);
    pl->addWidget(Command1_9, 4, 1);

    // Target address.
    auto *target = new QGroupBox(QStringLiteral("目标地址设置"), this);
    target->setObjectName(QStringLiteral("Frame_target"));
    Text8 = box("Text8", QStringLiteral("0"), 1);
    Text1_0 = box("Text1_0", QStringLiteral("000"));
    Command1_6 = okButton(6);
    auto *tl = new QGridLayout(target);
    tl->addWidget(caption(QStringLiteral("工程号：")), 0, 0);
    tl->addWidget(Text8, 0, 1);
    tl->addWidget(caption(QStringLiteral("站点号：")), 1, 0);
    tl->addWidget(Text1_0, 1, 1);
    tl->addWidget(Command1_6, 2, 1);

    // Heartbeat and restart count.
    auto *heart = new QGroupBox(QStringLiteral("心跳时间设置"), this);
    heart->setObjectName(QStringLiteral("Frame_heartbeat"));
    Text4 = box("Text4", QStringLiteral("300"), 4);
    Text10 = box("Text10", QStringLiteral("5"));
    Command1_2 = okButton(2);
    auto *hl = new QGridLayout(heart);
    hl->addWidget(caption(QStringLiteral("时间选择：")), 0, 0);
    hl->addWidget(Text4, 0, 1);
    hl->addWidget(caption(QStringLiteral("秒")), 0, 2);
    hl->addWidget(caption(QStringLiteral("模块重起：")), 1, 0);
    hl->addWidget(Text10, 1, 1);
    hl->addWidget(caption(QStringLiteral("次")), 1, 2);
    hl->addWidget(Command1_2, 2, 1);

    // The module's own serial line.
    auto *line = new QGroupBox(QStringLiteral("通讯设置"), this);
    line->setObjectName(QStringLiteral("Frame_line"));
    Combo7 = list("Combo7", {QStringLiteral("1200bps"), QStringLiteral("2400bps"), QStringLiteral("4800bps"),
                             QStringLiteral("9600bps"), QStringLiteral("14400bps"), QStringLiteral("19200bps"),
                             QStringLiteral("38400bps"), QStringLiteral("57600bps")});
    auto *bitsGroup = new QButtonGroup(this);
    auto *parityGroup = new QButtonGroup(this);
    auto *stopGroup = new QButtonGroup(this);
    Option1 = option("Option1", QStringLiteral("8"), bitsGroup);
    Option2 = option("Option2", QStringLiteral("7"), bitsGroup);
    Option5 = option("Option5", QStringLiteral("无"), parityGroup);
    Option6 = option("Option6", QStringLiteral("奇"), parityGroup);
    Option9 = option("Option9", QStringLiteral("偶"), parityGroup);
    Option11 = option("Option11", QStringLiteral("1"), stopGroup);
    Option10 = option("Option10", QStringLiteral("2"), stopGroup);
    Command1_8 = okButton(8);
    auto *ll = new QGridLayout(line);
    ll->addWidget(caption(QStringLiteral("波特率：")), 0, 0);
    ll->addWidget(Combo7, 0, 1, 1, 3);
    ll->addWidget(caption(QStringLiteral("数据位：")), 1, 0);
    ll->addWidget(Option1, 1, 1);
    ll->addWidget(Option2, 1, 2);
    ll->addWidget(caption(QStringLiteral("校验位：")), 2, 0);
    ll->addWidget(Option5, 2, 1);
    ll->addWidget(Option6, 2, 2);
    ll->addWidget(Option9, 2, 3);
    ll->addWidget(caption(QStringLiteral("停止位：")), 3, 0);
    ll->addWidget(Option11, 3, 1);
    ll->addWidget(Option10, 3, 2);
    ll->addWidget(caption(QStringLiteral("  参数设置完成后请重新启动程序！！")), 4, 0, 1, 4);
    ll->addWidget(Command1_8, 5, 1, 1, 2);

    // Passive-mode address.
    passiveFrame = new QGroupBox(QStringLiteral("被动方式地址"), this);
    passiveFrame->setObjectName(QStringLiteral("Frame_passive"));
    Text9 = box("Text9", QStringLiteral("0"));
    const QString note = QStringLiteral("  被动方式下地址是两字节，以ASCII表示");
    Text9->setToolTip(note);
    VScroll8 = spinner("VScroll8", 0, 255);
    Command1_11 = okButton(11);
    auto *al = new QGridLayout(passiveFrame);
    al->addWidget(caption(QStringLiteral("地址：")), 0, 0);
    al->addWidget(Text9, 0, 1);
    al->addWidget(VScroll8, 0, 2);
    auto *noteLabel = caption(note);
    noteLabel->setWordWrap(true);
    al->addWidget(noteLabel, 1, 0, 1, 3);
    al->addWidget(Command1_11, 2, 1);

    grid->addWidget(work, 0, 0, 2, 1);
    grid->addWidget(power, 0, 1);
    grid->addWidget(target, 0, 2);
    grid->addWidget(heart, 1, 1);
    grid->addWidget(line, 1, 2);
    grid->addWidget(passiveFrame, 0, 3, 2, 1);

    // Key rules.
    installKeyFilter(Text4, num_key);
    for (QLineEdit *b : {Text8})
        installKeyFilter(b, hex_key);

    connect(Combo1, &QComboBox::activated, this, &ParamPage::Combo1_Click);
    connect(Combo2, &QComboBox::activated, this, &ParamPage::Combo2_Click);
    connect(Combo3, &QComboBox::activated, this, &ParamPage::Combo3_Click);
    connect(Combo4, &QComboBox::activated, this, &ParamPage::Combo4_Click);
    connect(VScroll3, &QScrollBar::valueChanged, this, [this](int v) { Text5->setText(QString::number(-v)); });
    connect(VScroll5, &QScrollBar::valueChanged, this, [this](int v) { Text7->setText(QString::number(-v)); });
    connect(VScroll8, &QScrollBar::valueChanged, this, [this](int v) { Text9->setText(QString::number(-v).trimmed()); });
    connect(VScroll4, &QScrollBar::valueChanged, this, &ParamPage::VScroll4_Change);
}

void ParamPage::disable_()
{
    for (QWidget *w : {static_cast<QWidget *>(m_formatLabel), static_cast<QWidget *>(m_subLabel)})
        w->setEnabled(false);
    for (QWidget *w : m_addressGroup)
        w->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Combo2, Combo3, Combo4, Text5, Text6, Text7})
        setGreyed(w, false);
}

bool ParamPage::select(QComboBox *l, int index)
{
    if (index < 0 || index >= l->count())
        return false;
    l->setCurrentIndex(index);
    l->setEditText(l->itemText(index));
    if (l == Combo1)
        Combo1_Click();
    else if (l == Combo2)
        Combo2_Click();
    else if (l == Combo3)
        Combo3_Click();
    else if (l == Combo4)
        Combo4_Click();
    return true;
}

void ParamPage::Combo1_Click()
{
    const QString t = Combo1->currentText();
    const bool passive = t == QStringLiteral("被动方式");
    if (!passive && t != QStringLiteral("主动方式"))
        return;
    m_formatLabel->setEnabled(true);
    setGreyed(Combo2, true);
    VScroll8->setEnabled(passive);
    passiveFrame->setEnabled(passive);
    Combo3->clear();
    Combo3->setEditText(kNone);
    Combo3->addItem(QStringLiteral("方式1"));
    if (!passive)
        Combo3->addItem(QStringLiteral("方式2"));
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(kNone);
}

void ParamPage::Combo2_Click()
{
    if (Combo2->currentText() == QStringLiteral("透明传输")) {
        m_subLabel->setEnabled(true);
        setGreyed(Combo3, true);
        return;
    }
    m_subLabel->setEnabled(false);
    setGreyed(Combo3, false);
    setAddressGroup(false);
    Combo4->setCurrentIndex(-1);
    Combo4->setEditText(kNone);
    Combo3->setCurrentIndex(-1);
    Combo3->setEditText(kNone);
}

void ParamPage::Combo3_Click()
{
    if (Combo3->currentText() == QStringLiteral("方式2")) {
        setAddressGroup(true);
        return;
    }
    setAddressGroup(false);
    Combo4->setCurrentIndex(-1);
    Combo4->setEditText(kNone);
}

void ParamPage::Combo4_Click()
{
    {
        const QSignalBlocker block(VScroll4);
        VScroll4->setMinimum(Combo4->currentText() == QLatin1String("ASCII") ? -4 : -2);
    }
    Text5->setText(QString::number(-VScroll3->value()));
    Text6->setText(QString::number(-VScroll4->value()));
    Text7->setText(QString::number(-VScroll5->value()));
}

void ParamPage::VScroll4_Change()
{
    if (Combo4->currentText() == kNone) {
        message(this, QStringLiteral("您必须选择地址的类型才可以选择地址的长度"), QStringLiteral("错误提示"),
                QMessageBox::Warning);
        return;
    }
    Text6->setText(QString::number(-VScroll4->value()));
}

void ParamPage::setAddressGroup(bool enabled)
{
    for (QWidget *w : m_addressGroup) {
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w))
            setGreyed(w, enabled);
        else
            w->setEnabled(enabled);
    }
    if (!enabled)
        for (QLineEdit *b : {Text5, Text6, Text7})
            b->clear();
}

void ParamPage::showAddressValues(int start, int length, int groupMax)
{
    // The scroll bars follow the values read, so that writing them back sends
    // what the boxes show.
    const QSignalBlocker b3(VScroll3), b4(VScroll4), b5(VScroll5);
    VScroll3->setValue(-start);
    VScroll4->setValue(-length);
    VScroll5->setValue(-groupMax);
    Text5->setText(QString::number(start));
    Text6->setText(QString::number(length));
    Text7->setText(QString::number(groupMax));
}

} // namespace lt
