#include "address_calculator.h"

#include "tools/address_calc.h"
#include "ui/message_box.h"
#include "ui/typing_aids.h"

#include "box_width.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

namespace lt {

namespace {

QLineEdit *readOnlyBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    return box;
}

QScrollBar *spinBar(QWidget *parent, const char *name, int min, int max)
{
    auto *bar = new QScrollBar(Qt::Vertical, parent);
    bar->setObjectName(QLatin1String(name));
    bar->setRange(min, max);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setFixedHeight(bar->sizeHint().width() * 2);
    return bar;
}

} // namespace

AddressCalculator::AddressCalculator(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(tr("计算地址（地址隐含在数据中）"));

    m_station = new QLineEdit(this);
    m_station->setObjectName(QStringLiteral("Text1_4"));
    installHexColonAid(m_station, /*appendAtEnd=*/true);
    qx::fitToLongest(m_station, QStringLiteral("DD:DD:"));

    // The box shows the negated position, so the up arrow counts up.
    m_groupSize = readOnlyBox(this, "Text1_2");
    m_groupSpin = spinBar(this, "VScroll3", -255, -1);
    qx::fitToLongest(m_groupSize, QString::number(-m_groupSpin->minimum()));
    connect(m_groupSpin, &QScrollBar::valueChanged, this,
            [this](int position) { m_groupSize->setText(QString::number(-position)); });

    // Starts at position 1 without showing it: the coding stays unchosen until the bar moves.
    m_coding = readOnlyBox(this, "Text1_3");
    m_codingSpin = spinBar(this, "VScroll4", 1, 3);
    m_codingSpin->setValue(1);
    QString widestCoding;
    for (int position = m_codingSpin->minimum(); position <= m_codingSpin->maximum(); ++position) {
        const QString text = addr::codingText(position);
        if (m_coding->fontMetrics().horizontalAdvance(text) > m_coding->fontMetrics().horizontalAdvance(widestCoding))
            widestCoding = text;
    }
    qx::fitToLongest(m_coding, widestCoding);
    connect(m_codingSpin, &QScrollBar::valueChanged, this,
            [this](int position) { m_coding->setText(addr::codingText(position)); });

    m_output = new QPlainTextEdit(this);
    m_output->setObjectName(QStringLiteral("Text2"));
    m_output->setReadOnly(true);

    auto *convertButton = new QPushButton(tr("转换"), this);
    convertButton->setObjectName(QStringLiteral("Command1_0"));
    auto *exitButton = new QPushButton(tr("退出"), this);
    exitButton->setObjectName(QStringLiteral("Command1_1"));
    // Both empty the output first.
    connect(convertButton, &QPushButton::clicked, this, [this] {
        m_output->clear();
        convert();
    });
    connect(exitButton, &QPushButton::clicked, this, [this] {
        m_output->clear();
        closeWindow();
    });

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("对方站号"), this), 0, 0);
    grid->addWidget(m_station, 0, 1);
    grid->addWidget(new QLabel(tr("组内模块数"), this), 1, 0);
    grid->addWidget(m_groupSize, 1, 1);
    grid->addWidget(m_groupSpin, 1, 2);
    grid->addWidget(new QLabel(tr("编码方式"), this), 2, 0);
    grid->addWidget(m_coding, 2, 1);
    grid->addWidget(m_codingSpin, 2, 2);
    grid->setRowStretch(3, 1);

    auto *right = new QGridLayout;
    right->addWidget(new QLabel(tr("可以利用的号码"), this), 0, 0);
    right->addWidget(m_output, 1, 0);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(convertButton);
    buttons->addWidget(exitButton);

    auto *top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addLayout(right, 1);
    auto *outer = new QGridLayout(this);
    outer->addLayout(top, 0, 0);
    outer->addLayout(buttons, 1, 0);
}

void AddressCalculator::convert()
{
    const int groupSize = m_groupSize->text().isEmpty() ? 0 : m_groupSize->text().toInt();
    const addr::Result r =
        addr::calculate(m_station->text(), groupSize, addr::codingFromText(m_coding->text()), m_kVariant);
    if (r.error != addr::Error::None) {
        message(this, addr::errorText(r.error), tr("错误提示"));
        return;
    }
    m_output->setPlainText(r.lines);
}

void AddressCalculator::closeWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

} // namespace lt
