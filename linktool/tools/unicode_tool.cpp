#include "unicode_tool.h"

#include "tools/unicode_codes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lt {

UnicodeTool::UnicodeTool(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form18"));
    setWindowTitle(tr("转换"));

    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Text1"));
    m_codes = new QPlainTextEdit(this);
    m_codes->setObjectName(QStringLiteral("Text2"));
    m_codes->setReadOnly(true);
    m_convert = new QPushButton(tr("转换"), this);
    m_convert->setObjectName(QStringLiteral("Command1"));
    auto *exitButton = new QPushButton(tr("退出"), this);
    exitButton->setObjectName(QStringLiteral("Command2"));
    connect(m_convert, &QPushButton::clicked, this, &UnicodeTool::convert);
    connect(exitButton, &QPushButton::clicked, this, &UnicodeTool::closeWindow);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_convert);
    buttons->addWidget(exitButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("请输入文本"), this));
    layout->addWidget(m_text);
    layout->addWidget(new QLabel(tr("UniCode编码"), this));
    layout->addWidget(m_codes, 1);
    layout->addLayout(buttons);
}

// The conversion runs over a snapshot of the text and does not yield to the
// event loop: it is instant even for long texts, and a closed window or an
// edited text cannot then interfere halfway.
void UnicodeTool::convert()
{
    m_convert->setEnabled(false);
    m_codes->clear();
    m_bytes = unicode::codeUnitArray(m_text->text());
    m_codes->setPlainText(unicode::codeUnitText(m_bytes));
    m_convert->setEnabled(true);
}

void UnicodeTool::closeWindow()
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

} // namespace lt
