#pragma once

#include "port_refusal.h"

#include <QObject>
#include <QSerialPort>

namespace lt {

// The port one module is reached through: a port number (COMn) or a device
// path, a settings text ("9600,n,8,1"), open and close, DTR, and every
// received byte read out whole. It knows nothing of frames: that is the
// Link's job.
class ModulePort : public QObject
{
    Q_OBJECT
public:
    enum OpenResult {
        Opened = 0,
        NoSuchPort = 8002,      // no such device on this computer
        PortInUse = 8005,       // another program holds it
        SettingsRefused = 8020, // the device refuses the line settings
        NoPermission = 8021,    // this user may not open the device
        OtherFailure = -1,
    };

    explicit ModulePort(QObject *parent = nullptr);

    // Port and line settings from the connect windows' lists, without
    // opening: "COM1".."COM8" give 1..8, an absolute path is that device
    // (anything else COM1); a baud text of the lists gives its rate (anything
    // else 9600); the settings become "<rate>,<tail>", tail being parity,
    // data bits and stop bits ("n,8,1").
    void select(const QString &port, const QString &baud, const QString &tail);

    void setPortNumber(int n);
    // The port number n of COMn; 0 while the port is a device path.
    int portNumber() const { return m_path.isEmpty() ? m_portNumber : 0; }
    void setDevicePath(const QString &path) { m_path = path; }
    // The port as the user chose it: "COM1" or the device path.
    QString portName() const;
    // The device opened for it: COMn's by the COMn rule, or the path.
    QString device() const;
    void setSettings(const QString &settings) { m_settings = settings; }
    QString settings() const { return m_settings; }

    bool isOpen() const { return m_port.isOpen(); }
    // Opening applies the settings text; on any failure the port is left
    // closed and refusal() says why, as the user is told.
    OpenResult open();
    void close();
    const qx::PortRefusal &refusal() const { return m_refusal; }
    // Where a refusal is looked into: lock files, processes, access rights.
    // The running system's unless a test points it elsewhere.
    void setPortSystem(const qx::PortSystem &system) { m_system = system; }
    const qx::PortSystem &portSystem() const { return m_system; }

    // A pseudo-terminal has no DTR line: every setting is also told through
    // dtrSet, so what the program asks of the line can be watched.
    void setDtr(bool on);

    QByteArray readAll();                // every byte received so far
    void write(const QByteArray &data);  // written whole; nothing happens on a closed port

    // The line settings as the port applies them (for tests and the status panel).
    const QSerialPort &serialPort() const { return m_port; }

signals:
    void dtrSet(bool on);   // the program set the DTR line (on an open port or for the next open)
    void opened();     // open() succeeded
    void closed();     // an open port closed, by close() or because the device went away
    void received();   // bytes arrived
    void vanished();   // the device went away while open; the port is already closed (after closed())

private:
    OpenResult refuse(qx::OpenFault fault);
    void onError(QSerialPort::SerialPortError error);
    bool lineHungUp() const;
    bool applySettings();
    void applyDtr();

    QSerialPort m_port;
    int m_portNumber = 1;
    QString m_path;   // a device path chosen instead of COMn
    qx::PortSystem m_system;
    qx::PortRefusal m_refusal;
    QString m_settings = QStringLiteral("9600,n,8,1");
    bool m_dtr = false;
};

} // namespace lt
