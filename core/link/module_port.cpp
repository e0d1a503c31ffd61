#include "module_port.h"

#include "port_name.h"

#include <QDir>

#include <poll.h>

namespace lt {

ModulePort::ModulePort(QObject *parent) : QObject(parent)
{
    // The name the port has always had, by which tests and tools find it.
    setObjectName(QStringLiteral("MSComm1"));
    connect(&m_port, &QSerialPort::readyRead, this, &ModulePort::received);
    connect(&m_port, &QSerialPort::errorOccurred, this, &ModulePort::onError);
}

void ModulePort::select(const QString &port, const QString &baud, const QString &tail)
{
    int number = 1;
    if (port.size() == 4 && port.startsWith(QLatin1String("COM")) && port.at(3) >= QLatin1Char('1')
        && port.at(3) <= QLatin1Char('8'))
        number = port.at(3).digitValue();
    setPortNumber(number);
    if (QDir::isAbsolutePath(port))
        setDevicePath(port);

    static const int rates[] = {1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200};
    int rate = 9600;
    for (int r : rates)
        if (baud == QString::number(r) + QLatin1String("bps"))
            rate = r;
    setSettings(QString::number(rate) + QLatin1Char(',') + tail);
}

void ModulePort::setPortNumber(int n)
{
    m_portNumber = n;
    m_path.clear();
}

QString ModulePort::portName() const
{
    return m_path.isEmpty() ? QStringLiteral("COM%1").arg(m_portNumber) : m_path;
}

QString ModulePort::device() const
{
    return m_path.isEmpty() ? qx::deviceForPort(m_portNumber) : m_path;
}

ModulePort::OpenResult ModulePort::open()
{
    close();
    m_refusal = {};
    m_port.setPortName(device());
    if (!m_port.open(QIODevice::ReadWrite)) {
        switch (m_port.error()) {
        case QSerialPort::DeviceNotFoundError:
            return refuse(qx::OpenFault::NotFound);
        // A lock file of a live process, or the system's EACCES or EBUSY:
        // QSerialPort says the same for all of them.
        case QSerialPort::PermissionError:
            return refuse(qx::OpenFault::PermissionOrBusy);
        default:
            return refuse(qx::OpenFault::Other);
        }
    }
    if (!applySettings()) {
        m_port.close();
        return refuse(qx::OpenFault::LineSettings);
    }
    m_port.clear();
    applyDtr();
    emit opened();
    return Opened;
}

ModulePort::OpenResult ModulePort::refuse(qx::OpenFault fault)
{
    m_refusal = qx::explainOpenFailure(device(), fault, m_system);
    switch (m_refusal.kind) {
    case qx::PortRefusal::Missing:
        return NoSuchPort;
    case qx::PortRefusal::Busy:
        return PortInUse;
    case qx::PortRefusal::NoPermission:
        return NoPermission;
    case qx::PortRefusal::LineSettings:
        return SettingsRefused;
    case qx::PortRefusal::Other:
        break;
    }
    return OtherFailure;
}

bool ModulePort::applySettings()
{
    const QStringList parts = m_settings.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    bool ok = false;
    const int rate = parts[0].toInt(&ok);
    if (!ok)
        return false;
    QSerialPort::Parity parity;
    switch (parts[1].toLower().at(0).toLatin1()) {
    case 'n': parity = QSerialPort::NoParity; break;
    case 'o': parity = QSerialPort::OddParity; break;
    case 'e': parity = QSerialPort::EvenParity; break;
    case 'm': parity = QSerialPort::MarkParity; break;
    case 's': parity = QSerialPort::SpaceParity; break;
    default: return false;
    }
    const auto dataBits = parts[2] == QLatin1String("7") ? QSerialPort::Data7 : QSerialPort::Data8;
    const auto stopBits = parts[3] == QLatin1String("2") ? QSerialPort::TwoStop : QSerialPort::OneStop;
    return m_port.setBaudRate(rate) && m_port.setParity(parity) && m_port.setDataBits(dataBits)
           && m_port.setStopBits(stopBits) && m_port.setFlowControl(QSerialPort::NoFlowControl);
}

void ModulePort::close()
{
    if (!m_port.isOpen())
        return;
    m_port.close();
    emit closed();
}

void ModulePort::setDtr(bool on)
{
    m_dtr = on;
    applyDtr();
    emit dtrSet(on);
}

void ModulePort::applyDtr()
{
    // A pseudo-terminal has no DTR line; the call fails there and that is fine.
    if (m_port.isOpen())
        m_port.setDataTerminalReady(m_dtr);
}

QByteArray ModulePort::readAll()
{
    return m_port.isOpen() ? m_port.readAll() : QByteArray();
}

void ModulePort::write(const QByteArray &data)
{
    if (m_port.isOpen())
        m_port.write(data);
}

void ModulePort::onError(QSerialPort::SerialPortError error)
{
    // A vanished device reports an error many thousand times a second until
    // the port is closed: close at the first one and say so once. A write
    // fails with ResourceError, but a read of a hung-up line returns nothing
    // and the error it reports depends on whatever errno an earlier call left
    // (ENOTTY from the DTR call on a pty makes it a ReadError): the line
    // itself is asked whether it hung up.
    if (!m_port.isOpen())
        return;
    const bool gone = error == QSerialPort::ResourceError
                      || ((error == QSerialPort::ReadError || error == QSerialPort::WriteError
                           || error == QSerialPort::UnknownError)
                          && lineHungUp());
    if (gone) {
        close();
        emit vanished();
    }
}

bool ModulePort::lineHungUp() const
{
    pollfd p{int(m_port.handle()), POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && (p.revents & (POLLHUP | POLLERR | POLLNVAL));
}

} // namespace lt
