#include "crc_framing.h"
#include "fake_port_device.h"
#include "frames.h"
#include "pty.h"
#include "reply_shape.h"
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

qsizetype readTotal(const SerialPort &port)
{
    qsizetype n = 0;
    for (int size : port.readSizes())
        n += size;
    return n;
}

// Once the reader has all size bytes, and a few cycles more: the reply they
// make up is not whole, and comes out on the sixth tick of the reply timer.
QByteArray ticksToQuiet(SerialPort &port, qsizetype size)
{
    QByteArray reply;
    const auto keep = [&](const QByteArray &r) { reply = r; };
    [&] { QTRY_COMPARE(readTotal(port), size); }();
    QTest::qWait(40);
    if (port.TakeWholeReply(keep))
        return "taken whole: " + reply;
    for (int tick = 1; tick <= 5; ++tick) {
        port.ReplyTimerTick(keep);
        if (!reply.isEmpty())
            return "taken on tick " + QByteArray::number(tick);
    }
    port.ReplyTimerTick(keep);
    return reply;
}

QByteArray blockReply(int block)
{
    QByteArray out = FrameHeader() + QByteArray::fromHex("E903") + char(block) + QByteArray(kBlockRecords * kRecordLen, 'm');
    qx::appendCrc(out);
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
        QCOMPARE(port.lastOpenFault(), qx::OpenFault::NotFound);   // what the dialog then tells the user
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

    // A reply whose request told its shape is taken as soon as it is whole,
    // however many bursts it came in: no tick of the reply timer is needed,
    // where the quiet gap needs six.
    void wholeReplyIsTakenAtOnce_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("bursts");
        QTest::newRow("message block in three bursts") << messageBlockRequest(7) << blockReply(7) << 3;
        QTest::newRow("page acknowledgement") << messagePageWrite(0, {}) << FrameHeader() + QByteArray::fromHex("E90100") + "OK" << 1;
        QTest::newRow("device address") << deviceAddressQuery() << QByteArray("QX_ADDR=25\r\n") << 2;
    }

    void wholeReplyIsTakenAtOnce()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        QFETCH(int, bursts);
        qxsim::Pty pty;
        QVERIFY(pty.open());
        std::atomic<int> told{0};
        SerialPort port;
        port.setWholeReplyNotifier([&] { ++told; });
        QCOMPARE(port.OpenDevice(pty.slavePath(), 115200), 1);
        port.expectReply(replyShapeFor(request));
        const qsizetype step = (reply.size() + bursts - 1) / bursts;
        for (qsizetype at = 0; at < reply.size(); at += step) {
            QVERIFY2(!port.TakeWholeReply([](const QByteArray &) {}), "whole before its last burst");
            feed(pty, reply.mid(at, step));
            QTRY_COMPARE(readTotal(port), at + std::min(step, reply.size() - at));
            if (at + step < reply.size()) {
                QTest::qWait(40);
                QCOMPARE(told.load(), 0);
            }
        }
        QTRY_COMPARE(told.load(), 1);
        QByteArray taken;
        QVERIFY(port.TakeWholeReply([&](const QByteArray &r) { taken = r; }));
        QCOMPARE(taken, reply);

        // Taking it ended the expectation: the same bytes again wait for the quiet gap.
        port.clearReadSizes();
        feed(pty, reply);
        QCOMPARE(ticksToQuiet(port, reply.size()), reply);
        QCOMPARE(told.load(), 1);
    }

    // Anything that is not exactly the whole reply its request expects
    // completes by the quiet gap, as it always did.
    void otherRepliesWaitForQuiet_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QByteArray>("reply");
        QByteArray bad = blockReply(3);
        bad[600] = char(bad[600] ^ 0x10);
        QTest::newRow("bad checksum") << messageBlockRequest(3) << bad;
        QTest::newRow("extra bytes") << messageBlockRequest(3) << blockReply(3) + "\r\n";
        QTest::newRow("short block") << messageBlockRequest(3) << blockReply(3).left(500);
        QTest::newRow("another block's shape") << messageBlockRequest(3) << FrameHeader() + QByteArray::fromHex("E90100") + "OK";
        QTest::newRow("acknowledgement with a line end") << messagePageWrite(0, {}) << FrameHeader() + QByteArray::fromHex("E90100") + "OK\r\n";
        QTest::newRow("two lines") << deviceAddressQuery() << QByteArray("QX_ADDR=25\r\nOK\r\n");
        QTest::newRow("no line end") << deviceAddressQuery() << QByteArray("QX_ADDR=25");
        QTest::newRow("request of unknown answer") << clearMessagesRequest() << FrameHeader() + QByteArray::fromHex("EA00") + "OK";
    }

    void otherRepliesWaitForQuiet()
    {
        QFETCH(QByteArray, request);
        QFETCH(QByteArray, reply);
        qxsim::Pty pty;
        QVERIFY(pty.open());
        std::atomic<int> told{0};
        SerialPort port;
        port.setWholeReplyNotifier([&] { ++told; });
        QCOMPARE(port.OpenDevice(pty.slavePath(), 115200), 1);
        port.expectReply(replyShapeFor(request));
        feed(pty, reply);
        QCOMPARE(ticksToQuiet(port, reply.size()), reply);
        QCOMPARE(told.load(), 0);
    }

    void bytesAfterAWholeReplyUndoIt()
    {
        // The reader saw the block whole, but more came before the dialog took it:
        // what is held is no longer that block, and waits for the quiet gap.
        qxsim::Pty pty;
        QVERIFY(pty.open());
        std::atomic<int> told{0};
        SerialPort port;
        port.setWholeReplyNotifier([&] { ++told; });
        QCOMPARE(port.OpenDevice(pty.slavePath(), 115200), 1);
        port.expectReply(replyShapeFor(messageBlockRequest(1)));
        feed(pty, blockReply(1));
        QTRY_COMPARE(told.load(), 1);
        const int reads = int(port.readSizes().size());
        feed(pty, "x");
        QTRY_COMPARE(port.readSizes().size(), reads + 1);
        QVERIFY(!port.TakeWholeReply([](const QByteArray &) {}));
        QByteArray reply;
        QTRY_VERIFY_WITH_TIMEOUT((port.ReplyTimerTick([&](const QByteArray &r) { reply = r; }), !reply.isEmpty()), 2000);
        QCOMPARE(reply, blockReply(1) + "x");
    }
};

QTEST_GUILESS_MAIN(SerialPortTest)
#include "test_serial_port.moc"
