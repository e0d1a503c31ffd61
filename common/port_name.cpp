#include "port_name.h"

#include <QtGlobal>

namespace qx {

QString deviceForPort(int n)
{
    const QByteArray var = "QXCOM" + QByteArray::number(n);
    const QString configured = qEnvironmentVariable(var.constData());
    if (!configured.isEmpty())
        return configured;
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(n);
#else
    return QStringLiteral("/dev/ttyS%1").arg(n - 1);
#endif
}

} // namespace qx
