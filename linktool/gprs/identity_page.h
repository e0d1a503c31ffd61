#pragma once

#include "qx3200/reply_parser.h"
#include "qx3200/settings.h"

#include <QWidget>

class QLineEdit;

namespace lt {

// Page "身份地址设置" of the QX3200 window: the module's own address on the
// network, project and site, and the button that writes it.
class IdentityPage : public QWidget, public qx3200::ParamView
{
    Q_OBJECT
public:
    explicit IdentityPage(QWidget *parent = nullptr);

    // The identity fields as the boxes hold them.
    qx3200::Settings entries() const;

    void showIdentity(const QString &address, const QString &project, const QString &site,
                      const QString &internalCode) override;

signals:
    void writeRequested();

private:
    QLineEdit *m_projectBox;   // Text2
    QLineEdit *m_siteBox;      // Text3
};

} // namespace lt
