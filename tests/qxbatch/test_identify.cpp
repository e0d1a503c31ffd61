#include "batch_fixture.h"
#include "interrupt.h"

#include "link/codes.h"
#include "link/timing.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>

#include <csignal>

using namespace qxb;

// identify against several simulated modules at once: each gets its own
// line as it finishes, and one failing never holds up or spoils another.
class IdentifyTest : public QObject
{
    Q_OBJECT

    BatchFixture bench;

private slots:
    void init()
    {
        // A handshake takes about 5 s at full pace; here well under one.
        lt::timing::setScale(0.02, 400);
        bench = BatchFixture();
    }

    void modelsSideBySide()
    {
        bench.addModule(QStringLiteral("qx3100"));
        bench.addModule(QStringLiteral("qx3200"), {QStringLiteral("mode=0")});
        bench.addModule(QStringLiteral("qx3200"), {QStringLiteral("silent")});
        const QString missing = QStringLiteral("/dev/qxbatch-test-no-such-device");
        auto run = bench.start(QStringLiteral("identify %1 %2 %3 %4").arg(bench.path(0), bench.path(1), bench.path(2), missing));
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 10000);

        QCOMPARE(bench.lines.size(), 4);
        QCOMPARE(bench.lineOf(bench.path(0)),
                 bench.path(0) + QStringLiteral(" ok model=QX3100 version=13800000000 type=2"));
        QCOMPARE(bench.lineOf(bench.path(1)),
                 bench.path(1) + QStringLiteral(" ok model=QX3200 mode=address version=13800000000 type=1"));
        QVERIFY(bench.lineOf(bench.path(2)).startsWith(bench.path(2) + QStringLiteral(" no-answer ")));
        QVERIFY(bench.lineOf(missing).startsWith(missing + QStringLiteral(" no-port ")));
        // Lines come as devices finish: the missing port at once, the silent one at its time-out, before the reads end.
        QVERIFY(bench.lines.first().startsWith(missing));
        QVERIFY(bench.lines.indexOf(bench.lineOf(bench.path(2))) < bench.lines.indexOf(bench.lineOf(bench.path(0))));
        QCOMPARE(run->exitCode(), 1);
        // Nothing was asked to change the working mode.
        for (const QByteArray &request : bench.modules[1]->requests())
            QVERIFY(quint8(request.at(8)) != lt::code::kWorkingMode);
    }

    void everyDeviceOkExitsZero()
    {
        bench.addModule(QStringLiteral("qx3100"));
        bench.addModule(QStringLiteral("qx3200"));
        auto run = bench.start(QStringLiteral("identify --json %1 %2").arg(bench.path(0), bench.path(1)));
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 10000);
        QCOMPARE(run->exitCode(), 0);
        const QJsonObject o = QJsonDocument::fromJson(bench.lineOf(bench.path(1)).toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("status")).toString(), QStringLiteral("ok"));
        QCOMPARE(o.value(QStringLiteral("model")).toString(), QStringLiteral("QX3200"));
        QCOMPARE(o.value(QStringLiteral("mode")).toString(), QStringLiteral("data"));
        QCOMPARE(o.value(QStringLiteral("type")).toInt(), 1);
    }

    void settleWaitsBeforeTheHandshake()
    {
        bench.addModule(QStringLiteral("qx3100"));
        qint64 firstRequestAt = -1;
        connect(bench.modules[0].get(), &qxsim::Simulator::requestReceived, this, [&] {
            if (firstRequestAt < 0)
                firstRequestAt = bench.clock.elapsed();
        });
        auto run = bench.start(QStringLiteral("identify --settle 0.6 %1").arg(bench.path(0)));
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 10000);
        QCOMPARE(run->exitCode(), 0);
        // 600 ms unscaled, then the identification 100 ms after the port opened.
        QVERIFY2(firstRequestAt >= 690, qPrintable(QString::number(firstRequestAt)));
        QVERIFY2(firstRequestAt < 1500, qPrintable(QString::number(firstRequestAt)));
    }

    // --set-mode sends the change only to a module in the other mode, waits
    // out the restart with the port closed, and reports the module as it is now.
    void setModeChangesOnlyWhatDiffers()
    {
        bench.addModule(QStringLiteral("qx3200"), {QStringLiteral("restart-ms=300")});   // in data communication
        bench.addModule(QStringLiteral("qx3200"), {QStringLiteral("mode=0")});           // already address setting
        bench.addModule(QStringLiteral("qx3100"));
        QList<qint64> identifyAt;
        qint64 changeAt = -1;
        connect(bench.modules[0].get(), &qxsim::Simulator::requestReceived, this, [&](const QByteArray &r) {
            if (quint8(r.at(8)) == lt::code::kIdentify)
                identifyAt << bench.clock.elapsed();
            if (quint8(r.at(8)) == lt::code::kWorkingMode) {
                changeAt = bench.clock.elapsed();
                QCOMPARE(r.at(10), char(lt::code::kSetAddressSetting));
            }
        });
        auto run = bench.start(QStringLiteral("identify --set-mode address %1 %2 %3").arg(bench.path(0), bench.path(1), bench.path(2)));
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 20000);
        QCOMPARE(run->exitCode(), 0);
        QCOMPARE(bench.lineOf(bench.path(0)),
                 bench.path(0) + QStringLiteral(" ok model=QX3200 mode=address version=13800000000 type=1 mode-changed=true"));
        QCOMPARE(bench.lineOf(bench.path(1)),
                 bench.path(1) + QStringLiteral(" ok model=QX3200 mode=address version=13800000000 type=1"));
        QCOMPARE(bench.lineOf(bench.path(2)), bench.path(2) + QStringLiteral(" ok model=QX3100 version=13800000000 type=2"));
        for (int i : {1, 2})
            for (const QByteArray &request : bench.modules[size_t(i)]->requests())
                QVERIFY(quint8(request.at(8)) != lt::code::kWorkingMode);

        // The second identification waits the whole (scaled) restart and the
        // 100 ms before it; the module may hear the change a little late, so
        // the gap it sees may be that much shorter.
        QCOMPARE(identifyAt.size(), 2);
        QVERIFY(changeAt > identifyAt[0]);
        const qint64 restart = lt::timing::interval(51000);
        QVERIFY2(identifyAt[1] - changeAt >= restart - 50, qPrintable(QString::number(identifyAt[1] - changeAt)));
        QVERIFY2(identifyAt[1] - changeAt < restart + 100 + 1000, qPrintable(QString::number(identifyAt[1] - changeAt)));
    }

    void ctrlCEndsEveryUnfinishedDevice()
    {
        bench.addModule(QStringLiteral("qx3100"), {QStringLiteral("silent")});
        bench.addModule(QStringLiteral("qx3200"));
        const QString missing = QStringLiteral("/dev/qxbatch-test-no-such-device");
        lt::timing::setScale(1.0, 0);   // the handshake at its own pace, so it is still running
        auto run = bench.start(QStringLiteral("identify %1 %2 %3").arg(missing, bench.path(0), bench.path(1)));
        InterruptWatch watch;
        connect(&watch, &InterruptWatch::interrupted, run.get(), &BatchRun::interrupt);
        QTest::qWait(300);
        ::raise(SIGINT);
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 2000);
        QCOMPARE(bench.lines.size(), 3);
        QVERIFY(bench.lineOf(missing).contains(QStringLiteral(" no-port ")));
        QCOMPARE(bench.lineOf(bench.path(0)), bench.path(0) + QStringLiteral(" interrupted"));
        QCOMPARE(bench.lineOf(bench.path(1)), bench.path(1) + QStringLiteral(" interrupted"));
        QCOMPARE(run->exitCode(), 1);
        // Every timer stopped with it: nothing more goes out.
        const qsizetype heard = bench.modules[1]->requests().size();
        QTest::qWait(1500);
        QCOMPARE(bench.modules[1]->requests().size(), heard);
    }
};

QTEST_GUILESS_MAIN(IdentifyTest)
#include "test_identify.moc"
