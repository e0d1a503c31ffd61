#include "port_list.h"

#include "port_name.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSerialPortInfo>

namespace qx {

namespace {

// Two names are the same device when they lead to the same file; a device
// that is gone leads nowhere and matches nothing.
QString identity(const QString &path)
{
    return QFileInfo(path).canonicalFilePath();
}

// The stable name of each device that has one, by identity. When a device
// has several, the first by name, so the box does not change between scans.
QHash<QString, QString> stableNames(const QString &byIdFolder)
{
    QHash<QString, QString> names;
    const QFileInfoList links =
        QDir(byIdFolder).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo &link : links) {
        const QString target = identity(link.filePath());
        if (!target.isEmpty() && !names.contains(target))
            names.insert(target, link.filePath());
    }
    return names;
}

// " — FT232R USB UART (A10K3XYZ)", or less of it when the system knows less.
QString aboutDevice(const SerialDevice &device)
{
    QString about = device.description.trimmed();
    const QString serial = device.serialNumber.trimmed();
    if (!serial.isEmpty())
        about += about.isEmpty() ? serial : QStringLiteral(" (%1)").arg(serial);
    return about.isEmpty() ? QString() : QStringLiteral(" — ") + about;
}

} // namespace

QString defaultByIdFolder()
{
    return QStringLiteral("/dev/serial/by-id");
}

QList<PortChoice> portChoices(const QStringList &comDevices, const QList<SerialDevice> &found,
                              const QString &byIdFolder)
{
    const QHash<QString, QString> stable = stableNames(byIdFolder);
    QList<PortChoice> numbered;
    QHash<QString, int> numberedAt;   // identity -> index in numbered
    for (int n = 1; n <= kNumberedPorts; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        numbered.append({name, name});
        const QString id = n <= comDevices.size() ? identity(comDevices.at(n - 1)) : QString();
        if (!id.isEmpty() && !numberedAt.contains(id))
            numberedAt.insert(id, n - 1);
    }

    QList<PortChoice> others;
    QSet<QString> listed;
    for (const SerialDevice &device : found) {
        const QString id = identity(device.path);
        if (id.isEmpty() || listed.contains(id))
            continue;
        listed.insert(id);
        if (numberedAt.contains(id)) {
            PortChoice &com = numbered[numberedAt.value(id)];
            com.label = com.value + aboutDevice(device);
            continue;
        }
        const QString path = stable.value(id, device.path);
        others.append({path + aboutDevice(device), path});
    }
    return numbered + others;
}

QStringList numberedPortDevices()
{
    QStringList devices;
    for (int n = 1; n <= kNumberedPorts; ++n)
        devices << deviceForPort(n);
    return devices;
}

QList<SerialDevice> systemSerialDevices()
{
    QList<SerialDevice> devices;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        devices.append({info.systemLocation(), info.description(), info.serialNumber()});
    return devices;
}

int portNumber(const QString &value)
{
    static const QRegularExpression numbered(QStringLiteral("^(?:COM)?([1-9][0-9]{0,5})$"),
                                              QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = numbered.match(value.trimmed());
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString portDevice(const QString &value)
{
    const int n = portNumber(value);
    return n > 0 ? deviceForPort(n) : value;
}

QString stablePortName(const QString &path, const QString &byIdFolder)
{
    const QString id = identity(path);
    return id.isEmpty() ? path : stableNames(byIdFolder).value(id, path);
}

} // namespace qx
