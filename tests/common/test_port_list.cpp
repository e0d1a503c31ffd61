#include "port_list.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using qx::PortChoice;
using qx::SerialDevice;

// The entries of a port box from a device folder made up in a temporary
// folder: plain files stand for the devices, symbolic links for the names
// udev gives them.
class PortListTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString dev(const QString &name) const { return m_dir.filePath(QStringLiteral("dev/") + name); }
    QString byId() const { return dev(QStringLiteral("serial/by-id")); }

    void makeDevice(const QString &name)
    {
        QFile f(dev(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    // A link as udev makes them: relative, ../../ttyUSB0.
    void makeLink(const QString &link, const QString &target)
    {
        QVERIFY(QFile::link(target, dev(link)));
    }
    // COM1..COM8 with only COM1 present, as on a desktop with one real serial line.
    QStringList numbered() const
    {
        QStringList devices{dev(QStringLiteral("ttyS0"))};
        for (int n = 2; n <= 8; ++n)
            devices << dev(QStringLiteral("ttyS%1").arg(n - 1));
        return devices;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(byId()));
        for (auto name : {"ttyS0", "ttyUSB0", "ttyUSB1", "ttyUSB2", "ttyACM0"})
            makeDevice(QString::fromLatin1(name));
        makeLink(QStringLiteral("serial/by-id/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0"), QStringLiteral("../../ttyUSB0"));
        makeLink(QStringLiteral("serial/by-id/usb-Prolific_PL2303-if00-port0"), QStringLiteral("../../ttyUSB2"));
        // A second stable name for the same adapter: the first by name is used.
        makeLink(QStringLiteral("serial/by-id/usb-Prolific_PL2303-if00-port0-alias"), QStringLiteral("../../ttyUSB2"));
        makeLink(QStringLiteral("bench-adapter"), QStringLiteral("ttyUSB1"));
    }

    void numberedFirstThenEachDeviceOnce()
    {
        const QList<SerialDevice> found = {
            {dev("ttyS0"), QString(), QString()},
            {dev("ttyUSB0"), "FT232R USB UART", "A10K3XYZ"},
            {dev("ttyUSB1"), "CP2102 USB to UART Bridge Controller", "0001"},
            {dev("bench-adapter"), "CP2102 USB to UART Bridge Controller", "0001"},   // ttyUSB1 again
            {dev("ttyUSB2"), "USB-Serial Controller", QString()},
            {dev("ttyACM0"), QString(), "8D7A"},
            {dev("ttyACM9"), "gone since the scan", "X"},
        };
        const QList<PortChoice> choices = qx::portChoices(numbered(), found, byId());

        QList<PortChoice> expected;
        expected.append(PortChoice{"COM1", "COM1"});   // ttyS0: nothing more to say about it
        for (int n = 2; n <= 8; ++n)
            expected.append(PortChoice{QStringLiteral("COM%1").arg(n), QStringLiteral("COM%1").arg(n)});
        const QString ftdi = byId() + "/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0";
        const QString prolific = byId() + "/usb-Prolific_PL2303-if00-port0";
        expected.append(PortChoice{ftdi + " — FT232R USB UART (A10K3XYZ)", ftdi});
        expected.append(PortChoice{dev("ttyUSB1") + " — CP2102 USB to UART Bridge Controller (0001)", dev("ttyUSB1")});
        expected.append(PortChoice{prolific + " — USB-Serial Controller", prolific});
        expected.append(PortChoice{dev("ttyACM0") + " — 8D7A", dev("ttyACM0")});
        QCOMPARE(choices, expected);
    }

    // A device already behind a COMn (here by its stable name, as QXCOM2
    // would put it there) is that COMn, which now says what it is.
    void aDeviceBehindANumberedPortIsThatPort()
    {
        QStringList com = numbered();
        com[1] = byId() + "/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0";
        com[5] = dev("bench-adapter");
        const QList<SerialDevice> found = {{dev("ttyUSB0"), "FT232R USB UART", "A10K3XYZ"},
                                           {dev("ttyUSB1"), "CP2102", QString()}};
        const QList<PortChoice> choices = qx::portChoices(com, found, byId());
        QCOMPARE(choices.size(), 8);
        QCOMPARE(choices.at(1), (PortChoice{"COM2 — FT232R USB UART (A10K3XYZ)", "COM2"}));
        QCOMPARE(choices.at(5), (PortChoice{"COM6 — CP2102", "COM6"}));
        QCOMPARE(choices.at(0), (PortChoice{"COM1", "COM1"}));
    }

    void withoutDevicesOnlyTheNumberedPorts()
    {
        const QList<PortChoice> choices = qx::portChoices({}, {}, m_dir.filePath("no-such-folder"));
        QCOMPARE(choices.size(), 8);
        QCOMPARE(choices.first().value, QString("COM1"));
        QCOMPARE(choices.last().label, QString("COM8"));
    }

    void valuesNameDevices()
    {
        QCOMPARE(qx::portNumber("4"), 4);
        QCOMPARE(qx::portNumber("COM12"), 12);
        QCOMPARE(qx::portNumber("com3"), 3);
        QCOMPARE(qx::portNumber(" 7 "), 7);
        for (auto text : {"0", "COM0", "COM", "4a", "/dev/ttyUSB0", "", "-1"})
            QVERIFY2(qx::portNumber(text) == 0, text);

        qputenv("QXCOM4", "/dev/pts/9");
        QCOMPARE(qx::portDevice("4"), QString("/dev/pts/9"));
        QCOMPARE(qx::portDevice("COM4"), QString("/dev/pts/9"));
        qunsetenv("QXCOM4");
        QCOMPARE(qx::portDevice("COM2"), QString("/dev/ttyS1"));
        QCOMPARE(qx::portDevice("/dev/ttyACM0"), QString("/dev/ttyACM0"));
        QCOMPARE(qx::portDevice("ttyUSB0"), QString("ttyUSB0"));   // a path, used as typed
    }

    void rememberedByTheStableName()
    {
        const QString ftdi = byId() + "/usb-FTDI_FT232R_USB_UART_A10K3XYZ-if00-port0";
        QCOMPARE(qx::stablePortName(dev("ttyUSB0"), byId()), ftdi);
        QCOMPARE(qx::stablePortName(ftdi, byId()), ftdi);
        QCOMPARE(qx::stablePortName(dev("ttyUSB1"), byId()), dev("ttyUSB1"));   // no stable name
        QCOMPARE(qx::stablePortName(dev("gone"), byId()), dev("gone"));
    }
};

QTEST_GUILESS_MAIN(PortListTest)
#include "test_port_list.moc"
