#pragma once

#include <QObject>
#include <QSerialPort>

namespace lt {

// The program's one serial port, with the properties the windows use:
// port number, settings text ("9600,n,8,1"), PortOpen, DTR, Input, Output and
// a receive event per arrival.
class MSComm : public QObject
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

    explicit MSComm(QObject *parent = nullptr);

    void setCommPort(int n) { m_commPort = n; }
    int commPort() const { return m_commPort; }
    void setSettings(const QString &settings) { m_settings = settings; }
    QString settings() const { return m_settings; }
    void setInputLen(int n) { m_inputLen = n; }
    void setRThreshold(int n) { m_rThreshold = n; }

    bool portOpen() const { return m_port.isOpen(); }
    // Opening applies the settings text; on any failure the port is left closed.
    OpenResult open();
    void close();

    // A pseudo-terminal has no DTR line: every setting is also told through
    // dtrSet, so what the program asks of the line can be watched.
    void setDTREnable(bool on);

    QByteArray input();                  // every byte received so far
    void output(const QByteArray &data); // written whole; nothing happens on a closed port

    // The line settings as the port applies them (for tests and the status panel).
    const QSerialPort &port() const { return m_port; }

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
    int m_commPort = 1;
    QString m_settings = QStringLiteral("9600,n,8,1");
    int m_inputLen = 0;
    int m_rThreshold = 1;
    bool m_dtr = false;
};

} // namespace lt
