#include "port_refusal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace qx {

namespace {

// The lock file names serial programs use for a device: QSerialPort's (the
// path below /dev with '/' as '_': LCK..ttyUSB0, LCK..pts_3) and the UUCP
// tools' (the last part of the name), for the name given and the one it
// leads to, since either program may have been given either name.
QStringList lockNames(const QString &device)
{
    QStringList names;
    const QString resolved = QFileInfo(device).canonicalFilePath();
    for (const QString &path : {device, resolved}) {
        if (path.isEmpty())
            continue;
        QString below = path.startsWith(QLatin1String("/dev/")) ? path.mid(5) : path;
        below.replace(QLatin1Char('/'), QLatin1Char('_'));
        for (const QString &name : {below, QFileInfo(path).fileName()}) {
            const QString lock = QStringLiteral("LCK..") + name;
            if (!name.isEmpty() && !names.contains(lock))
                names << lock;
        }
    }
    return names;
}

// The process a lock file names: its first line holds the number, in ASCII
// (padded to ten places by the UUCP tools, followed by the program's name by
// Qt's lock files).
qint64 lockPid(const QString &file)
{
    QFile lock(file);
    if (!lock.open(QIODevice::ReadOnly))
        return 0;
    bool ok = false;
    const qint64 pid = lock.readLine(64).trimmed().toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

QString processName(const QString &procRoot, qint64 pid)
{
    QFile comm(QStringLiteral("%1/%2/comm").arg(procRoot).arg(pid));
    return comm.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(comm.readAll()).trimmed() : QString();
}

int accessError(const QString &device, const PortSystem &system)
{
    if (system.accessError)
        return system.accessError(device);
    return ::access(QFile::encodeName(device).constData(), R_OK | W_OK) == 0 ? 0 : errno;
}

// The group whose members may open the device. A device only root may open
// says nothing useful, and dialout is the group for serial lines on Debian.
QString deviceGroup(const QString &device)
{
    const QString group = QFileInfo(device).group();
    return group.isEmpty() || group == QLatin1String("root") ? QStringLiteral("dialout") : group;
}

} // namespace

OpenFault openFaultFromErrno(int error)
{
    switch (error) {
    case 0:
        return OpenFault::None;
    // EIO and ENXIO: a device node without hardware behind it, as the
    // numbered ports of most laptops are.
    case ENOENT:
    case ENOTDIR:
    case ENODEV:
    case ENXIO:
    case EIO:
        return OpenFault::NotFound;
    case EBUSY:
        return OpenFault::Busy;
    case EACCES:
    case EPERM:
        return OpenFault::NoPermission;
    default:
        return OpenFault::Other;
    }
}

QString PortRefusal::text() const
{
    switch (kind) {
    case Missing:
        return QCoreApplication::translate("qx::PortRefusal", "本机没有这个串口，请选择其它串口重试");
    case Busy: {
        QString text = QCoreApplication::translate("qx::PortRefusal", "串口已经打开，请关闭其它程序重试");
        if (holder && !holder->program.isEmpty())
            text += QLatin1Char('\n') + QCoreApplication::translate("qx::PortRefusal",
                    "正在使用它的是 %1（进程号 %2）").arg(holder->program).arg(holder->pid);
        else if (holder)
            text += QLatin1Char('\n') + QCoreApplication::translate("qx::PortRefusal",
                    "正在使用它的是进程 %1").arg(holder->pid);
        return text;
    }
    case NoPermission:
        return QCoreApplication::translate("qx::PortRefusal",
                "没有权限访问 %1：请把用户加入 %2 组（sudo usermod -aG %2 $USER）后重新登录").arg(device, group);
    case LineSettings:
        return QCoreApplication::translate("qx::PortRefusal", "串口参数设置失败，请选择其它参数重试");
    case Other:
        break;
    }
    return {};
}

QString PortRefusal::title()
{
    return QCoreApplication::translate("qx::PortRefusal", "端口错误");
}

std::optional<PortHolder> portLockHolder(const QString &device, const PortSystem &system)
{
    for (const QString &folder : system.lockFolders) {
        for (const QString &name : lockNames(device)) {
            const qint64 pid = lockPid(QDir(folder).filePath(name));
            if (pid > 0 && QFileInfo(QStringLiteral("%1/%2").arg(system.procRoot).arg(pid)).isDir())
                return PortHolder{pid, processName(system.procRoot, pid)};
        }
    }
    return std::nullopt;
}

PortRefusal explainOpenFailure(const QString &device, OpenFault said, const PortSystem &system)
{
    PortRefusal refusal;
    refusal.device = device;
    // The device opened and took the port; only its settings were refused.
    if (said == OpenFault::LineSettings) {
        refusal.kind = PortRefusal::LineSettings;
        return refusal;
    }
    if (!QFileInfo::exists(device)) {
        refusal.kind = PortRefusal::Missing;
        return refusal;
    }
    if ((refusal.holder = portLockHolder(device, system))) {
        refusal.kind = PortRefusal::Busy;
        return refusal;
    }
    const int access = accessError(device, system);
    if (access == EACCES || access == EPERM) {
        refusal.kind = PortRefusal::NoPermission;
        refusal.group = deviceGroup(device);
        return refusal;
    }
    switch (said) {
    case OpenFault::NotFound:
        refusal.kind = PortRefusal::Missing;
        break;
    // The user may open the device, so what was refused is a second opener.
    case OpenFault::Busy:
    case OpenFault::PermissionOrBusy:
        refusal.kind = PortRefusal::Busy;
        break;
    case OpenFault::NoPermission:
        refusal.kind = PortRefusal::NoPermission;
        refusal.group = deviceGroup(device);
        break;
    default:
        refusal.kind = PortRefusal::Other;
        break;
    }
    return refusal;
}

bool modemManagerRunning(const QString &procRoot)
{
    const QStringList entries = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (numeric && processName(procRoot, pid) == QLatin1String("ModemManager"))
            return true;
    }
    return false;
}

QString modemManagerNote()
{
    return QCoreApplication::translate("qx::PortRefusal", "ModemManager 正在运行，它会占用新插入的串口约 10 秒。请用 udev 规则 "
                     "ENV{ID_MM_DEVICE_IGNORE}=\"1\" 让它不碰这个适配器（见 README 的“Using a real adapter”一节），"
                     "或先执行 sudo systemctl stop ModemManager。");
}

} // namespace qx
