#include "input_dialogs.h"

#include "box_width.h"
#include "frames.h"
#include "message_box.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace sms {

TextEntryDialog::TextEntryDialog(const QString &title, const QString &label, const QString &longestValue,
                                 QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(title);
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_DeleteOnClose);
    auto *field = new QHBoxLayout;
    field->addWidget(new QLabel(label, this));
    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("edit"));
    qx::fitToLongest(m_edit, longestValue);
    field->addWidget(m_edit);
    m_ok = new QPushButton(tr("确定"), this);
    m_ok->setObjectName(QStringLiteral("ok"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton(tr("取消"), this);
    m_cancel->setObjectName(QStringLiteral("cancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(field);
    layout->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString TextEntryDialog::text() const
{
    return m_edit->text();
}

void TextEntryDialog::accept()
{
    // A text the module cannot hold is refused here, with the box still open,
    // rather than being cut or written as an empty entry later.
    const QString why = refusal(text());
    if (!why.isEmpty()) {
        message(this, why, tr("提示"));
        return;
    }
    m_confirmed = true;
    QDialog::accept();
}

CInputMsg::CInputMsg(QWidget *parent)
    : TextEntryDialog(tr("请输入电话号码"), tr("电话号码"), QString(kPhoneSlotLen, QLatin1Char('8')),
                      parent)
{
    setObjectName(QStringLiteral("CInputMsg"));
    edit()->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit()));
}

QString CInputMsg::refusal(const QString &text) const
{
    if (text.size() > kPhoneSlotLen)
        return tr("电话号码不能超过%1位").arg(kPhoneSlotLen);
    return {};
}

CInfoDlg::CInfoDlg(QWidget *parent)
    // A full-width character is as wide as any other the text may hold.
    : TextEntryDialog(tr("信息内容"), tr("信息内容"), QString(kMaxTextUnits, QChar(u'警')), parent)
{
    setObjectName(QStringLiteral("CInfoDlg"));
}

QString CInfoDlg::refusal(const QString &text) const
{
    if (!textFitsRecord(text))
        return tr("信息内容不能超过%1个字符（现有%2个）").arg(kMaxTextUnits).arg(text.size());
    return {};
}

} // namespace sms
