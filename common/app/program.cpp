#include "program.h"

#include "qx_version.h"

#include <QCoreApplication>

namespace qx {

void identifyProgram(const QString &name)
{
    QCoreApplication::setOrganizationName(QLatin1String(build::kOrganization));
    QCoreApplication::setApplicationName(name);
    QCoreApplication::setApplicationVersion(programVersion());
}

QString programVersion()
{
    return QLatin1String(build::kVersion);
}

QString desktopId(const QString &name)
{
    return QLatin1String(build::kDesktopIdPrefix) + QLatin1Char('.') + name;
}

QStringList arguments(int argc, char **argv)
{
    QStringList list;
    for (int i = 0; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

} // namespace qx
