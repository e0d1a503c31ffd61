#pragma once

#include <QObject>
#include <QSerialPort>

namespace lt {

// The port one module is reached through: a port number (COMn), a settings
// text ("9600,n,8,1"), open and close, DTR, and every received byte read out
// whole. It knows nothing of frames: that is the Link's job.
class ModulePort : public QObject
{
    Q_OBJECT
public:
    enum OpenResult {
        Opened = 0,
        NoSuchPort = 8002,      // no such device on this computer
        PortInUse = 8005,       // another program holds it
        SettingsRefused = 8020, // the device refuses the line settings
        OtherFailure = -1,
    };

    explicit ModulePort(QObject *parent = nullptr);

    // Port and line settings from the connect windows' lists, without
    // opening: "COM1".."COM8" give 1..8 (anything else 1); a baud text of the
    // lists gives its rate (anything else 9600); the settings become
    // "<rate>,<tail>", tail being parity, data bits and stop bits ("n,8,1").
    void select(const QString &port, const QString &baud, const QString &tail);

    void setPortNumber(int n) { m_portNumber = n; }
    int portNumber() const { return m_portNumber; }
    void setSettings(const QString &settings) { m_settings = settings; }
    QString settings() const { return m_settings; }

    bool isOpen() const { return m_port.isOpen(); }
    // Opening applies the settings text; on any failure the port is left closed.
    OpenResult open();
    void close();

    // A pseudo-terminal has no DTR line: every setting is also told through
    // dtrSet, so what the program asks of the line can be watched.
    void setDtr(bool on);

    QByteArray readAll();                // every byte received so far
    void write(const QByteArray &data);  // written whole; nothing happens on a closed port

    // The line settings as the port applies them (for tests and the status panel).
    const QSerialPort &serialPort() const { return m_port; }

signals:
    void dtrSet(bool on);   // the program set the DTR line (on an open port or for the next open)
    void received();   // bytes arrived
    void vanished();   // the device went away while open; the port is already closed

private:
    void onError(QSerialPort::SerialPortError error);
    bool lineHungUp() const;
    bool applySettings();
    void applyDtr();

    QSerialPort m_port;
    int m_portNumber = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    bool m_dtr = false;
};

} // namespace lt
