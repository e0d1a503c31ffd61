#include "port_name.h"

#include <QTest>

// The COMn rule both programs follow: what a user sets in QXCOM<n> wins,
// otherwise the system's n-th serial line.
class PortNameTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (auto var : {"QXCOM1", "QXCOM3", "QXCOM10"})
            qunsetenv(var);
    }

    void environmentWinsOverTheSystemDevice()
    {
        qputenv("QXCOM3", "/dev/ttyUSB0");
        QCOMPARE(qx::deviceForPort(3), QString("/dev/ttyUSB0"));
        qputenv("QXCOM1", "/dev/pts/7");
        QCOMPARE(qx::deviceForPort(10), QString("/dev/ttyS9"));   // QXCOM1 is not QXCOM10's prefix
        qputenv("QXCOM10", "/tmp/sim10");
        QCOMPARE(qx::deviceForPort(10), QString("/tmp/sim10"));
    }

    void systemDeviceCountsFromZero()
    {
        QCOMPARE(qx::deviceForPort(1), QString("/dev/ttyS0"));
        QCOMPARE(qx::deviceForPort(4), QString("/dev/ttyS3"));
        qputenv("QXCOM3", "");   // set but empty: as if unset
        QCOMPARE(qx::deviceForPort(3), QString("/dev/ttyS2"));
    }
};

QTEST_GUILESS_MAIN(PortNameTest)
#include "test_port_name.moc"
