#include "program.h"

#include "qx_version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

bool adoptEarlierData()
{
    const QString now = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString before = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
                               .filePath(QCoreApplication::applicationName());
    // A program named like the organisation would find the organisation's own folder there.
    if (now.isEmpty() || now.startsWith(before + QLatin1Char('/')) || QFileInfo::exists(now)
        || !QFileInfo(before).isDir())
        return false;
    return QDir().mkpath(QFileInfo(now).path()) && QDir().rename(before, now);
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
