#pragma once

#include "qx3100/settings.h"

#include "ui/button_lock.h"

#include <QGroupBox>

#include <optional>

class QRadioButton;

namespace lt {

// "设置模块型号": which model the module is made to be.
class ModuleModelGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit ModuleModelGroup(QWidget *parent = nullptr);

    // None until the user chooses one.
    std::optional<qx3100::ModuleModel> model() const;
    // Chosen as the user would, from a settings file.
    void choose(qx3100::ModuleModel model);

    void lockButtons() { m_lock.lock(); }
    void unlockButtons() { m_lock.unlock(); }

signals:
    void writeRequested();

private:
    QRadioButton *m_sms = nullptr;    // Option3
    QRadioButton *m_gprs = nullptr;   // Option4
    ButtonLock m_lock;
};

} // namespace lt
