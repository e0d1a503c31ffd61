#include "connect_port.h"

#include "link/timing.h"

#include "port_box.h"
#include "port_list.h"

#include <QDir>
#include <QFileInfo>

namespace lt {

namespace {

const QString kFirstPort = QStringLiteral("COM1");

} // namespace

qx::PortBox *makePortList(QWidget *parent)
{
    auto *box = new qx::PortBox(parent);
    box->setObjectName(QStringLiteral("Combo1"));
    box->setRescanInterval(timing::interval(qx::PortBox::kRescanMs));
    box->setValue(kFirstPort);
    return box;
}

QString portToOpen(const QString &text)
{
    const QString value = text.trimmed();
    const int n = qx::portNumber(value);
    if (n >= 1 && n <= qx::kNumberedPorts)
        return QStringLiteral("COM%1").arg(n);
    return QDir::isAbsolutePath(value) ? value : QString();
}

QString rememberedPort(const QString &stored)
{
    const QString port = portToOpen(stored);
    return !port.isEmpty() && QFileInfo::exists(qx::portDevice(port)) ? port : kFirstPort;
}

} // namespace lt
