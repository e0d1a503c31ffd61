#include "form18.h"

#include "unicode_codes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lt {

Form18::Form18(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(QStringLiteral("转换"));

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text2 = new QPlainTextEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setReadOnly(true);
    m_command1 = new QPushButton(QStringLiteral("转换"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    auto *command2 = new QPushButton(QStringLiteral("退出"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    connect(m_command1, &QPushButton::clicked, this, &Form18::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form18::Command2_Click);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_command1);
    buttons->addWidget(command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("请输入文本"), this));
    layout->addWidget(m_text1);
    layout->addWidget(new QLabel(QStringLiteral("UniCode编码"), this));
    layout->addWidget(m_text2, 1);
    layout->addLayout(buttons);
}

// The conversion runs over a snapshot of the text and does not yield to the
// event loop: it is instant even for long texts, and a closed window or an
// edited text cannot then interfere halfway.
void Form18::Command1_Click()
{
    m_command1->setEnabled(false);
    m_text2->clear();
    m_bytes = unicode::codeUnitArray(m_text1->text());
    m_text2->setPlainText(unicode::codeUnitText(m_bytes));
    m_command1->setEnabled(true);
}

void Form18::Command2_Click()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

} // namespace lt
