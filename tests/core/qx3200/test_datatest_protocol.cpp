#include "qx3200/data_test_frames.h"
#include "qx3200/data_test_receive.h"

#include "link/helpers.h"
#include "link/module_state.h"

#include <QTest>

using namespace lt::qx3200::datatest;
using lt::hex_text;

namespace lt::qx3200::datatest {
bool operator==(const Outcome &a, const Outcome &b)
{
    return a.log == b.log && a.collected == b.collected && a.dropped == b.dropped;
}
} // namespace lt::qx3200::datatest

namespace {
QByteArray hex(const char *h)
{
    return QByteArray::fromHex(h);
}
const QString kRx = QStringLiteral("接收  ");
} // namespace

// Frames byte for byte, and what the data branch and the display timer make of replies.
class DataTestProtocolTest : public QObject
{
    Q_OBJECT
private slots:
    void sendAreaCutAndBytes()
    {
        QCOMPARE(cutToGroups(QStringLiteral("31:32:3")), QStringLiteral("31:32:"));
        QCOMPARE(cutToGroups(QStringLiteral("31:32:")), QStringLiteral("31:32:"));
        QCOMPARE(cutToGroups(QStringLiteral("3")), QString());
        QCOMPARE(hexBytes(QStringLiteral("31:32:")), hex("3132"));
        QCOMPARE(hexBytes(QStringLiteral("0A:FF:")), hex("0aff"));
        // A character that is not a digit counts as 0; an unfinished group gives no byte.
        QCOMPARE(hexBytes(QStringLiteral("G1:3")), hex("01"));
        QCOMPARE(hex_text(hex("0a4f")), QStringLiteral("0A:4F:"));
    }

    void addresses()
    {
        QCOMPARE(addressBytes(QStringLiteral("30:31:")).value(), hex("3031"));
        QCOMPARE(addressBytes(QStringLiteral("00:05")).value(), hex("0005"));
        QVERIFY(!addressBytes(QString()));
        QVERIFY(!addressBytes(QStringLiteral("00:0")));
        QVERIFY(!addressBytes(QStringLiteral("05:")));
    }

    void passiveCommands()
    {
        const QByteArray a = hex("3031");
        QCOMPARE(readFrame(a), hex("243031520D"));
        QCOMPARE(memoryCheckFrame(a), hex("24303157 0000 0D"));
        QCOMPARE(passiveWriteFrame(a, hex("3132"), std::nullopt), hex("24303157 0002 3132 0D"));
        // Format write of 2 bytes: the length counts the 6-byte format head.
        QCOMPARE(passiveWriteFrame(hex("a1a2"), hex("d1d2"), hex("b1b2")),
                 hex("24a1a257 0008 D701b1b2 0002 d1d2 0D"));
    }

    void formatFramesAndLengths()
    {
        QCOMPARE(formatFrame(hex("0005"), hex("4142")), hex("D7010005 0002 4142"));
        const QByteArray data(200, 'x');
        const QByteArray f = formatFrame(hex("0005"), data);
        QCOMPARE(f.mid(4, 2), hex("00C8"));
        QCOMPARE(f.size(), 206);
        QCOMPARE(passiveWriteFrame(hex("3031"), data, std::nullopt).mid(4, 2), hex("00C8"));
        QCOMPARE(passiveWriteFrame(hex("3031"), data, hex("0005")).mid(4, 2), hex("00CE"));
        QCOMPARE(formatFrame(hex("0005"), QByteArray(0x1234, 'y')).mid(4, 2), hex("1234"));
        QCOMPARE(maxData(true, true), 0xFFFF - 6);
        QCOMPARE(maxData(false, true), 0xFFFF);
        QCOMPARE(maxData(true, false), 0xFFFF);
        QVERIFY(maxData(false, false) > 0xFFFF);
    }

    void passiveAnswers()
    {
        // Read answer with content: collected whole; with none: logged.
        Outcome o = parseBurst(hex("213031000155 0D"), 0, 0, PassiveCommand::Read);
        QCOMPARE(o.collected, QStringLiteral("21:30:31:00:01:55:0D:"));
        QVERIFY(o.log.isEmpty());
        o = parseBurst(hex("2130310000 0D"), 0, 0, PassiveCommand::Read);
        QCOMPARE(o.log, QStringList{kRx + QStringLiteral("21:30:31:00:00:0D:")});
        QVERIFY(o.collected.isEmpty());
        // Memory check: bytes 0..5; write: bytes 0..3; "?": 3F: then bytes 0..2.
        o = parseBurst(hex("2130310003 0D FF"), 0, 0, PassiveCommand::MemoryCheck);
        QCOMPARE(o.log, QStringList{kRx + QStringLiteral("21:30:31:00:03:0D:")});
        o = parseBurst(hex("21303100 0D"), 0, 1, PassiveCommand::Write);
        QCOMPARE(o.log, QStringList{kRx + QStringLiteral("21:30:31:00:")});
        o = parseBurst(hex("3F3031"), 0, 0, PassiveCommand::Write);
        QCOMPARE(o.log, QStringList{kRx + QStringLiteral("3F:3F:30:31:")});
        // No command sent yet: a "!" answer is dropped; junk is ignored.
        QVERIFY(parseBurst(hex("2130310001550D"), 0, 0, PassiveCommand::None).log.isEmpty());
        QVERIFY(parseBurst(hex("2130310001550D"), 0, 0, PassiveCommand::None).collected.isEmpty());
        QVERIFY(parseBurst(hex("55aa"), 0, 0, PassiveCommand::Read).log.isEmpty());
    }

    void passiveFaultsNeverReadPastTheBurst()
    {
        // A length of 0x8000 or more cannot be right: dropped silently.
        Outcome o = parseBurst(hex("2130318000 55 0D"), 0, 0, PassiveCommand::Read);
        QVERIFY(o.dropped);
        QVERIFY(o.collected.isEmpty());
        QVERIFY(o.log.isEmpty());
        o = parseBurst(hex("213031FFFF"), 0, 0, PassiveCommand::Read);
        QVERIFY(o.dropped);
        // 0x7FFF still passes.
        QVERIFY(!parseBurst(hex("2130317FFF55"), 0, 0, PassiveCommand::Read).collected.isEmpty());
        // Cut short: the read answer before its length says nothing; logged answers
        // show only the bytes that came.
        for (const char *h : {"21", "2130", "213031", "21303100"})
            QCOMPARE(parseBurst(hex(h), 0, 0, PassiveCommand::Read), Outcome{});
        QCOMPARE(parseBurst(hex("213031"), 0, 0, PassiveCommand::MemoryCheck).log, QStringList{kRx + QStringLiteral("21:30:31:")});
        QCOMPARE(parseBurst(hex("21"), 0, 0, PassiveCommand::Write).log, QStringList{kRx + QStringLiteral("21:")});
        QCOMPARE(parseBurst(hex("3F"), 0, 0, PassiveCommand::Read).log, QStringList{kRx + QStringLiteral("3F:3F:")});
        QCOMPARE(parseBurst(QByteArray(), 1, 1, PassiveCommand::None), Outcome{});
    }

    void activeFormat()
    {
        Outcome o = parseBurst(hex("D70100070001 55"), 1, 1, PassiveCommand::None);
        QCOMPARE(o.collected, QStringLiteral("D7:01:00:07:00:01:55:"));
        for (const char *st : {"FA", "FF", "FC"}) {
            o = parseBurst(hex(QByteArray("D7").append(st)), 1, 1, PassiveCommand::None);
            QCOMPARE(o.log, QStringList{kRx + QStringLiteral("D7:") + QLatin1String(st) + QLatin1Char(':')});
        }
        QCOMPARE(parseBurst(hex("D702"), 1, 1, PassiveCommand::None), Outcome{});
        QCOMPARE(parseBurst(hex("D7"), 1, 1, PassiveCommand::None), Outcome{});
        QCOMPARE(parseBurst(hex("01D7"), 1, 1, PassiveCommand::None), Outcome{});
        // Any non-zero transfer form is format.
        QCOMPARE(parseBurst(hex("D7FA"), 1, 2, PassiveCommand::None).log.size(), 1);
    }

    void tailScan()
    {
        // A status and a message in one burst: both handled.
        Outcome o = parseBurst(hex("D7FA D7010007000155"), 1, 1, PassiveCommand::None);
        QCOMPARE(o.log, QStringList{kRx + QStringLiteral("D7:FA:")});
        QCOMPARE(o.collected, QStringLiteral("D7:01:00:07:00:01:55:"));
        // A junk byte in front does not hide the frame behind it.
        o = parseBurst(hex("00 D7FC 00 00"), 1, 1, PassiveCommand::None);
        QCOMPARE(o.log, QStringList{kRx + QStringLiteral("D7:FC:")});
        // A 0xD7 needs more than two bytes after it.
        o = parseBurst(hex("00 D7FC 00"), 1, 1, PassiveCommand::None);
        QVERIFY(o.log.isEmpty());
        // Two status bytes back to back: the second has only one byte after it.
        QCOMPARE(parseBurst(hex("D7FAD7FF00"), 1, 1, PassiveCommand::None).log.size(), 1);
        QCOMPARE(parseBurst(hex("D7FAD7FF0000"), 1, 1, PassiveCommand::None).log.size(), 2);
        // After passive answers the scan runs as well.
        o = parseBurst(hex("3F3031 D7FA0000"), 0, 1, PassiveCommand::Write);
        QCOMPARE(o.log.size(), 1);
    }

    void collectedBytesAreNotReadTwice()
    {
        // Data that holds 0xD7 with bytes after it is one message, shown once.
        Outcome o = parseBurst(hex("D7010007 0004 D7010203"), 1, 1, PassiveCommand::None);
        QCOMPARE(o.collected, QStringLiteral("D7:01:00:07:00:04:D7:01:02:03:"));
        o = parseBurst(hex("31D7323334"), 1, 0, PassiveCommand::None);
        QCOMPARE(o.collected, QStringLiteral("31:D7:32:33:34:"));
        o = parseBurst(hex("213031000AD7010005000231320D"), 0, 1, PassiveCommand::Read);
        QCOMPARE(o.collected, QStringLiteral("21:30:31:00:0A:D7:01:00:05:00:02:31:32:0D:"));
    }

    void messageSplitOverTwoBlocks()
    {
        // A passive read answer whose second block follows more than 100 ms later.
        Outcome o = parseBurst(hex("213031000A D7010005"), 0, 1, PassiveCommand::Read);
        QCOMPARE(o.collected, QStringLiteral("21:30:31:00:0A:D7:01:00:05:"));
        o = parseBurst(hex("00023132 0D"), 0, 1, PassiveCommand::Read, true);
        QCOMPARE(o.collected, QStringLiteral("00:02:31:32:0D:"));
        QVERIFY(o.log.isEmpty());
        // An active format message whose second half holds a 0xD7: part of the
        // message, not a status frame.
        o = parseBurst(hex("31 D7FA 4142"), 1, 1, PassiveCommand::None, true);
        QCOMPARE(o.collected, QStringLiteral("31:D7:FA:41:42:"));
        QVERIFY(o.log.isEmpty());
        // A block that starts with a frame of its own is still that frame.
        o = parseBurst(hex("D7FA"), 1, 1, PassiveCommand::None, true);
        QCOMPARE(o.log, QStringList{kRx + QStringLiteral("D7:FA:")});
        QVERIFY(o.collected.isEmpty());
        // With no message coming in, such a block is what it always was.
        QCOMPARE(parseBurst(hex("00023132 0D"), 0, 1, PassiveCommand::Read), Outcome{});
        QCOMPARE(parseBurst(hex("31 D7FA 4142"), 1, 1, PassiveCommand::None).log, QStringList{kRx + QStringLiteral("D7:FA:")});
    }

    // The receiving side over a module: the last command decides what an
    // answer is, a message is collected over blocks until it is shown, and
    // only while it is collected is a block that fits no rule the rest of it.
    void receiverCollectsUntilShown()
    {
        lt::ModuleState module;
        module.workForm = 0;
        module.transForm = 1;
        Receiver r;
        QCOMPARE(r.take(hex("213031000A D7010005"), module), Outcome{});
        QVERIFY(!r.collecting());
        r.commandSent(PassiveCommand::Read);
        QCOMPARE(r.lastCommand(), PassiveCommand::Read);
        r.take(hex("213031000A D7010005"), module);
        QVERIFY(r.collecting());
        const Outcome rest = r.take(hex("00023132 0D"), module);
        QCOMPARE(rest.collected, QStringLiteral("00:02:31:32:0D:"));
        QCOMPARE(r.collected(), QStringLiteral("21:30:31:00:0A:D7:01:00:05:00:02:31:32:0D:"));
        const Shown shown = r.show(module);
        QCOMPARE(shown.receive, QStringLiteral("\r\n31:32:"));
        QCOMPARE(shown.sender.value(), QStringLiteral("00:05:"));
        QVERIFY(r.collected().isEmpty());
        // Shown and forgotten: the same block is no longer the rest of anything.
        QCOMPARE(r.take(hex("00023132 0D"), module), Outcome{});
        QCOMPARE(r.lastCommand(), PassiveCommand::Read);
    }

    void displayRules()
    {
        // Active format: the 6-byte head removed, sender from bytes 2 and 3.
        Shown d = display(QStringLiteral("D7:01:00:07:00:01:55:"), 1, 1);
        QCOMPARE(d.receive, QStringLiteral("\r\n55:"));
        QCOMPARE(d.sender.value(), QStringLiteral("00:07:"));
        QCOMPARE(d.log, QStringLiteral("接收数据：  D7:01:00:07:00:01:55:"));
        // Active transparent: everything.
        d = display(QStringLiteral("31:32:"), 1, 0);
        QCOMPARE(d.receive, QStringLiteral("\r\n31:32:"));
        QVERIFY(!d.sender);
        // Passive format: "!" head, format head and the closing byte removed.
        d = display(QStringLiteral("21:30:31:00:08:D7:01:00:05:00:02:31:32:0D:"), 0, 1);
        QCOMPARE(d.receive, QStringLiteral("\r\n31:32:"));
        QCOMPARE(d.sender.value(), QStringLiteral("00:05:"));
        // Passive transparent: "!" head and the closing byte removed.
        d = display(QStringLiteral("21:30:31:00:02:31:32:0D:"), 0, 0);
        QCOMPARE(d.receive, QStringLiteral("\r\n31:32:"));
        QVERIFY(!d.sender);
    }

    void displayRangesStayInsideTheText()
    {
        QCOMPARE(textRange(QStringLiteral("abc"), 2, 5), QStringLiteral("bc"));
        QCOMPARE(textRange(QStringLiteral("abc"), 4, 1), QString());
        QCOMPARE(textRange(QStringLiteral("abc"), 1, -3), QString());
        QCOMPARE(textRange(QStringLiteral("abc"), 0, 2), QString());
        for (int wf : {0, 1})
            for (int tf : {0, 1})
                for (const QString &t : {QString(), QStringLiteral("D7:"), QStringLiteral("21:30:31:00:01:55:0D:")}) {
                    const Shown d = display(t, wf, tf);
                    QVERIFY(d.receive.startsWith(QStringLiteral("\r\n")));
                    QVERIFY(d.receive.size() <= t.size() + 2);
                }
        // Shorter than the heads: nothing of the body, a partial sender.
        Shown d = display(QStringLiteral("D7:01:00:"), 1, 1);
        QCOMPARE(d.receive, QStringLiteral("\r\n"));
        QCOMPARE(d.sender.value(), QStringLiteral("00:"));
        d = display(QStringLiteral("21:30:31:00:01:55:0D:"), 0, 1);
        QCOMPARE(d.receive, QStringLiteral("\r\n"));
        QCOMPARE(d.sender.value(), QString());
    }
};

QTEST_GUILESS_MAIN(DataTestProtocolTest)
#include "test_datatest_protocol.moc"
