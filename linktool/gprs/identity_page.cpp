#include "identity_page.h"

#include "box_width.h"
#include "link/helpers.h"
#include "ui/typing_aids.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lt {

IdentityPage::IdentityPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("page2"));
    auto *frame = new QGroupBox(tr("身份地址设置"), this);
    frame->setObjectName(QStringLiteral("Frame_identity"));
    m_projectBox = new QLineEdit(QStringLiteral("0"), frame);
    m_projectBox->setObjectName(QStringLiteral("Text2"));
    m_projectBox->setMaxLength(1);
    m_siteBox = new QLineEdit(QStringLiteral("000"), frame);
    m_siteBox->setObjectName(QStringLiteral("Text3"));
    m_siteBox->setMaxLength(3);
    qx::fitToLongest(m_projectBox, QStringLiteral("D"));
    qx::fitToLongest(m_siteBox, QStringLiteral("DDD"));
    auto *ok = new QPushButton(tr("确定"), frame);
    ok->setObjectName(QStringLiteral("Command1_0"));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(tr("工程号：")), 0, 0);
    grid->addWidget(m_projectBox, 0, 1);
    grid->addWidget(new QLabel(tr("站点号：")), 1, 0);
    grid->addWidget(m_siteBox, 1, 1);
    grid->addWidget(ok, 2, 1);
    // The group as large as it needs, in the page's top left corner.
    auto *layout = new QGridLayout(this);
    layout->addWidget(frame, 0, 0);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    installKeyFilter(m_projectBox, hex_key);
    installKeyFilter(m_siteBox, hex_key);
    connect(ok, &QPushButton::clicked, this, &IdentityPage::writeRequested);
}

qx3200::Settings IdentityPage::entries() const
{
    qx3200::Settings s;
    s.project = m_projectBox->text();
    s.site = m_siteBox->text();
    return s;
}

void IdentityPage::showIdentity(const QString &, const QString &project, const QString &site, const QString &)
{
    m_projectBox->setText(project);
    m_siteBox->setText(site);
}

} // namespace lt
