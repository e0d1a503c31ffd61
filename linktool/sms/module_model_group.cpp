#include "module_model_group.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace lt {

ModuleModelGroup::ModuleModelGroup(QWidget *parent) : QGroupBox(tr("设置模块型号"), parent)
{
    auto *layout = new QHBoxLayout(this);
    auto *models = new QButtonGroup(this);
    m_sms = new QRadioButton(tr("T100 短信"), this);
    m_sms->setObjectName(QStringLiteral("Option3"));
    m_gprs = new QRadioButton(QStringLiteral("T200 GPRS"), this);
    m_gprs->setObjectName(QStringLiteral("Option4"));
    auto *write = new QPushButton(tr("确定"), this);
    write->setObjectName(QStringLiteral("Command9"));
    for (QRadioButton *o : {m_sms, m_gprs}) {
        models->addButton(o);
        layout->addWidget(o);
    }
    layout->addWidget(write);
    connect(write, &QPushButton::clicked, this, &ModuleModelGroup::writeRequested);
    m_lock.setWidgets({write});
}

std::optional<qx3100::ModuleModel> ModuleModelGroup::model() const
{
    if (m_sms->isChecked())
        return qx3100::ModuleModel::Sms;
    if (m_gprs->isChecked())
        return qx3100::ModuleModel::Gprs;
    return std::nullopt;
}

void ModuleModelGroup::choose(qx3100::ModuleModel model)
{
    (model == qx3100::ModuleModel::Sms ? m_sms : m_gprs)->setChecked(true);
}

} // namespace lt
