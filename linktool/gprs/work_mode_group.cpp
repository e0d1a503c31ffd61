#include "work_mode_group.h"

#include "choice_list.h"

#include "box_width.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>

namespace lt {

using qx3200::TransparentMode;

namespace {

QLabel *caption(QWidget *parent, const QString &text, const char *name = nullptr)
{
    auto *l = new QLabel(text, parent);
    if (name)
        l->setObjectName(QLatin1String(name));
    return l;
}

QLineEdit *numberBox(QWidget *parent, const char *name)
{
    // Filled by the scroll bar beside it, never typed into.
    auto *b = new QLineEdit(parent);
    b->setObjectName(QLatin1String(name));
    b->setReadOnly(true);
    qx::fitToLongest(b, QStringLiteral("255"));
    return b;
}

// A box's number, negated as its scroll bar keeps it.
QString numberOf(const QScrollBar *bar)
{
    return QString::number(-bar->value());
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

QScrollBar *numberBar(QWidget *parent, const char *name, int lowest, int highest)
{
    auto *s = new QScrollBar(Qt::Vertical, parent);
    s->setObjectName(QLatin1String(name));
    s->setRange(-highest, -lowest);
    s->setValue(-lowest);
    s->setFixedHeight(24);
    return s;
}

WorkModeGroup::WorkModeGroup(QWidget *parent) : QGroupBox(tr("工作方式选择"), parent)
{
    setObjectName(QStringLiteral("Frame_work"));
    m_formList = choice::makeList(this, "Combo1", {{tr("主动方式"), int(WorkForm::Active)},
                                                   {tr("被动方式"), int(WorkForm::Passive)}});
    m_transferList = choice::makeList(this, "Combo2", {{tr("格式传输"), int(TransForm::Format)},
                                                       {tr("透明传输"), int(TransForm::Transparent)}});
    m_modeList = choice::makeList(this, "Combo3", {{tr("方式1"), int(TransparentMode::Mode1)},
                                                   {tr("方式2"), int(TransparentMode::Mode2)}});
    m_typeList = choice::makeList(this, "Combo4", {{QStringLiteral("ASCII"), int(AddressType::Ascii)},
                                                   {tr("16进制"), int(AddressType::Hex)},
                                                   {tr("BCD码"), int(AddressType::Bcd)}});
    m_startBox = numberBox(this, "Text5");
    m_lengthBox = numberBox(this, "Text6");
    m_groupMaxBox = numberBox(this, "Text7");
    m_startBar = numberBar(this, "VScroll3", 0, 255);
    m_lengthBar = numberBar(this, "VScroll4", 1, 4);
    m_groupMaxBar = numberBar(this, "VScroll5", 1, 255);
    auto *ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("Command1_10"));
    m_transferLabel = caption(this, tr("串口数据格式："), "Label_format");
    m_modeLabel = caption(this, tr("地址隐含方式："), "Label_sub");
    auto *typeLabel = caption(this, tr("地址类型："), "Label_type");
    auto *startLabel = caption(this, tr("地址开始位置："), "Label_start");
    auto *lengthLabel = caption(this, tr("地址长度："), "Label_length");
    auto *maxLabel = caption(this, tr("组内最大数："), "Label_max");

    auto *grid = new QGridLayout(this);
    grid->addWidget(caption(this, tr("工作方式：")), 0, 0);
    grid->addWidget(m_formList, 0, 1, 1, 2);
    grid->addWidget(m_transferLabel, 1, 0);
    grid->addWidget(m_transferList, 1, 1, 1, 2);
    grid->addWidget(m_modeLabel, 2, 0);
    grid->addWidget(m_modeList, 2, 1, 1, 2);
    grid->addWidget(typeLabel, 3, 0);
    grid->addWidget(m_typeList, 3, 1, 1, 2);
    grid->addWidget(startLabel, 4, 0);
    grid->addWidget(m_startBox, 4, 1);
    grid->addWidget(m_startBar, 4, 2);
    grid->addWidget(lengthLabel, 5, 0);
    grid->addWidget(m_lengthBox, 5, 1);
    grid->addWidget(m_lengthBar, 5, 2);
    grid->addWidget(maxLabel, 6, 0);
    grid->addWidget(m_groupMaxBox, 6, 1);
    grid->addWidget(m_groupMaxBar, 6, 2);
    grid->addWidget(ok, 7, 1, 1, 2);
    m_addressGroup = {typeLabel,     startLabel, lengthLabel, maxLabel,   m_typeList,    m_startBox,
                      m_lengthBox,   m_groupMaxBox, m_startBar, m_lengthBar, m_groupMaxBar};

    connect(ok, &QPushButton::clicked, this, &WorkModeGroup::writeRequested);
    connect(m_formList, &QComboBox::activated, this, &WorkModeGroup::workFormListChosen);
    connect(m_transferList, &QComboBox::activated, this, &WorkModeGroup::transFormListChosen);
    connect(m_modeList, &QComboBox::activated, this, &WorkModeGroup::modeListChosen);
    connect(m_typeList, &QComboBox::activated, this, &WorkModeGroup::typeListChosen);
    connect(m_startBar, &QScrollBar::valueChanged, this, [this] { m_startBox->setText(numberOf(m_startBar)); });
    connect(m_groupMaxBar, &QScrollBar::valueChanged, this, [this] { m_groupMaxBox->setText(numberOf(m_groupMaxBar)); });
    connect(m_lengthBar, &QScrollBar::valueChanged, this, &WorkModeGroup::lengthBarMoved);
}

void WorkModeGroup::greyDependentControls()
{
    m_transferLabel->setEnabled(false);
    m_modeLabel->setEnabled(false);
    for (QWidget *w : m_addressGroup)
        w->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{m_transferList, m_modeList, m_typeList, m_startBox,
                                                       m_lengthBox, m_groupMaxBox})
        setGreyed(w, false);
}

void WorkModeGroup::entriesInto(qx3200::Settings &s) const
{
    s.work_form = choice::shown<WorkForm>(m_formList);
    s.trans_form = choice::shown<TransForm>(m_transferList);
    s.transparent_mode = choice::shown<TransparentMode>(m_modeList);
    s.address_type = choice::shown<AddressType>(m_typeList);
    // A box still empty has had no number yet, whatever its scroll bar holds.
    auto number = [](const QLineEdit *box, const QScrollBar *bar) {
        return box->text().isEmpty() ? std::nullopt : std::optional<int>(-bar->value());
    };
    s.address_start = number(m_startBox, m_startBar);
    s.address_length = number(m_lengthBox, m_lengthBar);
    s.group_max = number(m_groupMaxBox, m_groupMaxBar);
}

void WorkModeGroup::showWorkForm(WorkForm form)
{
    choice::show(m_formList, int(form));
    workFormListChosen();
}

void WorkModeGroup::showTransForm(TransForm form)
{
    choice::show(m_transferList, int(form));
    transFormListChosen();
}

bool WorkModeGroup::showTransparentMode(TransparentMode mode)
{
    if (!choice::show(m_modeList, int(mode)))
        return false;
    modeListChosen();
    return true;
}

void WorkModeGroup::showAddressSettings(const qx3200::AddressSettings &a)
{
    // The type first: it sets how long an address may be, and a length put
    // in before that would be cut to the old type's range.
    if (a.type != AddressType::R50 && choice::show(m_typeList, int(a.type)))
        typeListChosen();
    // The scroll bars follow the values read, so that writing them back sends
    // what the boxes show.
    const QSignalBlocker b3(m_startBar), b4(m_lengthBar), b5(m_groupMaxBar);
    m_startBar->setValue(-a.start);
    m_lengthBar->setValue(-a.length);
    m_groupMaxBar->setValue(-a.groupMax);
    m_startBox->setText(QString::number(a.start));
    m_lengthBox->setText(QString::number(a.length));
    m_groupMaxBox->setText(QString::number(a.groupMax));
}

void WorkModeGroup::workFormListChosen()
{
    const auto form = choice::shown<WorkForm>(m_formList);
    if (!form)
        return;
    m_transferLabel->setEnabled(true);
    setGreyed(m_transferList, true);
    emit workFormChosen(*form);
    // A passive module knows mode 1 only.
    m_modeList->clear();
    m_modeList->setEditText(choice::noneText());
    choice::addEntry(m_modeList, tr("方式1"), int(TransparentMode::Mode1));
    if (*form == WorkForm::Active)
        choice::addEntry(m_modeList, tr("方式2"), int(TransparentMode::Mode2));
    choice::clear(m_modeList);
}

void WorkModeGroup::transFormListChosen()
{
    if (choice::shown<TransForm>(m_transferList) == TransForm::Transparent) {
        m_modeLabel->setEnabled(true);
        setGreyed(m_modeList, true);
        return;
    }
    m_modeLabel->setEnabled(false);
    setGreyed(m_modeList, false);
    setAddressGroup(false);
    choice::clear(m_typeList);
    choice::clear(m_modeList);
}

void WorkModeGroup::modeListChosen()
{
    if (choice::shown<TransparentMode>(m_modeList) == TransparentMode::Mode2) {
        setAddressGroup(true);
        return;
    }
    setAddressGroup(false);
    choice::clear(m_typeList);
}

void WorkModeGroup::typeListChosen()
{
    {
        const QSignalBlocker block(m_lengthBar);
        // Up to four ASCII characters, or two bytes of the other types.
        m_lengthBar->setMinimum(choice::shown<AddressType>(m_typeList) == AddressType::Ascii ? -4 : -2);
    }
    m_startBox->setText(numberOf(m_startBar));
    m_lengthBox->setText(numberOf(m_lengthBar));
    m_groupMaxBox->setText(numberOf(m_groupMaxBar));
}

void WorkModeGroup::lengthBarMoved()
{
    if (!choice::shown<AddressType>(m_typeList)) {
        message(this, tr("您必须选择地址的类型才可以选择地址的长度"), tr("错误提示"),
                QMessageBox::Warning);
        return;
    }
    m_lengthBox->setText(numberOf(m_lengthBar));
}

void WorkModeGroup::setAddressGroup(bool enabled)
{
    for (QWidget *w : m_addressGroup) {
        if (qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w))
            setGreyed(w, enabled);
        else
            w->setEnabled(enabled);
    }
    if (!enabled)
        for (QLineEdit *b : {m_startBox, m_lengthBox, m_groupMaxBox})
            b->clear();
}

} // namespace lt
