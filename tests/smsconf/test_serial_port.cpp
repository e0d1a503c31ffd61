#include "fake_port_device.h"
#include "pty.h"
#include "serial_port.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

using namespace sms;
using namespace std::chrono_literals;

namespace {

void feed(const qxsim::Pty &pty, const QByteArray &bytes)
{
    QCOMPARE(::write(pty.masterFd(), bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
}

QByteArray drain(const qxsim::Pty &pty)
{
    QByteArray out;
    char buf[8192];
    for (ssize_t n; (n = ::read(pty.masterFd(), buf, sizeof buf)) > 0;)
        out.append(buf, int(n));
    return out;
}

} // namespace

class SerialPortTest : public QObject
{
    Q_OBJECT
private slots:
    void missingDevice()
    {
        SerialPort port;
        qputenv("QXCOM9", "/nonexistent/tty");
        QCOMPARE(port.OpenPort(9, 9600), 0);
        QVERIFY(!port.isOpen());
        QCOMPARE(port.WritePort(QByteArray("x")), 0);   // a closed port sends nothing, quietly
    }

    void readsAtMostThousandBytesACycle()
    {
        qxsim::Pty pty;
        QVERIFY(pty.open());
        SerialPort port;
        QCOMPARE(port.OpenDevice(pty.slavePath(), 115200), 1);
        port.holdReader(true);
        QTest::qWait(30);
        feed(pty, QByteArray(1000, 'a'));
        QTest::qWait(60);
        port.holdReader(false);
        QTRY_COMPARE(port.readSizes(), QList<int>({1000}));

        port.holdReader(true);
        QTest::qWait(30);
        port.clearReadSizes();
        feed(pty, QByteArray(1001, 'b'));
        QTest::qWait(60);
        port.holdReader(false);
        QTRY_COMPARE(port.readSizes(), QList<int>({1000, 1}));

        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((port.ReplyTimerTick([&](const QByteArray &r) { reply = r; }), !reply.isEmpty()), 2000);
        QCOMPARE(reply, QByteArray(1000, 'a') + QByteArray(1001, 'b'));
    }

    void replyNeedsThreeHundredMsOfQuiet()
    {
        qxsim::Pty pty;
        QVERIFY(pty.open());
        SerialPort port;
        QCOMPARE(port.OpenDevice(pty.slavePath(), 9600), 1);
        QList<QByteArray> replies;
        QElapsedTimer sinceLast;
        qint64 completedAfter = -1;
        QTimer tick;
        QObject::connect(&tick, &QTimer::timeout, [&] {
            port.ReplyTimerTick([&](const QByteArray &r) {
                replies << r;
                completedAfter = sinceLast.elapsed();
            });
        });
        tick.start(50);
        for (int i = 0; i < 6; ++i) {
            feed(pty, QByteArray(1, char('0' + i)));
            sinceLast.start();
            QTest::qWait(200);
            QVERIFY2(replies.isEmpty(), "a reply completed while bytes kept coming");
        }
        QTRY_COMPARE_WITH_TIMEOUT(replies.size(), 1, 1000);
        QCOMPARE(replies.at(0), QByteArray("012345"));
        QVERIFY2(completedAfter >= 250 && completedAfter <= 400, qPrintable(QString::number(completedAfter)));
    }

    void writesWholeAndDropsOverflow()
    {
        qxsim::Pty pty;
        QVERIFY(pty.open());
        SerialPort port;
        QCOMPARE(port.OpenDevice(pty.slavePath(), 115200), 1);
        QByteArray page(4109, '\0');
        for (int i = 0; i < page.size(); ++i)
            page[i] = char(i * 7);
        QCOMPARE(port.WritePort(page), 4109);
        QByteArray got;
        QTRY_VERIFY((got += drain(pty), got.size() == 4109));
        QCOMPARE(got, page);

        // 8,191 bytes fill the buffer; a burst that would pass it is dropped whole.
        port.holdReader(true);
        QTest::qWait(30);
        feed(pty, QByteArray(8000, 'x'));
        QTest::qWait(30);
        port.holdReader(false);
        QTRY_COMPARE(port.readSizes().size(), 8);
        feed(pty, QByteArray(191, 'y'));
        QTRY_COMPARE(port.readSizes().size(), 9);
        feed(pty, QByteArray(1, 'z'));
        QTRY_COMPARE(port.readSizes().size(), 10);
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((port.ReplyTimerTick([&](const QByteArray &r) { reply = r; }), !reply.isEmpty()), 2000);
        QCOMPARE(reply.size(), 8191);
        QVERIFY(!reply.contains('z'));
    }

    void closeAndReopenGiveAFreshReader()
    {
        qxsim::Pty pty;
        QVERIFY(pty.open());
        SerialPort port;
        QCOMPARE(port.OpenDevice(pty.slavePath(), 9600), 1);
        feed(pty, "old");
        QTRY_COMPARE(port.readSizes().size(), 1);
        port.ClosePort();
        QVERIFY(!port.isOpen());
        // The half reply held at close is never handed out as a reply afterwards.
        bool applied = false;
        for (int i = 0; i < 10; ++i)
            port.ReplyTimerTick([&](const QByteArray &) { applied = true; });
        QVERIFY(!applied);
        // Bytes that arrive while closed, and the half reply held at close, are not part of what comes next.
        feed(pty, "stale");
        QTest::qWait(50);
        QCOMPARE(port.OpenDevice(pty.slavePath(), 9600), 1);
        QCOMPARE(port.OpenDevice(pty.slavePath(), 9600), 1);   // open on open: still one reader
        port.clearReadSizes();
        feed(pty, "new");
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((port.ReplyTimerTick([&](const QByteArray &r) { reply = r; }), !reply.isEmpty()), 2000);
        QCOMPARE(reply, QByteArray("new"));
        for (int i = 0; i < 20; ++i) {
            port.ClosePort();
            QCOMPARE(port.OpenDevice(pty.slavePath(), 9600), 1);
        }
        QCOMPARE(SerialPort::mostReadersAtOnce(), 1);
    }

    void vanishedDeviceStopsTheReader()
    {
        auto pty = std::make_unique<qxsim::Pty>();
        QVERIFY(pty->open());
        SerialPort port;
        QCOMPARE(port.OpenDevice(pty->slavePath(), 9600), 1);
        pty.reset();   // the other end goes away
        QTRY_VERIFY(port.lineLost());
        QCOMPARE(port.WritePort(QByteArray("after")), 0);
        port.ClosePort();
        QVERIFY(!port.isOpen());
    }

    // A pseudo-terminal has no modem lines and drains at once: both through the device seam.
    void opensWithModemLinesLow()
    {
        smstest::FakeLine line;
        SerialPort port(line.factory());
        QCOMPARE(port.OpenDevice("/dev/ttyS3", 9600), 1);
        QCOMPARE(line.calls(), QStringList({"open /dev/ttyS3", "setLine 9600", "lowerModemLines", "discardInput"}));
        // Every open lowers them again: the system raises both on each open.
        QCOMPARE(port.OpenDevice("/dev/ttyS0", 115200), 1);
        QCOMPARE(line.calls().mid(4), QStringList({"open /dev/ttyS0", "close", "setLine 115200", "lowerModemLines",
                                                   "discardInput"}));
    }

    void writeReturnsWhenTheLineHasDrained()
    {
        // 1200 baud, ten bits a character: 60 bytes are half a second on the line.
        smstest::FakeLine line(8333us);
        SerialPort port(line.factory());
        QCOMPARE(port.OpenDevice("/dev/ttyS0", 1200), 1);
        QElapsedTimer t;
        t.start();
        QCOMPARE(port.WritePort(QByteArray(60, 'p')), 60);
        const qint64 took = t.elapsed();
        QVERIFY2(took >= 480, qPrintable(QStringLiteral("returned after %1 ms, the line needs 500").arg(took)));
        QCOMPARE(line.sendingForNs(), 0);
        QCOMPARE(line.calls().mid(4), QStringList({"write 60", "drain"}));
    }
};

QTEST_GUILESS_MAIN(SerialPortTest)
#include "test_serial_port.moc"
