#include "link/handshake.h"
#include "link/link.h"
#include "link/timing.h"

#include "sim_module.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace lt;

namespace {

// What the exchange told its window, and when.
class Client : public QObject, public HandshakeClient
{
public:
    explicit Client(const Link &link, const QElapsedTimer &clock) : m_link(link), m_clock(clock) {}

    QList<int> steps;
    QList<qint64> stepAt;
    QList<int> verdicts;
    qint64 noVerdictAt = -1;
    qint64 timedOutAt = -1;
    bool portOpenWhenTimedOut = false;
    int restored = 0;

    void showStep(int step) override
    {
        steps << step;
        stepAt << m_clock.elapsed();
    }
    void timedOut() override
    {
        timedOutAt = m_clock.elapsed();
        portOpenWhenTimedOut = m_link.port().isOpen();
    }
    void restoreControls() override { ++restored; }
    void noVerdict() override { noVerdictAt = m_clock.elapsed(); }
    void verdict(quint8 moduleType) override { verdicts << moduleType; }

private:
    const Link &m_link;
    const QElapsedTimer &m_clock;
};

} // namespace

// The exchange against a simulated module over a real pseudo-terminal: the
// frames in their order, and the pace they go out at.
class HandshakeTest : public QObject
{
    Q_OBJECT

    static constexpr int kScaledSecond = 250;   // 1000 ms at the scale below

    std::unique_ptr<test::SimModule> module;
    std::unique_ptr<Link> link;
    std::unique_ptr<Handshake> exchange;
    std::unique_ptr<Client> client;
    QElapsedTimer clock;
    QList<quint8> heard;        // command byte of every request the module heard
    QList<qint64> heardAt;
    QList<qint64> answeredAt;   // when the module sent each answer

    void connectModule()
    {
        link->port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(link->port().open(), ModulePort::Opened);
        exchange->start(ParseMode::SmsConnect, client.get(), client.get());
    }

    qint64 heardTime(quint8 command, int occurrence = 0) const
    {
        for (int i = 0; i < heard.size(); ++i)
            if (heard[i] == command && occurrence-- == 0)
                return heardAt[i];
        return -1;
    }

    // Spacing with room for a loaded machine; a coarse timer may also fire
    // up to 5 % early.
    static void expectSpacing(qint64 from, qint64 to, int ms)
    {
        QVERIFY2(from >= 0 && to >= 0, "an event did not happen");
        const qint64 spacing = to - from;
        QVERIFY2(spacing >= ms - qMax(10, ms / 20 + 5) && spacing <= ms + 150,
                 qPrintable(QStringLiteral("%1 ms where %2 ms were due").arg(spacing).arg(ms)));
    }

private slots:
    void init()
    {
        timing::setScale(0.25, kScaledSecond);
        module = std::make_unique<test::SimModule>(QStringLiteral("qx3100"));
        link = std::make_unique<Link>();
        exchange = std::make_unique<Handshake>(*link);
        clock.start();
        client = std::make_unique<Client>(*link, clock);
        heard.clear();
        heardAt.clear();
        answeredAt.clear();
        connect(&module->sim(), &qxsim::Simulator::requestReceived, this, [this](const QByteArray &r) {
            heard << quint8(r.size() > 8 ? r[8] : 0);
            heardAt << clock.elapsed();
        });
        connect(&module->sim(), &qxsim::Simulator::bytesSent, this, [this] { answeredAt << clock.elapsed(); });
    }

    void cleanup()
    {
        exchange.reset();
        link.reset();
        client.reset();
        module.reset();
        timing::setScale(1.0, 0);
    }

    void readsGoOutOnePeriodApart()
    {
        connectModule();
        QTRY_COMPARE_WITH_TIMEOUT(client->verdicts, QList<int>{2}, 5000);
        QCOMPARE(heard, (QList<quint8>{0xFE, 0xF8, 0xF9, 0xEC, 0xD6, 0xD1}));
        for (int i = 2; i < heard.size(); ++i)
            expectSpacing(heardAt[i - 1], heardAt[i], kScaledSecond);
        QCOMPARE(client->steps, (QList<int>{0, 1, 2, 3, 4}));
        QVERIFY(!exchange->running());
        QCOMPARE(link->identity().moduleType, 2);
        QCOMPARE(link->identity().versionText, QStringLiteral("13800000000"));
    }

    void noVerdictOnePeriodAfterTheLastRead()
    {
        module->set(QStringLiteral("d1"), QStringLiteral("-1"));
        connectModule();
        QTRY_VERIFY_WITH_TIMEOUT(client->noVerdictAt >= 0, 5000);
        QCOMPARE(client->steps, (QList<int>{0, 1, 2, 3, 4, 5}));
        // The tick of the D1 read, then one more period for its answer.
        expectSpacing(client->stepAt[4], client->noVerdictAt, kScaledSecond);
        expectSpacing(client->stepAt[4], client->stepAt[5], kScaledSecond);
        QVERIFY(client->verdicts.isEmpty());
        QVERIFY(link->port().isOpen());   // no message, and the port stays open
        QVERIFY(!exchange->running());
    }

    // The reads keep the pace they took on their first tick: the first read
    // follows the identification answer by 100 ms in the first exchange, by
    // a whole period in every later one. The answer is handed over at a known
    // moment, and the period is a real second, so the two cannot be confused.
    void firstReadOfALaterExchangeWaitsAPeriod()
    {
        timing::setScale(1.0, 0);
        auto answer = [this] {
            exchange->start(ParseMode::SmsConnect, client.get(), client.get());
            exchange->identifyTimer().stop();
            exchange->answerTimer().start();
            const qint64 at = clock.elapsed();
            link->dispatch(QByteArray::fromHex("1A2A3A4A5A6A7A8AFD030180"));
            return at;
        };
        const qint64 firstAnswer = answer();
        QTRY_COMPARE(client->steps.size(), 1);
        const qint64 laterAnswer = answer();   // a new Connect stops the old reads
        QTRY_COMPARE_WITH_TIMEOUT(client->steps.size(), 2, 3000);
        expectSpacing(firstAnswer, client->stepAt[0], 100);
        expectSpacing(laterAnswer, client->stepAt[1], 1000);
        exchange->stop();
    }

    void silentModuleTimesOutBeforeThePortCloses()
    {
        module->sim().faults().silent = true;
        const qint64 startedAt = clock.elapsed();
        connectModule();
        QTRY_VERIFY_WITH_TIMEOUT(client->timedOutAt >= 0, 3000);
        QCOMPARE(heard, QList<quint8>{0xFE});
        // The request 100 ms after the start, then the whole time-out.
        expectSpacing(startedAt, client->timedOutAt, 100 + timing::interval(2000));
        QVERIFY(client->portOpenWhenTimedOut);
        QVERIFY(!link->port().isOpen());
        QCOMPARE(client->restored, 1);
        QVERIFY(!exchange->running());
    }

    // A module chattering at a wrong rate never lets the line fall quiet, so
    // no block is ever cut; what the time-out throws away is still told as
    // received, so a record of the line shows why nothing answered.
    void chatterTheTimeOutDiscardsIsTold()
    {
        module->sim().faults().silent = true;
        QByteArray told;
        connect(link.get(), &Link::blockReceived, this, [&](const QByteArray &b) { told += b; });
        QList<qint64> chattered;
        QTimer chatter;
        connect(&chatter, &QTimer::timeout, this, [&] {
            module->sim().send(QByteArray("\x55"));
            chattered << clock.elapsed();
        });
        chatter.start(20);
        connectModule();
        QTRY_VERIFY_WITH_TIMEOUT(client->timedOutAt >= 0, 3000);
        chatter.stop();
        qsizetype before = 0;   // sent well before the time-out: surely arrived by then
        for (qint64 at : chattered)
            before += at < client->timedOutAt - 50 ? 1 : 0;
        QVERIFY2(told.size() >= before && before > 10, qPrintable(QStringLiteral("%1 of %2").arg(told.size()).arg(before)));
        QCOMPARE(told, QByteArray(told.size(), '\x55'));
        QVERIFY(!link->port().isOpen());
    }
};

QTEST_GUILESS_MAIN(HandshakeTest)
#include "test_handshake.moc"
