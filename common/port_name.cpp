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

QString portFileName(const QString &port)
{
    constexpr int kMaxLength = 80;   // of the port's name
    QString safe;
    for (const QChar c : port) {
        const bool keep = c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.');
        if (keep)
            safe += c;
        else if (!safe.endsWith(QLatin1Char('_')))
            safe += QLatin1Char('_');
    }
    while (!safe.isEmpty() && (safe.front() == QLatin1Char('_') || safe.front() == QLatin1Char('.')))
        safe.remove(0, 1);
    safe.truncate(kMaxLength);
    while (safe.endsWith(QLatin1Char('_')) || safe.endsWith(QLatin1Char('.')))
        safe.chop(1);
    if (safe.isEmpty())
        safe = QStringLiteral("port");
    return safe;
}

} // namespace qx
