#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace qx {

// What the system said when a port did not open. A QSerialPort says
// PermissionOrBusy for a device another program holds and for one the user
// may not open alike; a plain open() tells them apart by errno.
enum class OpenFault { None, NotFound, Busy, NoPermission, PermissionOrBusy, LineSettings, Other };

OpenFault openFaultFromErrno(int error);

// The program that holds a port, from the lock file it left.
struct PortHolder {
    qint64 pid = 0;
    QString program;   // as the process table names it; empty when it does not say
};

// Where the checks below look; the defaults are the running system's. Tests
// point them at folders of their own, and replace access(), since root may
// open any device and a test cannot see the refusal a user would.
struct PortSystem {
    // Folders where serial programs leave their LCK..<device> files.
    QStringList lockFolders = {QStringLiteral("/var/lock"), QStringLiteral("/run/lock"), QStringLiteral("/tmp")};
    QString procRoot = QStringLiteral("/proc");
    // errno of access(path, R_OK | W_OK), 0 when the user may read and write it.
    std::function<int(const QString &path)> accessError;
};

// Why a port did not open, as the user is told.
struct PortRefusal {
    enum Kind { Missing, Busy, NoPermission, LineSettings, Other };
    Kind kind = Other;
    QString device;
    std::optional<PortHolder> holder;   // Busy: who, when a lock file says
    QString group;                      // NoPermission: the group that may open the device

    // The message; empty for Other, where each program keeps its own.
    QString text() const;
    static QString title();
};

// The live process a lock file names for this device (under the name given
// and the name it leads to), if any. A lock whose process has ended is stale
// and holds nothing.
std::optional<PortHolder> portLockHolder(const QString &device, const PortSystem &system = {});

// Looks at the device to say why opening it failed with `said`: gone, held by
// another program (named when its lock file says), not permitted to this
// user, or line settings the device refused.
PortRefusal explainOpenFailure(const QString &device, OpenFault said, const PortSystem &system = {});

// Whether ModemManager runs: it opens every new serial device for about ten
// seconds to probe it for a modem, and the module's answers go to it meanwhile.
bool modemManagerRunning(const QString &procRoot = QStringLiteral("/proc"));
// The line added to a "no answer" message while it runs.
QString modemManagerNote();

} // namespace qx
