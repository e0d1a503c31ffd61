#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace qx {

// The numbered ports every port box offers first, COM1 to COM8.
inline constexpr int kNumberedPorts = 8;

// A serial device as the system lists it.
struct SerialDevice {
    QString path;           // /dev/ttyUSB0
    QString description;    // FT232R USB UART
    QString serialNumber;   // A10K3XYZ
};

// One entry of a port box: what it shows, and what is opened when it is chosen.
struct PortChoice {
    QString label;   // "COM4", "/dev/serial/by-id/usb-FTDI_... — FT232R USB UART (A10K3XYZ)"
    QString value;   // "COM4" or a device path, as portDevice() takes it
    bool operator==(const PortChoice &) const = default;
};

// Where udev keeps a stable name for each USB serial device; a name there
// survives replugging and another adapter taking ttyUSB0.
QString defaultByIdFolder();

// The entries of a port box: COM1..COM8 first (comDevices holds their
// devices by the COMn rule, in order), then each device of `found`, named by
// its link in byIdFolder when one leads to it. A device is listed once: not
// again when it is already behind some COMn (that COMn then shows its
// description), nor under a second name, nor when it is gone by now.
QList<PortChoice> portChoices(const QStringList &comDevices, const QList<SerialDevice> &found,
                              const QString &byIdFolder = defaultByIdFolder());

// The devices of COM1..COM8 by the COMn rule.
QStringList numberedPortDevices();
// The serial devices the system lists now.
QList<SerialDevice> systemSerialDevices();

// The number n of "COMn" or a bare "n" (n from 1), 0 for anything else.
int portNumber(const QString &value);
// The device a port box's value names: COMn (or n) by the COMn rule, anything
// else is a path and used as typed.
QString portDevice(const QString &value);
// The name to remember a device by: its link in byIdFolder when one leads to
// it, so the same adapter is found again after it was plugged elsewhere.
QString stablePortName(const QString &path, const QString &byIdFolder = defaultByIdFolder());

} // namespace qx
