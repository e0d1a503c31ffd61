#include "qx3100/frame_parser.h"
#include "qx3100/phone_entry.h"
#include "qx3100/requests.h"
#include "qx3100/sequences.h"

#include "link/helpers.h"
#include "link/module_state.h"

#include "crc16.h"
#include "crc_framing.h"

#include <QTest>

using namespace lt;
using namespace lt::qx3100;

namespace {

const QByteArray kHead = QByteArray::fromHex("1A2A3A4A5A6A7A8A");

QByteArray reply(const char *hex)
{
    return kHead + QByteArray::fromHex(hex);
}

QByteArray withCrc(QByteArray frame)
{
    qx::appendCrc(frame);
    return frame;
}

// Records what the parser shows, one line per call, and the read step the
// last answer named.
class Recorder : public FrameView
{
public:
    QStringList calls;
    QByteArray lastEntry;
    int nextRead = -1;
    void initialisationFinished() override { calls << "init"; }
    void showWorkForm(bool passive) override { calls << QStringLiteral("work %1").arg(passive); }
    void showTransForm(bool transparent) override { calls << QStringLiteral("trans %1").arg(transparent); }
    void showReceiver(const QString &n) override { calls << "receiver " + n; }
    void showPasswordUse(bool used) override { calls << QStringLiteral("pwuse %1").arg(used); }
    void showPassword(const QString &t) override { calls << "pw " + t; }
    void showVersion(const QString &v) override { calls << "version " + v; }
    void showPassiveAddress(const QString &t) override { calls << "addr " + t; }
    void showRestartTime(double s) override { calls << "restart " + shortestDecimal(s); }
    void showTransparentMode(int m) override { calls << QStringLiteral("tmode %1").arg(m); }
    void showAddressParameters(int a, int b, int c, int d) override
    {
        calls << QStringLiteral("e1 %1 %2 %3 %4").arg(a).arg(b).arg(c).arg(d);
    }
    void showPowerSaving(bool on) override { calls << QStringLiteral("power %1").arg(on); }
    void showWakeDelays(double a, double b) override { calls << "delays " + shortestDecimal(a) + " " + shortestDecimal(b); }
    void showWakeMode(int m) override { calls << QStringLiteral("wake %1").arg(m); }
    void phoneEntryRead(const QByteArray &rec) override
    {
        lastEntry = rec;
        calls << "entry " + addressText(quint8(rec[10]), quint8(rec[11])) + " " + numberText(rec.mid(14, 6));
    }
    void phoneEntryWritten(int h, int l) override { calls << "written " + addressText(h, l); }
    void readNext(int step) override { nextRead = step; }
};

} // namespace

class Sms3100ProtocolTest : public QObject
{
    Q_OBJECT

    Recorder view;
    ModuleState module;
    FrameParser *parser = nullptr;

    QStringList feed(const QByteArray &block)
    {
        view.calls.clear();
        parser->parse(block);
        return view.calls;
    }

private slots:
    void init()
    {
        view = Recorder();
        module = ModuleState();
        delete parser;
        parser = new FrameParser(view, module);
    }
    void cleanupTestCase() { delete parser; }

    void requestFrames()
    {
        QCOMPARE(query(0xEC), reply("EC03"));
        QCOMPARE(query(0xA3), reply("A302"));
        QCOMPARE(query(0xDB), reply("DB03"));
        QCOMPARE(setByte(0xA1, 1), reply("A10101"));
        QCOMPARE(set(0xF1, *colonBytes(QStringLiteral("12:34:AB:CD:"), 4)), reply("F10112 34ABCD"));
        QCOMPARE(set(0xA2, *phoneBytes(QStringLiteral("13912345678"))), reply("A201 01 3912345678"));
        QCOMPARE(set(0xF2, QByteArray(1, char(baudCode(9600)))), reply("F20106"));
        QCOMPARE(set(0xA3, be32(*restartUnits(60))), reply("A301 00002EE0"));
        QCOMPARE(set(0xD2, be16(*wakeUnits(1000)) + be16(*wakeUnits(10000))), reply("D201 0002 0019"));
        QCOMPARE(set(0xDB, QByteArray::fromHex("01000000")), reply("DB01 01000000"));
    }

    void encodings()
    {
        // Only upper-case digits count; the rest are 0.
        QCOMPARE(*colonBytes(QStringLiteral("0a:1F:"), 2), QByteArray::fromHex("001F"));
        QCOMPARE(*colonBytes(QStringLiteral("12:AB"), 2), QByteArray::fromHex("12AB"));
        QVERIFY(!colonBytes(QStringLiteral("12:A"), 2));
        QVERIFY(!colonBytes(QString(), 1));
        QVERIFY(!phoneBytes(QStringLiteral("1391234567")));
        QCOMPARE(baudCode(115200), 11);
        QCOMPARE(baudCode(1200), 3);
        // A rate the list does not have, or a text that names none, sends 0.
        QCOMPARE(baudCode(9601), 0);
        QCOMPARE(baudCode(std::nullopt), 0);
        // The list's texts and the panel's type names are the window's: test_sms3100_window.
        // Halves go to the even neighbour; values past 32 bits are refused.
        QCOMPARE(*lt::round_even(2.5), 2);
        QCOMPARE(*lt::round_even(3.5), 4);
        QCOMPARE(*lt::round_even(-2.5), -2);
        QVERIFY(!restartUnits(20000000));
        QCOMPARE(*restartUnits(-1), -200);
        QCOMPARE(be32(-200), QByteArray::fromHex("FFFFFF38"));
        QCOMPARE(*wakeUnits(26214000), quint16(65535));
        QVERIFY(!wakeUnits(26214400));
        QVERIFY(!wakeUnits(-400));
        QCOMPARE(shortestDecimal(2 * 0.4), QStringLiteral("0.8"));
        QCOMPARE(shortestDecimal(25 * 0.4), QStringLiteral("10"));
        QCOMPARE(shortestDecimal(600 * 0.005), QStringLiteral("3"));
        QVERIFY(!lt::decimal_value(QStringLiteral("abc")));
        QCOMPARE(*lt::decimal_value(QStringLiteral(" 60 ")), 60.0);
    }

    void phoneFrames()
    {
        QCOMPARE(phoneRead(0x01, 0x02), reply("D401 01020102"));
        const QByteArray w = phoneWrite(0x00, 0x01, *phoneBytes(QStringLiteral("13912345678")));
        QCOMPARE(w.size(), 22);
        QCOMPARE(w.left(20), reply("D402 00010001 01 3912345678"));
        QCOMPARE(qx::crc16(reinterpret_cast<const std::uint8_t *>(w.constData()), 22), 0);
        const QByteArray erase = phoneWrite(0x12, 0x34, QByteArray(6, '\xFF'));
        QCOMPARE(erase.mid(14, 6), QByteArray(6, '\xFF'));
        QCOMPARE(qx::crc16(reinterpret_cast<const std::uint8_t *>(erase.constData()), 22), 0);
        QCOMPARE(addressText(0x0A, 0), QStringLiteral("0A:00:"));
        QCOMPARE(numberText(QByteArray::fromHex("013912345678")), QStringLiteral("13912345678"));
        QCOMPARE(numberText(QByteArray(6, '\xFF')), QStringLiteral("FFFFFFFFFFFF"));
    }

    void readPathAdvancesReadStep()
    {
        QCOMPARE(feed(reply("EC03") + "QX3100V1.0 "), QStringList{"version QX3100V1.0"});
        QCOMPARE(view.nextRead, 1);
        QCOMPARE(feed(reply("A302 00000258")), QStringList{"restart 3"});
        QCOMPARE(view.nextRead, 2);
        QCOMPARE(feed(reply("A103 00")), QStringList{"pwuse 0"});
        QCOMPARE(view.nextRead, 4);
        QCOMPARE(feed(reply("A103 01")), QStringList{"pwuse 1"});
        QCOMPARE(view.nextRead, 3);
        QCOMPARE(feed(reply("F103 0A1B2C3D")), QStringList{"pw 0A:1B:2C:3D:"});
        QCOMPARE(view.nextRead, 4);
        QCOMPARE(feed(reply("F803 00")), QStringList{"work 1"});
        QCOMPARE(view.nextRead, 5);
        QCOMPARE(feed(reply("E203 1234")), QStringList{"addr 12:34:"});
        QCOMPARE(view.nextRead, 6);
        QCOMPARE(feed(reply("F903 00")), QStringList{"trans 1"});
        QCOMPARE(view.nextRead, 7);
        QCOMPARE(module.transForm, 0);
        QCOMPARE(feed(reply("FB03 01")), QStringList{"tmode 1"});
        QCOMPARE(view.nextRead, 8);
        QCOMPARE(feed(reply("FB03 00")), QStringList{"tmode 2"});
        QCOMPARE(view.nextRead, 9);
        QCOMPARE(feed(reply("A203 FF 3912345678")), QStringList{"receiver 13912345678"});
        QCOMPARE(view.nextRead, 10);
        QCOMPARE(feed(reply("E103 03 02 0A 07")), QStringList{"e1 3 2 10 7"});
        QCOMPARE(view.nextRead, 10);
        // Power saving off ends the chain: there are no wake delays to read.
        QCOMPARE(feed(reply("D303 00")), QStringList{"power 0"});
        QCOMPARE(view.nextRead, read::kDone);
        QCOMPARE(feed(reply("D303 01")), QStringList{"power 1"});
        QCOMPARE(view.nextRead, 11);
        QCOMPARE(feed(reply("D203 0002 0019")), QStringList{"delays 0.8 10"});
        QCOMPARE(view.nextRead, 12);
        QCOMPARE(feed(reply("DB03 00")), QStringList{"wake 1"});
        QCOMPARE(view.nextRead, 13);
        QCOMPARE(feed(reply("DB03 03")), QStringList{"wake 2"});
        // The baud acknowledgement and the model answer show nothing.
        QCOMPARE(feed(reply("F201")), QStringList{});
        QCOMPARE(feed(reply("D101 02")), QStringList{});
        QCOMPARE(parser->state(), 0);
    }

    void workFormKeepsLastValueAndSignedRestart()
    {
        feed(reply("F803 00"));
        feed(reply("F803 05"));
        QCOMPARE(module.workForm, 5);
        QCOMPARE(view.calls, QStringList{"work 0"});
        QCOMPARE(view.nextRead, 6);
        QCOMPARE(feed(reply("A302 FFFFFF38")), QStringList{"restart -1"});
    }

    void initialisationFinishedOnlyForOne()
    {
        QCOMPARE(feed(reply("FD01")), QStringList{"init"});
        QCOMPARE(feed(reply("FD03 0180")), QStringList{});
        QCOMPARE(feed(reply("FD")), QStringList{});
    }

    void rejectsBadHeadsAndShortFrames()
    {
        QByteArray bad = reply("F803 00");
        bad[3] = 0x4B;
        QCOMPARE(feed(bad), QStringList{});
        QCOMPARE(feed(QByteArray::fromHex("00") + kHead.left(5)), QStringList{});
        QCOMPARE(feed(reply("7703 00")), QStringList{});
        // Short frames are dropped whole: nothing shown, no read step named.
        view.nextRead = -1;
        for (const char *hex : {"F803", "A302 000002", "EC03 3132", "E103 010203", "D203 000200", "E203 12", "A203 01 39123456"})
            QCOMPARE(feed(reply(hex)), QStringList{});
        QCOMPARE(view.nextRead, -1);
        QCOMPARE(parser->state(), 0);
        QCOMPARE(feed(QByteArray()), QStringList{});
    }

    void everyFrameOfABlockIsDecoded()
    {
        // Two answers in one tick (and one behind junk) are all decoded, none is cut.
        const QByteArray block = reply("F803 00") + reply("F903 01") + QByteArray::fromHex("5555") + reply("D303 00");
        QCOMPARE(feed(block), (QStringList{"work 1", "trans 0", "power 0"}));
        QCOMPARE(view.nextRead, read::kDone);
        QCOMPARE(feed(QByteArray::fromHex("FF") + reply("A103 01")), QStringList{"pwuse 1"});
        // The 0x1A of a value byte is no frame start.
        QCOMPARE(feed(reply("E203 1A2A")), QStringList{"addr 1A:2A:"});
    }

    void phoneAnswers()
    {
        const QByteArray entry = withCrc(reply("D401 00050005 01 3912345678"));
        QCOMPARE(feed(entry), QStringList{"entry 00:05: 13912345678"});
        QCOMPARE(view.lastEntry, entry);
        QVERIFY(entryValid(entry));
        QCOMPARE(entryAddress(entry), QStringLiteral("00:05:"));
        QCOMPARE(entryNumber(entry), QStringLiteral("13912345678"));
        QByteArray corrupt = entry;
        corrupt[21] = char(corrupt[21] ^ 0x01);
        QVERIFY(!entryValid(corrupt));
        QVERIFY(!entryValid(entry.left(21)));
        QVERIFY(!entryValid(entry + '\0'));
        QCOMPARE(feed(corrupt), QStringList{});
        QCOMPARE(feed(entry.left(21)), QStringList{});
        QCOMPARE(feed(reply("D402 1234 1234")), QStringList{"written 12:34:"});
        QCOMPARE(feed(reply("D403 1234 1234")), QStringList{});
        QCOMPARE(feed(reply("D402 12")), QStringList{});
        // Entries of a read loop arriving together are all kept.
        const QByteArray two = withCrc(reply("D401 00010001 01 3900000001")) + withCrc(reply("D401 00020002 FFFFFFFFFFFF"));
        QCOMPARE(feed(two), (QStringList{"entry 00:01: 13900000001", "entry 00:02: FFFFFFFFFFFF"}));
        QVERIFY(isPhoneTableAnswer(entry));
        QVERIFY(!isPhoneTableAnswer(reply("F803 00")));
        QVERIFY(!isPhoneTableAnswer(QByteArray::fromHex("D7FA")));
    }
};

QTEST_GUILESS_MAIN(Sms3100ProtocolTest)
#include "test_protocol.moc"
