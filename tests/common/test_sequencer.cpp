#include "sequencer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using qx::Sequencer;

namespace {

// What a sequence did, with the time of each event since start.
struct Recording
{
    QList<int> ticks;
    QList<QByteArray> sent;
    QList<qint64> sentAt;
    qint64 finishedAt = -1;
    QElapsedTimer clock;

    explicit Recording(Sequencer &s)
    {
        QObject::connect(&s, &Sequencer::ticked, &s, [this](int step) { ticks.append(step); });
        QObject::connect(&s, &Sequencer::send, &s, [this](const QByteArray &f) {
            sent.append(f);
            sentAt.append(clock.elapsed());
        });
        QObject::connect(&s, &Sequencer::finished, &s, [this] { finishedAt = clock.elapsed(); });
    }
    void started() { clock.start(); }
};

int unscaled(int ms)
{
    return ms;
}

QList<QByteArray> frames(std::initializer_list<const char *> texts)
{
    QList<QByteArray> list;
    for (const char *t : texts)
        list.append(QByteArray(t));
    return list;
}

} // namespace

class SequencerTest : public QObject
{
    Q_OBJECT

private slots:
    // Every tick sends the next frame: the first after firstMs, then one a
    // period apart, and one more period for the last answer before it ends.
    void everyTickKeepsThePace()
    {
        Sequencer s(unscaled, QStringLiteral("Timer1"));
        Recording r(s);
        r.started();
        s.start({frames({"a", "b", "c"}), 40, 150, Sequencer::Advance::EveryTick, Sequencer::End::NextTick});
        QTRY_VERIFY_WITH_TIMEOUT(r.finishedAt >= 0, 3000);
        QCOMPARE(r.sent, frames({"a", "b", "c"}));
        QCOMPARE(r.ticks, (QList<int>{0, 1, 2, 3}));
        QVERIFY2(r.sentAt[0] >= 40 && r.sentAt[0] < 140, qPrintable(QString::number(r.sentAt[0])));
        for (int i = 1; i < 3; ++i) {
            const qint64 gap = r.sentAt[i] - r.sentAt[i - 1];
            QVERIFY2(gap >= 148 && gap < 300, qPrintable(QString::number(gap)));
        }
        const qint64 tail = r.finishedAt - r.sentAt[2];
        QVERIFY2(tail >= 148 && tail < 300, qPrintable(QString::number(tail)));
        QVERIFY(!s.isRunning());
    }

    void withLastEndsOnTheLastFrame()
    {
        Sequencer s(unscaled, QStringLiteral("Timer1"));
        Recording r(s);
        r.started();
        s.start({frames({"a", "b"}), 20, 100, Sequencer::Advance::EveryTick, Sequencer::End::WithLast});
        QTRY_VERIFY_WITH_TIMEOUT(r.finishedAt >= 0, 3000);
        QCOMPARE(r.sent.size(), 2);
        QVERIFY(r.finishedAt - r.sentAt[1] < 50);
        QCOMPARE(r.ticks, (QList<int>{0, 1}));
    }

    void anEmptyFrameTakesItsTickButSendsNothing()
    {
        Sequencer s(unscaled, QStringLiteral("Timer3"));
        Recording r(s);
        r.started();
        s.start({frames({"a", "", "c"}), 10, 80, Sequencer::Advance::EveryTick, Sequencer::End::NextTick});
        QTRY_VERIFY_WITH_TIMEOUT(r.finishedAt >= 0, 3000);
        QCOMPARE(r.sent, frames({"a", "c"}));
        QVERIFY2(r.sentAt[1] - r.sentAt[0] >= 158, qPrintable(QString::number(r.sentAt[1] - r.sentAt[0])));
    }

    // The answer names the next step; the sequence ends at the first tick
    // that finds a step unanswered, or when an answer names no step of the plan.
    void onReplyFollowsTheAnswers()
    {
        Sequencer s(unscaled, QStringLiteral("Timer2"));
        Recording r(s);
        // The "module" answers step 0 with 2 and step 2 with a step past the plan.
        connect(&s, &Sequencer::send, &s, [&s](const QByteArray &f) {
            QTimer::singleShot(10, &s, [&s, f] { s.next(f == "q0" ? 2 : 9); });
        });
        r.started();
        s.start({frames({"q0", "q1", "q2"}), 10, 100, Sequencer::Advance::OnReply, Sequencer::End::NextTick});
        QTRY_VERIFY_WITH_TIMEOUT(r.finishedAt >= 0, 3000);
        QCOMPARE(r.sent, frames({"q0", "q2"}));
        QCOMPARE(r.ticks, (QList<int>{0, 2, 3}));
    }

    void onReplyEndsWhenNoAnswerCame()
    {
        Sequencer s(unscaled, QStringLiteral("Timer2"));
        Recording r(s);
        r.started();
        s.start({frames({"q0", "q1"}), 10, 120, Sequencer::Advance::OnReply, Sequencer::End::NextTick});
        QTRY_VERIFY(s.awaitingReply());
        QTRY_VERIFY_WITH_TIMEOUT(r.finishedAt >= 0, 3000);
        QCOMPARE(r.sent, frames({"q0"}));
        QVERIFY2(r.finishedAt - r.sentAt[0] >= 118, qPrintable(QString::number(r.finishedAt - r.sentAt[0])));
    }

    // A listener that stops or restarts the sequence in the middle of a tick
    // takes over: the old run sends nothing more and does not report an end.
    void aListenerMayStopOrRestartMidTick()
    {
        Sequencer s(unscaled, QStringLiteral("Timer4"));
        Recording r(s);
        connect(&s, &Sequencer::ticked, &s, [&s](int step) {
            if (step == 1)
                s.stop();
        });
        s.start({frames({"a", "b", "c"}), 10, 30, Sequencer::Advance::EveryTick, Sequencer::End::NextTick});
        QTRY_VERIFY_WITH_TIMEOUT(!s.isRunning(), 2000);
        QTest::qWait(100);
        QCOMPARE(r.sent, frames({"a"}));
        QCOMPARE(r.finishedAt, -1);

        Sequencer t(unscaled, QStringLiteral("Timer5"));
        Recording rt(t);
        bool restarted = false;
        connect(&t, &Sequencer::send, &t, [&](const QByteArray &f) {
            if (f == "a" && !restarted) {
                restarted = true;
                t.start({frames({"x"}), 10, 30, Sequencer::Advance::EveryTick, Sequencer::End::WithLast});
            }
        });
        rt.started();
        t.start({frames({"a", "b"}), 10, 30, Sequencer::Advance::EveryTick, Sequencer::End::WithLast});
        QTRY_VERIFY_WITH_TIMEOUT(rt.finishedAt >= 0, 2000);
        QCOMPARE(rt.sent, frames({"a", "x"}));
    }

    void intervalsGoThroughTheScale()
    {
        Sequencer s([](int ms) { return ms / 10; }, QStringLiteral("Timer1"));
        QCOMPARE(s.timer().objectName(), QStringLiteral("Timer1"));
        Recording r(s);
        r.started();
        s.start({frames({"a", "b"}), 100, 2000, Sequencer::Advance::EveryTick, Sequencer::End::NextTick});
        QTRY_VERIFY_WITH_TIMEOUT(r.finishedAt >= 0, 3000);
        const qint64 gap = r.sentAt[1] - r.sentAt[0];
        QVERIFY2(gap >= 198 && gap < 1000, qPrintable(QString::number(gap)));
    }
};

QTEST_GUILESS_MAIN(SequencerTest)
#include "test_sequencer.moc"
