#include "simulator.h"

#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace qxsim;

// The simulator seen from the program's side of the line, with plain file I/O.
class SimulatorBasicsTest : public QObject
{
    Q_OBJECT
private slots:
    void identifiesAndSplits()
    {
        Simulator sim(makeModel(QStringLiteral("qx3200")));
        QVERIFY(sim.start());
        const int fd = ::open(sim.devicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        QSignalSpy sent(&sim, &Simulator::bytesSent);

        const QByteArray hello = QByteArray::fromHex("1A2A3A4A5A6A7A8AFE03");
        QCOMPARE(::write(fd, hello.constData(), size_t(hello.size())), ssize_t(hello.size()));
        QTRY_COMPARE(sent.count(), 1);
        QCOMPARE(sent.at(0).at(0).toByteArray(), QByteArray::fromHex("1A2A3A4A5A6A7A8AFD030180"));

        sim.faults().splitAt = 4;
        sim.faults().splitGapMs = 50;
        const QByteArray d1 = QByteArray::fromHex("1A2A3A4A5A6A7A8AD103");
        QCOMPARE(::write(fd, d1.constData(), size_t(d1.size())), ssize_t(d1.size()));
        QTRY_COMPARE(sent.count(), 3);
        QCOMPARE(sent.at(1).at(0).toByteArray() + sent.at(2).at(0).toByteArray(),
                 QByteArray::fromHex("1A2A3A4A5A6A7A8AD10301"));
        ::close(fd);
    }

    void dropsAndSilence()
    {
        Simulator sim(makeModel(QStringLiteral("qx3100")));
        QVERIFY(sim.start());
        const int fd = ::open(sim.devicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QSignalSpy sent(&sim, &Simulator::bytesSent);
        QSignalSpy heard(&sim, &Simulator::requestReceived);
        sim.faults().dropNext = 1;
        const QByteArray f8 = QByteArray::fromHex("1A2A3A4A5A6A7A8AF803");
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(::write(fd, f8.constData(), size_t(f8.size())), ssize_t(f8.size()));
            QTRY_COMPARE(heard.count(), i + 1);
        }
        QCOMPARE(sent.count(), 1);
        QVERIFY(sim.model().setOption(QStringLiteral("d1"), QStringLiteral("-1")));
        const QByteArray d1 = QByteArray::fromHex("1A2A3A4A5A6A7A8AD103");
        QCOMPARE(::write(fd, d1.constData(), size_t(d1.size())), ssize_t(d1.size()));
        QTRY_COMPARE(heard.count(), 3);
        QTest::qWait(50);
        QCOMPARE(sent.count(), 1);
        ::close(fd);
    }
};

QTEST_GUILESS_MAIN(SimulatorBasicsTest)
#include "test_simulator_basics.moc"
