#include "port_name.h"

#include <QtGlobal>

namespace sms {

QString deviceForPort(int n)
{
    const QByteArray var = "QXCOM" + QByteArray::number(n);
    const QString configured = qEnvironmentVariable(var.constData());
    if (!configured.isEmpty())
        return configured;
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
}

} // namespace sms
