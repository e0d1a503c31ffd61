#include "qx3100/sequences.h"

#include <QTest>

using namespace lt::qx3100;
using Plan = qx::Sequencer::Plan;

namespace {

QStringList hex(const QList<QByteArray> &frames)
{
    QStringList out;
    for (const QByteArray &f : frames)
        out << QString::fromLatin1(f.mid(8).toHex().toUpper());
    return out;
}

} // namespace

// The window's timed sequences as data: frames, pace and how they end.
class SequencesTest : public QObject
{
    Q_OBJECT
private slots:
    void readChain()
    {
        const Plan plan = readPlan();
        // Indexed by the steps the answers name; the restart time is queried with 2.
        QCOMPARE(hex(plan.frames), (QStringList{"EC03", "A302", "A103", "F103", "F803", "E203", "F903", "FB03", "A203",
                                                "E103", "D303", "D203", "DB03"}));
        QCOMPARE(hex({plan.frames.at(read::kPassword)}), QStringList{"F103"});
        QCOMPARE(hex({plan.frames.at(read::kWakeMode)}), QStringList{"DB03"});
        QCOMPARE(plan.frames.size(), read::kDone);
        QCOMPARE(plan.firstMs, 100);
        QCOMPARE(plan.periodMs, 500);
        QCOMPARE(plan.advance, qx::Sequencer::Advance::OnReply);
    }

    void writeGroupsPace()
    {
        const QList<QByteArray> frames{QByteArray("a"), QByteArray("b")};
        const auto workMode = writePlan(Group::WorkMode, frames);
        QVERIFY(workMode);
        QCOMPARE(workMode->frames, frames);
        QCOMPARE(workMode->firstMs, 100);
        QCOMPARE(workMode->periodMs, 2000);
        QCOMPARE(workMode->advance, qx::Sequencer::Advance::EveryTick);
        QCOMPARE(workMode->end, qx::Sequencer::End::NextTick);
        const auto power = writePlan(Group::PowerSaving, frames);
        QVERIFY(power);
        QCOMPARE(power->periodMs, 1000);
        QCOMPARE(power->end, qx::Sequencer::End::NextTick);
        // One frame, written at once.
        for (Group g : {Group::PasswordUse, Group::Password, Group::Receiver, Group::RestartTime, Group::PassiveAddress,
                        Group::ModuleType, Group::Baud})
            QVERIFY(!writePlan(g, frames.mid(0, 1)));
    }

    void phoneTableLoop()
    {
        const Plan plan = phoneTablePlan(255, 257);
        QCOMPARE(hex(plan.frames), (QStringList{"D40100FF00FF", "D40101000100", "D40101010101"}));
        QCOMPARE(plan.firstMs, 100);
        QCOMPARE(plan.periodMs, 200);
        QCOMPARE(plan.advance, qx::Sequencer::Advance::EveryTick);
        QCOMPARE(plan.end, qx::Sequencer::End::NextTick);
        QVERIFY(phoneTablePlan(5, 4).frames.isEmpty());
        QCOMPARE(phoneTablePlan(0, 0xFFFF).frames.size(), 0x10000);
        QCOMPARE(hex({phoneTablePlan(0xFFFF, 0xFFFF).frames.value(0)}), QStringList{"D401FFFFFFFF"});
    }
};

QTEST_GUILESS_MAIN(SequencesTest)
#include "test_sequences.moc"
