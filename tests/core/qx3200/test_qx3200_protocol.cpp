#include "qx3200/reply_parser.h"
#include "qx3200/requests.h"
#include "qx3200/settings.h"

#include "link/module_state.h"

#include <QTest>

using namespace lt;
using namespace lt::qx3200;
using lt::qx3200::code::kIdentity;
using lt::qx3200::code::kTarget;
using lt::op::kReplace;

namespace {

const QByteArray kHead = QByteArray::fromHex("1A2A3A4A5A6A7A8A");

QByteArray reply(const char *hex)
{
    return kHead + QByteArray::fromHex(hex);
}

// The frames as the window builds them from its boxes' texts.
std::optional<QByteArray> passiveFrame(const QString &box)
{
    const auto bytes = passiveAddressBytes(box);
    return bytes ? passiveAddressFrame(*bytes) : std::nullopt;
}

std::optional<QByteArray> heartbeat(const QString &box)
{
    return heartbeatFrame(enteredWholeNumber(box));
}

std::optional<QByteArray> restartCount(const QString &box)
{
    return restartCountFrame(enteredWholeNumber(box));
}

std::optional<QByteArray> wakeTimes(const QString &idleBox, const QString &dataBox)
{
    return wakeTimesFrame(enteredNumber(idleBox), enteredNumber(dataBox));
}

// Records what the parser reports, as a line each; lists behave like the window's.
class FakeView : public ParamView, public ParamEvents
{
public:
    QStringList log;
    bool subModeTwoOffered = true;
    int step = 100;   // the read chain's next step as the last reply named it

    void showIdentity(const QString &a, const QString &p, const QString &s, const QString &c) override
    {
        log << QStringLiteral("identity %1 %2 %3 %4").arg(a, p, s, c);
    }
    void showVersion(const QString &t) override { log << QStringLiteral("version ") + t; }
    void showPassiveAddress(const QString &a) override { log << QStringLiteral("passive ") + a; }
    void showTarget(const QString &a, const QString &p, const QString &s) override
    {
        log << QStringLiteral("target %1 %2 %3").arg(a, p, s);
    }
    void showHeartbeat(int s) override { log << QStringLiteral("heartbeat ") + QString::number(s); }
    void showWorkForm(WorkForm form) override { log << QStringLiteral("work %1").arg(form == WorkForm::Active); }
    void showTransForm(TransForm form) override { log << QStringLiteral("trans %1").arg(form == TransForm::Format); }
    bool showTransparentMode(TransparentMode mode) override
    {
        const bool mode1 = mode == TransparentMode::Mode1;
        log << QStringLiteral("sub %1").arg(mode1);
        return mode1 || subModeTwoOffered;
    }
    void showAddressSettings(const AddressSettings &a) override
    {
        static const char *const types[] = {"ASCII", "16进制", "BCD码", "R50模式"};
        const int index = a.type == AddressType::R50 ? -1 : int(a.type);
        log << QStringLiteral("address %1 %2 %3 %4 %5")
                   .arg(a.start)
                   .arg(a.length)
                   .arg(a.groupMax)
                   .arg(QString::fromUtf8(types[int(a.type)]))
                   .arg(index);
    }
    void showBaud(int baud) override
    {
        log << QStringLiteral("baud %1bps %2").arg(baud).arg(listedBauds().indexOf(baud));
    }
    void showRestartCount(int n) override { log << QStringLiteral("restart ") + QString::number(n); }
    void showPowerSaving(bool on) override { log << QStringLiteral("power %1").arg(on); }
    void showWakeTimes(int idleMs, int dataMs) override { log << QStringLiteral("wake ") + wakeTimesText(idleMs, dataMs); }
    void showWakeMode(WakeMode mode) override { log << QStringLiteral("wakemode %1").arg(mode == WakeMode::Mode2); }

    void nextRead(int next) override { step = next; }
    void moduleReady() override { log << QStringLiteral("ready"); }
    void identityRetry() override { log << QStringLiteral("retry"); }
    void identityResult(IdentityResult result) override
    {
        static const char *const names[] = {"accepted", "refused", "taken", "offline"};
        log << QStringLiteral("result ") + QLatin1String(names[int(result)]);
    }
};

} // namespace

// The QX3200's request frames byte for byte, and what its reply parser makes of replies.
class Qx3200ProtocolTest : public QObject
{
    Q_OBJECT

    FakeView view;
    ModuleState module;
    ReplyParser *parser = nullptr;
    int dataCalls = 0;

    // One block through the parameter branch; the chain's step starts at 100.
    void feed(const QByteArray &block)
    {
        parser->setParameterMode(true);
        parser->parse(block);
        QCOMPARE(parser->state(), qint16(0));
    }

private slots:
    void init()
    {
        view = FakeView();
        dataCalls = 0;
        module = ModuleState();
        delete parser;
        parser = new ReplyParser(view, view, module, [this](const QByteArray &) { ++dataCalls; });
    }
    void cleanupTestCase() { delete parser; }

    void addressFrames()
    {
        QCOMPARE(*addressFrame(kIdentity, "1", "234"), reply("F401 1234"));
        QCOMPARE(*addressFrame(kIdentity, "1", "234", kReplace), reply("F402 1234"));
        QCOMPARE(*addressFrame(kTarget, "A", "0F9"), reply("F301 A0F9"));
        // A site character that is no hex digit counts as 0.
        QCOMPARE(*addressFrame(kTarget, "0", "1x3"), reply("F301 0103"));
        QVERIFY(!addressFrame(kIdentity, "", "234"));
        QVERIFY(!addressFrame(kIdentity, "1", "23"));
        QVERIFY(!addressFrame(kIdentity, "1", "2345"));
    }

    void passiveAddress()
    {
        QCOMPARE(*passiveFrame("5"), reply("E201 3035"));
        QCOMPARE(*passiveFrame("AB"), reply("E201 4142"));
        QCOMPARE(*passiveFrame("123"), reply("E201 3132"));
        QVERIFY(!passiveFrame(""));
        // A character beyond one byte cannot be sent.
        QVERIFY(!passiveFrame(QStringLiteral("中")));
        QVERIFY(!passiveFrame(QStringLiteral("a中")));
        QCOMPARE(*passiveFrame(QStringLiteral("ab中")), reply("E201 6162"));
        QVERIFY(!passiveAddressFrame(QByteArray("1")));
    }

    void numericFields()
    {
        QCOMPARE(*heartbeat("510"), reply("F601 01FE"));
        QCOMPARE(*heartbeat("300"), reply("F601 012C"));
        QCOMPARE(*heartbeat("2.5"), reply("F601 0002"));   // halves to even
        QCOMPARE(*heartbeat("3.5"), reply("F601 0004"));
        QVERIFY(!heartbeat(""));
        QVERIFY(!heartbeat("40000"));
        QCOMPARE(*restartCount("5"), reply("E401 05"));
        QCOMPARE(*restartCount("255"), reply("E401 FF"));
        QVERIFY(!restartCount("256"));
        QVERIFY(!restartCount("-1"));
        QVERIFY(!restartCount("abc"));
        // 1000 ms are 2.5 units, rounded to 2; 10000 ms are 25 units.
        QCOMPARE(*wakeTimes("1000", "10000"), reply("D201 0002 0019"));
        QCOMPARE(*wakeTimes("1400", "26214000"), reply("D201 0004 FFFF"));
        QVERIFY(!wakeTimes("1000", "26214200"));
        QVERIFY(!wakeTimes("", "1000"));
        QVERIFY(!wakeTimes("-800", "1000"));
    }

    void modeFrames()
    {
        QCOMPARE(workFormFrame(WorkForm::Active), reply("F801 01"));
        QCOMPARE(transFormFrame(TransForm::Transparent), reply("F901 00"));
        QCOMPARE(transparentModeFrame(TransparentMode::Mode2), reply("FB01 00"));
        QCOMPARE(addressSettingsFrame({3, 2, 200, AddressType::Bcd}), reply("E101 0302C802"));
        QCOMPARE(addressSettingsFrame({0, 4, 1, AddressType::R50}).at(13), char(3));
        QCOMPARE(powerSavingFrame(false), reply("D301 00"));
        QCOMPARE(wakeModeFrame(WakeMode::Mode2), reply("DB01 01000000"));
        QCOMPARE(readFrame(0xE1), reply("E103"));
    }

    void serialLine()
    {
        const QByteArray f = serialLineFrame(9600, 8, Parity::Even, 2);
        QCOMPARE(f, reply("F201 06 1F 1F"));
        QCOMPARE(f.size(), 13);
        QCOMPARE(lineByte(7, Parity::None, 1), quint8(0x02));
        QCOMPARE(lineByte(8, Parity::Odd, 1), quint8(0x0B));
        QCOMPARE(baudCode(1200), quint8(3));
        QCOMPARE(baudCode(115200), quint8(11));
        // A rate the module does not know goes as 9600.
        QCOMPARE(baudCode(300), quint8(6));
    }

    void readChainOrder()
    {
        const int expected[] = {0xF4, 0xEC, 0xF6, 0xE4, 0xD3, 0xD2, 0xF8, 0xE2, 0xF9, 0xF3, 0xFB, 0xE1, 0xDB};
        for (int step = 0; step <= 12; ++step) {
            QCOMPARE(int(*readChainCode(step)), expected[step]);
            QCOMPARE(readChainStep(quint8(expected[step])), step);
        }
        QVERIFY(!readChainCode(100));
        QVERIFY(!readChainCode(13));
        // The serial line is never read: a reply naming it ends the chain.
        QCOMPARE(readChainStep(qx3200::code::kSerialLine), kEndOfReadChain);
        QVERIFY(!readChainCode(kEndOfReadChain));
    }

    void decodesEachReply()
    {
        feed(reply("F403 12345678"));
        QCOMPARE(view.log.last(), QStringLiteral("identity 12:34: 1 234 56:78:"));
        QCOMPARE(view.step, 1);

        feed(reply("EC03 5158333230305630312E30"));
        QCOMPARE(view.log.last(), QStringLiteral("version QX3200V01.0"));
        QCOMPARE(view.step, 2);

        feed(reply("F603 012C"));
        QCOMPARE(view.log.last(), QStringLiteral("heartbeat 300"));
        QCOMPARE(view.step, 3);

        feed(reply("E403 07"));
        QCOMPARE(view.log.last(), QStringLiteral("restart 7"));
        QCOMPARE(view.step, 4);

        feed(reply("D303 01"));
        QCOMPARE(view.step, 5);
        feed(reply("D303 00"));
        QCOMPARE(view.step, 6);

        feed(reply("D203 0006000A"));
        QCOMPARE(view.log.last(), QStringLiteral("wake 2.4s   4s"));
        QCOMPARE(view.step, 12);

        feed(reply("DB03 01"));
        QCOMPARE(view.log.last(), QStringLiteral("wakemode 1"));
        QCOMPARE(view.step, 6);

        feed(reply("F803 00"));
        QCOMPARE(module.workForm, 0);
        QCOMPARE(view.step, 7);
        feed(reply("F803 01"));
        QCOMPARE(module.workForm, 1);
        QCOMPARE(view.step, 8);

        feed(reply("E203 3035"));
        QCOMPARE(view.log.last(), QStringLiteral("passive 30:35:"));
        QCOMPARE(view.step, 8);

        feed(reply("F903 00"));
        QCOMPARE(view.step, 9);
        feed(reply("F303 0987"));
        QCOMPARE(view.log.last(), QStringLiteral("target 09:87: 0 987"));
        QCOMPARE(view.step, 10);
        feed(reply("FB03 00"));
        QCOMPARE(view.step, 11);
        feed(reply("FB03 01"));
        QCOMPARE(view.step, 100);

        view.step = 100;
        feed(reply("E103 0102FF01"));
        QCOMPARE(view.log.last(), QStringLiteral("address 1 2 255 16进制 1"));
        feed(reply("E103 01020307"));
        QCOMPARE(view.log.last(), QStringLiteral("address 1 2 3 R50模式 -1"));
        QCOMPARE(view.step, 100);

        feed(reply("F206 0303"));
        QCOMPARE(view.log.last(), QStringLiteral("baud 9600bps 3"));
        const int before = int(view.log.size());
        feed(reply("F20B 0303"));   // no item for 115200
        QCOMPARE(view.log.size(), before);
    }

    void formatTransferEndsTheChain()
    {
        feed(reply("F903 01"));
        QCOMPARE(module.transForm, 1);
        QCOMPARE(view.log.last(), QStringLiteral("trans 1"));
        QCOMPARE(view.step, 100);
    }

    void ignoredBursts()
    {
        // A junk byte before the head, an unknown code, a wrong signature byte.
        feed(QByteArray::fromHex("00") + reply("F603 012C"));
        feed(reply("F503 01"));
        QByteArray bad = reply("F603 012C");
        bad[3] = 0x4B;
        feed(bad);
        QVERIFY(view.log.isEmpty());
        QCOMPARE(view.step, 100);
    }

    void truncatedReplies()
    {
        // Nothing of a handler runs when its reply is cut short.
        feed(reply("F603 01"));
        feed(reply("F403 123456"));
        feed(reply("EC03 51583332"));
        feed(reply("D203 000600"));
        feed(kHead);
        feed(kHead.left(5));
        QVERIFY(view.log.isEmpty());
        QCOMPARE(view.step, 100);
        QCOMPARE(module.workForm, 0);
    }

    void negativeHeartbeatIsDropped()
    {
        feed(reply("F603 8001"));
        QVERIFY(view.log.isEmpty());
        QCOMPARE(view.step, 100);
    }

    void onlyTheFirstReplyOfABurst()
    {
        feed(reply("E403 07") + reply("F603 012C"));
        QCOMPARE(view.log, QStringList{QStringLiteral("restart 7")});
        QCOMPARE(view.step, 4);
    }

    void subModeTheListCannotShow()
    {
        view.subModeTwoOffered = false;
        feed(reply("FB03 00"));
        QCOMPARE(view.log.last(), QStringLiteral("sub 0"));
        QCOMPARE(view.step, 100);
    }

    // What the window says of each (its words are checked with the window).
    void identityResults()
    {
        parser->setIdentityPending(true);
        feed(reply("FD03"));
        QCOMPARE(view.log, QStringList{QStringLiteral("retry")});
        parser->setIdentityPending(false);
        feed(reply("FD03"));
        QCOMPARE(view.log.size(), 1);
        feed(reply("FD01"));
        QCOMPARE(view.log.last(), QStringLiteral("ready"));

        parser->setIdentityPending(true);
        feed(reply("F4FA"));
        QVERIFY(!parser->identityPending());
        QCOMPARE(view.log.last(), QStringLiteral("result accepted"));

        parser->setIdentityPending(true);
        feed(reply("F4FC"));
        QVERIFY(!parser->identityPending());
        QCOMPARE(view.log.last(), QStringLiteral("result refused"));

        parser->setIdentityPending(true);
        feed(reply("F40A"));
        QVERIFY(!parser->identityPending());
        QCOMPARE(view.log.last(), QStringLiteral("result offline"));

        // Taken is a question: the write waits on until it is answered.
        view.log.clear();
        parser->setIdentityPending(true);
        feed(reply("F408"));
        QCOMPARE(view.log, QStringList{QStringLiteral("result taken")});
        QVERIFY(parser->identityPending());
        QCOMPARE(view.step, 100);
        // An identity reply of any other kind says nothing.
        feed(reply("F407"));
        QCOMPARE(view.log.size(), 1);
    }

    void declinedReplaceIsNotRepeated()
    {
        parser->setIdentityPending(true);
        feed(reply("F408"));
        QCOMPARE(view.log.last(), QStringLiteral("result taken"));
        // Declined: whoever asked ends the wait.
        parser->setIdentityPending(false);
        view.log.clear();
        // A later status 03 must not send again the write the user declined.
        feed(reply("FD03"));
        QVERIFY(view.log.isEmpty());
    }

    void dataBranchWhenNotInParameterMode()
    {
        parser->setParameterMode(false);
        parser->parse(reply("F603 012C"));
        QCOMPARE(dataCalls, 1);
        QVERIFY(view.log.isEmpty());
    }

    // Several views shown the same reply; a mode one of them cannot show ends it for all.
    void viewsAreShownInTurn()
    {
        FakeView first;
        FakeView second;
        second.subModeTwoOffered = false;
        ParamViews views({&first, &second});
        ReplyParser both(views, view, module, {});
        both.setParameterMode(true);
        both.parse(reply("F603 012C"));
        QCOMPARE(first.log, QStringList{QStringLiteral("heartbeat 300")});
        QCOMPARE(second.log, first.log);
        QCOMPARE(view.step, 3);
        both.parse(reply("FB03 00"));
        QCOMPARE(first.log.last(), QStringLiteral("sub 0"));
        QCOMPARE(second.log.last(), QStringLiteral("sub 0"));
        QCOMPARE(view.step, 3);
        both.parse(reply("FB03 01"));
        QCOMPARE(view.step, 100);
    }
};

QTEST_GUILESS_MAIN(Qx3200ProtocolTest)
#include "test_qx3200_protocol.moc"
