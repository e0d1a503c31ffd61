#include "link/handshake.h"
#include "link/link.h"

#include <QSignalSpy>
#include <QTest>

using namespace lt;

namespace {

QByteArray reply(const char *hex)
{
    return QByteArray::fromHex("1A2A3A4A5A6A7A8A") + QByteArray::fromHex(hex);
}

class Client : public QObject, public HandshakeClient
{
public:
    QList<int> verdicts;
    void showStep(int) override {}
    void timedOut() override {}
    void restoreControls() override {}
    void noVerdict() override {}
    void verdict(quint8 moduleType) override { verdicts << moduleType; }
};

} // namespace

// The handshake parsers of modes 100 and 110 fed block by block, as the
// receive tick hands them over: what they accept, and what they leave alone.
class HandshakeParserTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Link> link;
    std::unique_ptr<Handshake> exchange;
    std::unique_ptr<Client> client;

    Handshake &handshake() { return *exchange; }
    ModuleIdentity &identity() { return link->identity(); }

    // An exchange armed for the client, its timers held still.
    void arm(int mode)
    {
        handshake().start(ParseMode(mode), client.get(), client.get());
        handshake().identifyTimer().stop();
    }

    void feed(const QByteArray &block)
    {
        link->dispatch(block);
        QCOMPARE(handshake().parseState(), 0);
        QCoreApplication::sendPostedEvents();   // the verdict reaches the window after the pass
    }

    // The reads running, as the identification answer starts them.
    void startReads()
    {
        handshake().answerTimer().start();
        feed(reply("FD03 01 80"));
    }

private slots:
    void init()
    {
        link = std::make_unique<Link>();
        exchange = std::make_unique<Handshake>(*link);
        client = std::make_unique<Client>();
    }
    void cleanup()
    {
        exchange.reset();
        link.reset();
        client.reset();
    }

    void verdictOfEitherMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("100") << 100;
        QTest::newRow("110") << 110;
    }
    void verdictOfEitherMode()
    {
        QFETCH(int, mode);
        arm(mode);
        startReads();
        QSignalSpy dtr(&link->port(), &ModulePort::dtrSet);
        feed(reply("D103 02"));
        QCOMPARE(client->verdicts, QList<int>{2});
        QCOMPARE(identity().moduleType, mode == 100 ? 2 : 0);
        QVERIFY(!handshake().readTimer().isActive());
        QCOMPARE(dtr.size(), 1);
        QCOMPARE(dtr.at(0).at(0).toBool(), true);
    }

    void blocksWithoutAWholeReply_data()
    {
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("junk before a good reply") << QByteArray::fromHex("00") + reply("D103 02");
        QTest::newRow("junk 1A before a good reply") << QByteArray::fromHex("1A") + reply("D103 02");
        for (int i = 1; i <= 7; ++i) {
            QByteArray b = reply("D103 02");
            b[i] = char(b[i] ^ 0x01);
            QTest::addRow("signature byte %d wrong", i) << b;
        }
        QTest::newRow("cut after the code") << reply("D1");
        QTest::newRow("cut before the value") << reply("D103");
        QTest::newRow("head only") << reply("");
        QTest::newRow("start byte only") << QByteArray::fromHex("1A");
    }
    void blocksWithoutAWholeReply()
    {
        QFETCH(QByteArray, block);
        arm(100);
        startReads();
        QSignalSpy dtr(&link->port(), &ModulePort::dtrSet);
        identity().moduleType = 7;
        feed(block);
        QVERIFY(client->verdicts.isEmpty());
        QCOMPARE(identity().moduleType, 7);
        // The exchange goes on as if nothing had come: ticker running, DTR untouched.
        QVERIFY(handshake().readTimer().isActive());
        QVERIFY(dtr.isEmpty());
        // And the parser is ready for the next block.
        feed(reply("D103 00"));
        QCOMPARE(client->verdicts, QList<int>{0});
    }

    void shortParameterRepliesLeaveTheOldValues()
    {
        arm(100);
        auto &s = identity();
        s.workForm = 0x11;
        s.versionText = QStringLiteral("old");
        feed(reply("F803"));
        feed(reply("EC03 31323334"));
        QCOMPARE(s.workForm, 0x11);
        QCOMPARE(s.versionText, QStringLiteral("old"));
        feed(reply("F803 22"));
        QCOMPARE(s.workForm, 0x22);
    }

    void identificationOnlyWhileItIsAwaited()
    {
        arm(110);
        auto &s = identity();
        feed(reply("FD03 01 80"));   // the time-out is not running: a late answer
        QCOMPARE(s.workingMode, 0);
        QVERIFY(!handshake().readTimer().isActive());
        handshake().answerTimer().start();
        feed(reply("FD03 01"));      // cut before the working mode
        QCOMPARE(s.workingMode, 0);
        QVERIFY(handshake().answerTimer().isActive());
        feed(reply("FD03 01 80"));
        QCOMPARE(s.workingMode, 0x80);
        QCOMPARE(s.status, 0x01);
        QVERIFY(!handshake().answerTimer().isActive());
        QVERIFY(handshake().readTimer().isActive());
        handshake().stop();
    }
};

QTEST_GUILESS_MAIN(HandshakeParserTest)
#include "test_handshake_parser.moc"
