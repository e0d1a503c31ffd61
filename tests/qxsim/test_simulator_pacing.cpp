#include "simulator.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSocketNotifier>
#include <QTest>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

using namespace qxsim;

// A paced simulator behaves like a cable at the rate the program set on its
// end; unpaced, a pseudo-terminal moves every byte at once.
class SimulatorPacingTest : public QObject
{
    Q_OBJECT
private slots:
    void bytesTakeTheirTimeOnTheLine_data()
    {
        QTest::addColumn<bool>("paced");
        QTest::newRow("paced") << true;
        QTest::newRow("unpaced") << false;
    }

    void bytesTakeTheirTimeOnTheLine()
    {
        QFETCH(bool, paced);
        Simulator sim(makeModel(QStringLiteral("qx3200")));
        sim.setPaced(paced);
        QVERIFY(sim.start());
        const int fd = ::open(sim.devicePath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(fd >= 0);
        termios tio{};
        QCOMPARE(::tcgetattr(fd, &tio), 0);
        ::cfmakeraw(&tio);
        ::cfsetspeed(&tio, B1200);   // 8N1: ten bits, 8.3 ms a character
        QCOMPARE(::tcsetattr(fd, TCSANOW, &tio), 0);

        QElapsedTimer clock;
        clock.start();
        qint64 heardAt = -1;
        connect(&sim, &Simulator::requestReceived, this, [&] { heardAt = clock.elapsed(); });
        QByteArray answer;
        QList<qint64> arrivals;
        QSocketNotifier readable(fd, QSocketNotifier::Read);
        connect(&readable, &QSocketNotifier::activated, this, [&] {
            char buf[64];
            for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) > 0;) {
                answer.append(buf, int(n));
                arrivals << clock.elapsed();
            }
        });

        const QByteArray hello = QByteArray::fromHex("1A2A3A4A5A6A7A8AFE03");   // 10 bytes: 83 ms at 1200
        QCOMPARE(::write(fd, hello.constData(), size_t(hello.size())), ssize_t(hello.size()));
        QTRY_COMPARE_WITH_TIMEOUT(answer.size(), 12, 3000);   // 12 bytes back: 100 ms at 1200
        QCOMPARE(answer, QByteArray::fromHex("1A2A3A4A5A6A7A8AFD030180"));
        const qint64 spread = arrivals.last() - arrivals.first();
        if (paced) {
            // The request counts once its last byte is in, and the quiet gap of 20 ms has passed.
            QVERIFY2(heardAt >= 83 + 20 - 5, qPrintable(QString::number(heardAt)));
            // The first byte comes after one character time, the last eleven later.
            QVERIFY2(arrivals.first() - heardAt >= 5, qPrintable(QString::number(arrivals.first() - heardAt)));
            QVERIFY2(spread >= 80, qPrintable(QString::number(spread)));
        } else {
            QVERIFY2(heardAt < 83, qPrintable(QString::number(heardAt)));
            QCOMPARE(arrivals.size(), 1);
        }
        ::close(fd);
    }
};

QTEST_GUILESS_MAIN(SimulatorPacingTest)
#include "test_simulator_pacing.moc"
