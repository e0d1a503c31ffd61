#include "link/link.h"

#include "pty.h"

#include <QElapsedTimer>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <memory>

using namespace lt;

// One link over a real pseudo-terminal, without any window: framing by the
// quiet gap, dispatch by parse mode, sending, and a device that goes away.
class LinkTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Link> link;
    std::unique_ptr<qxsim::Pty> pty;
    QList<QByteArray> blocks;
    QList<qint64> blockAt;
    QElapsedTimer clock;
    int vanished = 0;

    void writePeer(const QByteArray &bytes)
    {
        QCOMPARE(::write(pty->masterFd(), bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
    }

    // What the module end has received so far.
    QByteArray readPeer()
    {
        QByteArray out;
        char buf[256];
        for (ssize_t n; (n = ::read(pty->masterFd(), buf, sizeof buf)) > 0;)
            out.append(buf, n);
        return out;
    }

    void openPort()
    {
        link->port().select(QStringLiteral("COM2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(link->port().open(), ModulePort::Opened);
    }

private slots:
    void init()
    {
        pty = std::make_unique<qxsim::Pty>();
        QVERIFY(pty->open());
        ::fcntl(pty->masterFd(), F_SETFL, ::fcntl(pty->masterFd(), F_GETFL) | O_NONBLOCK);
        qputenv("QXCOM2", pty->slavePath().toLocal8Bit());
        link = std::make_unique<Link>();
        blocks.clear();
        blockAt.clear();
        vanished = 0;
        clock.start();
        link->registerParser(ParseMode::Qx3100, this, [this](const QByteArray &block) {
            blocks.append(block);
            blockAt.append(clock.elapsed());
        });
        connect(link.get(), &Link::vanished, this, [this] { ++vanished; });
    }

    void cleanup()
    {
        link.reset();
        pty.reset();
    }

    void quietGapFramesBlocks()
    {
        openPort();
        link->setParseMode(ParseMode::Qx3100);
        // Pieces 40 ms apart arrive as one block.
        writePeer("\x1A\x2A");
        QTest::qWait(40);
        writePeer("\x3A\x4A");
        QTest::qWait(40);
        writePeer("\x5A");
        QTRY_COMPARE(blocks.size(), 1);
        QCOMPARE(blocks[0], QByteArray("\x1A\x2A\x3A\x4A\x5A"));
        // A pause of more than 100 ms makes two blocks.
        writePeer("AB");
        QTest::qWait(180);
        writePeer("CD");
        QTRY_COMPARE(blocks.size(), 3);
        QCOMPARE(blocks[1], QByteArray("AB"));
        QCOMPARE(blocks[2], QByteArray("CD"));
        QCOMPARE(vanished, 0);
    }

    void blockComesOneQuietGapAfterItsLastByte()
    {
        openPort();
        link->setParseMode(ParseMode::Qx3100);
        writePeer("first");
        QTest::qWait(60);
        const qint64 last = clock.elapsed();
        writePeer("second");
        QTRY_COMPARE(blocks.size(), 1);
        const qint64 gap = blockAt[0] - last;
        // A coarse timer may fire up to 5 % early.
        QVERIFY2(gap >= Link::kQuietGapMs - 7, qPrintable(QString::number(gap)));
        QVERIFY2(gap < Link::kQuietGapMs + 150, qPrintable(QString::number(gap)));
    }

    void otherParseModesDropTheBlock()
    {
        openPort();
        link->setParseMode(ParseMode::None);
        writePeer("dropped");
        QTest::qWait(250);
        QVERIFY(blocks.isEmpty());
        link->setParseMode(ParseMode::Qx3100);
        writePeer("kept");
        QTRY_COMPARE(blocks.size(), 1);
        QCOMPARE(blocks[0], QByteArray("kept"));
    }

    void parserGoesWithItsOwnerAndALaterOneReplacesIt()
    {
        link->setParseMode(ParseMode::Qx3200);
        QList<QByteArray> first, second;
        auto owner = std::make_unique<QObject>();
        link->registerParser(ParseMode::Qx3200, owner.get(), [&](const QByteArray &b) { first << b; });
        link->dispatch("a");
        owner.reset();
        link->dispatch("b");
        QObject other;
        link->registerParser(ParseMode::Qx3200, &other, [&](const QByteArray &b) { second << b; });
        link->dispatch("c");
        QCOMPARE(first, QList<QByteArray>{"a"});
        QCOMPARE(second, QList<QByteArray>{"c"});
        QVERIFY(blocks.isEmpty());
    }

    void aParserMayRegisterAnotherWhileItRuns()
    {
        link->setParseMode(ParseMode::Qx3200);
        QObject owner;
        QStringList calls;
        link->registerParser(ParseMode::Qx3200, &owner, [&](const QByteArray &b) {
            calls << QStringLiteral("old %1").arg(QString::fromLatin1(b));
            // The window that owns the parser opens again and registers anew.
            link->registerParser(ParseMode::Qx3200, &owner, [&](const QByteArray &b2) {
                calls << QStringLiteral("new %1").arg(QString::fromLatin1(b2));
            });
            calls << QStringLiteral("old done");
        });
        link->dispatch("1");
        link->dispatch("2");
        QCOMPARE(calls, (QStringList{"old 1", "old done", "new 2"}));
    }

    void sendWritesTheWholeFrameOnlyWhileOpen()
    {
        const QByteArray frame = QByteArray::fromHex("1A2A3A4A5A6A7A8AF803");
        link->send(frame);   // closed: nothing, and no error
        openPort();
        QTest::qWait(20);
        QVERIFY(readPeer().isEmpty());
        link->send(frame);
        QByteArray heard;
        QTRY_VERIFY((heard += readPeer()).size() >= frame.size());
        QCOMPARE(heard, frame);
    }

    // What the traffic log hears: every frame written, and every block as
    // the receive tick cut it, told before the parser acts on it.
    void sentFramesAndReceivedBlocksAreTold()
    {
        QList<QByteArray> sent, received;
        QStringList order;
        connect(link.get(), &Link::sent, this, [&](const QByteArray &f) { sent << f; });
        connect(link.get(), &Link::blockReceived, this, [&](const QByteArray &b) {
            received << b;
            order << QStringLiteral("told %1").arg(blocks.size());
        });
        const QByteArray frame = QByteArray::fromHex("1A2A3A4A5A6A7A8AF803");
        link->send(frame);   // closed: nothing went out, nothing to tell
        QVERIFY(sent.isEmpty());
        openPort();
        link->setParseMode(ParseMode::Qx3100);
        link->send(frame);
        QCOMPARE(sent, QList<QByteArray>{frame});

        writePeer("\x1A\x2A");
        QTest::qWait(40);
        writePeer("\x3A");
        QTRY_COMPARE(blocks.size(), 1);
        QCOMPARE(received, QList<QByteArray>{"\x1A\x2A\x3A"});
        QCOMPARE(order, QStringList{"told 0"});

        // A block no parser takes was still received.
        link->setParseMode(ParseMode::None);
        writePeer("dropped");
        QTRY_COMPARE(received.size(), 2);
        QCOMPARE(received[1], QByteArray("dropped"));
        QCOMPARE(blocks.size(), 1);
        // Handed to a parser by hand, a block is not one the line carried.
        link->setParseMode(ParseMode::Qx3100);
        link->dispatch("by hand");
        QCOMPARE(received.size(), 2);
    }

    void vanishedDeviceEndsThePendingBlock()
    {
        openPort();
        link->setParseMode(ParseMode::Qx3100);
        writePeer("half a rep");
        QTRY_VERIFY(link->findChild<QTimer *>(QStringLiteral("Timer12"))->isActive());
        pty.reset();   // the cable is pulled before the line fell quiet
        QTRY_COMPARE(vanished, 1);
        QVERIFY(!link->port().isOpen());
        QVERIFY(!link->findChild<QTimer *>(QStringLiteral("Timer12"))->isActive());
        QTest::qWait(200);
        QVERIFY(blocks.isEmpty());
        QCOMPARE(vanished, 1);
    }
};

QTEST_GUILESS_MAIN(LinkTest)
#include "test_link.moc"
