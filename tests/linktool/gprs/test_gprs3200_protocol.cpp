#include "gprs/gprs_parser.h"
#include "gprs/gprs_protocol.h"

#include "link/module_state.h"
#include "ui/shared_state.h"

#include "linktool_support.h"

#include <QTest>

using namespace lt::gprs;

namespace {

const QByteArray kHead = QByteArray::fromHex("1A2A3A4A5A6A7A8A");

QByteArray reply(const char *hex)
{
    return kHead + QByteArray::fromHex(hex);
}

// Records what the parser writes; lists behave like the window's.
class FakeView : public ParamView
{
public:
    QStringList log;
    bool subModeTwoOffered = true;

    QWidget *messageParent() override { return nullptr; }
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
    void showHeartbeat(const QString &s) override { log << QStringLiteral("heartbeat ") + s; }
    void showWorkForm(bool active) override { log << QStringLiteral("work %1").arg(active); }
    void showTransForm(bool format) override { log << QStringLiteral("trans %1").arg(format); }
    bool showSubMode(bool mode1) override
    {
        log << QStringLiteral("sub %1").arg(mode1);
        return mode1 || subModeTwoOffered;
    }
    void showAddressSettings(int st, int len, int max, const QString &type, int index) override
    {
        log << QStringLiteral("address %1 %2 %3 %4 %5").arg(st).arg(len).arg(max).arg(type).arg(index);
    }
    void showBaud(const QString &t, int i) override { log << QStringLiteral("baud %1 %2").arg(t).arg(i); }
    void showRestartCount(const QString &t) override { log << QStringLiteral("restart ") + t; }
    void showPowerSaving(bool on) override { log << QStringLiteral("power %1").arg(on); }
    void showWakeTimes(const QString &t) override { log << QStringLiteral("wake ") + t; }
    void showWakeMode(bool mode2) override { log << QStringLiteral("wakemode %1").arg(mode2); }
    void closeWaitNotice() override { log << QStringLiteral("close notice"); }
    void startReplace() override { log << QStringLiteral("replace"); }
    void startSlaveRetry() override { log << QStringLiteral("retry"); }
};

} // namespace

class Gprs3200ProtocolTest : public QObject
{
    Q_OBJECT

    FakeView view;
    ParamSteps steps;
    lt::ModuleState module;
    GprsParser *parser = nullptr;
    int dataCalls = 0;

    // One burst through the parameter branch; para_step starts at 100.
    void feed(const QByteArray &burst)
    {
        lt::shared().para_mode = true;
        parser->parse(burst);
        QCOMPARE(parser->state(), qint16(0));
        // Messages come up once the pass is over, as the event loop then shows them.
        QCoreApplication::sendPostedEvents();
    }

private slots:
    void init()
    {
        test::resetProgramState();
        view = FakeView();
        steps = ParamSteps();
        steps.para_step = 100;
        dataCalls = 0;
        module = lt::ModuleState();
        delete parser;
        parser = new GprsParser(view, steps, module, [this](const QByteArray &) { ++dataCalls; });
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
        QCOMPARE(*passiveAddressFrame("5"), reply("E201 3035"));
        QCOMPARE(*passiveAddressFrame("AB"), reply("E201 4142"));
        QCOMPARE(*passiveAddressFrame("123"), reply("E201 3132"));
        QVERIFY(!passiveAddressFrame(""));
    }

    void numericFields()
    {
        QCOMPARE(*heartbeatFrame("510"), reply("F601 01FE"));
        QCOMPARE(*heartbeatFrame("300"), reply("F601 012C"));
        QCOMPARE(*heartbeatFrame("2.5"), reply("F601 0002"));   // halves to even
        QCOMPARE(*heartbeatFrame("3.5"), reply("F601 0004"));
        QVERIFY(!heartbeatFrame(""));
        QVERIFY(!heartbeatFrame("40000"));
        QCOMPARE(*restartCountFrame("5"), reply("E401 05"));
        QCOMPARE(*restartCountFrame("255"), reply("E401 FF"));
        QVERIFY(!restartCountFrame("256"));
        QVERIFY(!restartCountFrame("-1"));
        QVERIFY(!restartCountFrame("abc"));
        // 1000 ms are 2.5 units, rounded to 2; 10000 ms are 25 units.
        QCOMPARE(*wakeTimesFrame("1000", "10000"), reply("D201 0002 0019"));
        QCOMPARE(*wakeTimesFrame("1400", "26214000"), reply("D201 0004 FFFF"));
        QVERIFY(!wakeTimesFrame("1000", "26214200"));
        QVERIFY(!wakeTimesFrame("", "1000"));
        QVERIFY(!wakeTimesFrame("-800", "1000"));
    }

    void modeFrames()
    {
        QCOMPARE(workFormFrame(true), reply("F801 01"));
        QCOMPARE(transFormFrame(false), reply("F901 00"));
        QCOMPARE(subModeFrame(false), reply("FB01 00"));
        QCOMPARE(addressSettingsFrame(3, 2, 200, QStringLiteral("BCD码")), reply("E101 0302C802"));
        QCOMPARE(addressSettingsFrame(0, 4, 1, QStringLiteral("无")).at(13), char(3));
        QCOMPARE(powerSavingFrame(false), reply("D301 00"));
        QCOMPARE(wakeModeFrame(true), reply("DB01 01000000"));
        QCOMPARE(readFrame(0xE1), reply("E103"));
    }

    void serialLine()
    {
        const QByteArray f = serialLineFrame("9600bps", false, Parity::Even, true);
        QCOMPARE(f, reply("F201 06 1F 1F"));
        QCOMPARE(f.size(), 13);
        QCOMPARE(lineByte(true, Parity::None, false), quint8(0x02));
        QCOMPARE(lineByte(false, Parity::Odd, false), quint8(0x0B));
        QCOMPARE(baudCode("1200bps"), quint8(3));
        QCOMPARE(baudCode("115200bps"), quint8(11));
        QCOMPARE(baudCode("9600"), quint8(6));
    }

    void readChainOrder()
    {
        const int expected[] = {0xF4, 0xEC, 0xF6, 0xE4, 0xD3, 0xD2, 0xF8, 0xE2, 0xF9, 0xF3, 0xFB, 0xE1, 0xDB};
        for (int step = 0; step <= 12; ++step)
            QCOMPARE(int(*readChainCode(step)), expected[step]);
        QVERIFY(!readChainCode(100));
        QVERIFY(!readChainCode(13));
    }

    void decodesEachReply()
    {
        feed(reply("F403 12345678"));
        QCOMPARE(view.log.last(), QStringLiteral("identity 12:34: 1 234 56:78:"));
        QCOMPARE(steps.para_step, qint16(1));

        feed(reply("EC03 5158333230305630312E30"));
        QCOMPARE(view.log.last(), QStringLiteral("version QX3200V01.0"));
        QCOMPARE(steps.para_step, qint16(2));

        feed(reply("F603 012C"));
        QCOMPARE(view.log.last(), QStringLiteral("heartbeat 300"));
        QCOMPARE(steps.para_step, qint16(3));

        feed(reply("E403 07"));
        QCOMPARE(view.log.last(), QStringLiteral("restart 7"));
        QCOMPARE(steps.para_step, qint16(4));

        feed(reply("D303 01"));
        QCOMPARE(steps.para_step, qint16(5));
        feed(reply("D303 00"));
        QCOMPARE(steps.para_step, qint16(6));

        feed(reply("D203 0006000A"));
        QCOMPARE(view.log.last(), QStringLiteral("wake 2.4s   4s"));
        QCOMPARE(steps.para_step, qint16(12));

        feed(reply("DB03 01"));
        QCOMPARE(view.log.last(), QStringLiteral("wakemode 1"));
        QCOMPARE(steps.para_step, qint16(6));

        feed(reply("F803 00"));
        QCOMPARE(module.workForm, 0);
        QCOMPARE(steps.para_step, qint16(7));
        feed(reply("F803 01"));
        QCOMPARE(module.workForm, 1);
        QCOMPARE(steps.para_step, qint16(8));

        feed(reply("E203 3035"));
        QCOMPARE(view.log.last(), QStringLiteral("passive 30:35:"));
        QCOMPARE(steps.para_step, qint16(8));

        feed(reply("F903 00"));
        QCOMPARE(steps.para_step, qint16(9));
        feed(reply("F303 0987"));
        QCOMPARE(view.log.last(), QStringLiteral("target 09:87: 0 987"));
        QCOMPARE(steps.para_step, qint16(10));
        feed(reply("FB03 00"));
        QCOMPARE(steps.para_step, qint16(11));
        feed(reply("FB03 01"));
        QCOMPARE(steps.para_step, qint16(100));

        steps.para_step = 100;
        feed(reply("E103 0102FF01"));
        QCOMPARE(view.log.last(), QStringLiteral("address 1 2 255 16进制 1"));
        feed(reply("E103 01020307"));
        QCOMPARE(view.log.last(), QStringLiteral("address 1 2 3 R50模式 -1"));
        QCOMPARE(steps.para_step, qint16(100));

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
        QCOMPARE(steps.para_step, qint16(100));
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
        QCOMPARE(steps.para_step, qint16(100));
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
        QCOMPARE(steps.para_step, qint16(100));
        QCOMPARE(module.workForm, 0);
    }

    void negativeHeartbeatIsDropped()
    {
        feed(reply("F603 8001"));
        QVERIFY(view.log.isEmpty());
        QCOMPARE(steps.para_step, qint16(100));
    }

    void onlyTheFirstReplyOfABurst()
    {
        feed(reply("E403 07") + reply("F603 012C"));
        QCOMPARE(view.log, QStringList{QStringLiteral("restart 7")});
        QCOMPARE(steps.para_step, qint16(4));
    }

    void subModeTheListCannotShow()
    {
        view.subModeTwoOffered = false;
        feed(reply("FB03 00"));
        QCOMPARE(view.log.last(), QStringLiteral("sub 0"));
        QCOMPARE(steps.para_step, qint16(100));
    }

    void identityResults()
    {
        test::MessageRecorder rec;
        steps.slave_pending = true;
        feed(reply("FD03"));
        QCOMPARE(view.log, QStringList{QStringLiteral("retry")});
        steps.slave_pending = false;
        feed(reply("FD03"));
        QCOMPARE(view.log.size(), 1);
        feed(reply("FD01"));
        QVERIFY(rec.saw(QStringLiteral("模块初始化已经完成，您可以接收和发射数据了")));
        QCOMPARE(rec.messages.last().title, QStringLiteral("提示信息"));

        steps.slave_pending = true;
        feed(reply("F4FA"));
        QVERIFY(!steps.slave_pending);
        QCOMPARE(rec.messages.last().text, QStringLiteral("模块身份地址设置成功"));
        QCOMPARE(rec.messages.last().title, QStringLiteral("系统提示"));
        QCOMPARE(view.log.last(), QStringLiteral("close notice"));

        steps.slave_pending = true;
        feed(reply("F4FC"));
        QVERIFY(!steps.slave_pending);
        QCOMPARE(rec.messages.last().text, QStringLiteral("对不起，模块身份地址设置失败"));
        QCOMPARE(rec.messages.last().title, QStringLiteral("错误提示"));

        steps.slave_pending = true;
        feed(reply("F40A"));
        QVERIFY(!steps.slave_pending);
        QCOMPARE(rec.messages.last().text, QStringLiteral("对不起，您的模块没有上网"));

        view.log.clear();
        steps.slave_pending = true;
        rec.answers = {QMessageBox::No, QMessageBox::Yes};
        feed(reply("F408"));
        QCOMPARE(rec.messages.last().text, QStringLiteral("您设置的身份地址已经被占用，要替换它吗？"));
        QVERIFY(view.log.isEmpty());
        QVERIFY(!steps.slave_pending);
        steps.slave_pending = true;   // the user writes again
        feed(reply("F408"));
        QCOMPARE(view.log, QStringList{QStringLiteral("replace")});
        QVERIFY(steps.slave_pending);
        QCOMPARE(steps.para_step, qint16(100));
    }

    void declinedReplaceIsNotRepeated()
    {
        test::MessageRecorder rec;
        steps.slave_pending = true;
        rec.answers = {QMessageBox::No};
        feed(reply("F408"));
        QCOMPARE(rec.messages.last().text, QStringLiteral("您设置的身份地址已经被占用，要替换它吗？"));
        QVERIFY(!steps.slave_pending);
        // A later status 03 must not send again the write the user declined.
        feed(reply("FD03"));
        QVERIFY(view.log.isEmpty());
    }

    void dataBranchWhenNotInParameterMode()
    {
        lt::shared().para_mode = false;
        parser->parse(reply("F603 012C"));
        QCOMPARE(dataCalls, 1);
        QVERIFY(view.log.isEmpty());
    }
};

QTEST_GUILESS_MAIN(Gprs3200ProtocolTest)
#include "test_gprs3200_protocol.moc"
