#include "qx3200/reply_parser.h"
#include "qx3200/settings.h"
#include "qx3200/settings_recorder.h"

#include "link/module_state.h"

#include <QJsonDocument>
#include <QTest>

using namespace lt;
using namespace lt::qx3200;

namespace {

const QByteArray kHead = QByteArray::fromHex("1A2A3A4A5A6A7A8A");

QByteArray frame(const char *hex)
{
    return kHead + QByteArray::fromHex(hex);
}

class NoEvents : public ParamEvents
{
public:
    void nextRead(int) override {}
    void moduleReady() override {}
    void identityRetry() override {}
    void identityResult(IdentityResult) override {}
};

// What a module's answers to the read chain leave in a recorder.
Settings readBack(const QList<QByteArray> &replies)
{
    SettingsRecorder recorder;
    NoEvents events;
    ModuleState module;
    ReplyParser parser(recorder, events, module, {});
    parser.setParameterMode(true);
    for (const QByteArray &r : replies)
        parser.parse(r);
    return recorder.settings();
}

// The answers of an active module in transparent mode 2 with power saving on.
const QList<QByteArray> kActiveModule{
    frame("F403 12345678"), frame("EC03 5158333230305630312E30"), frame("F603 012C"), frame("E403 05"),
    frame("D303 01"),       frame("D203 0003 0019"),              frame("DB03 00"),   frame("F803 01"),
    frame("F903 00"),       frame("F303 0987"),                   frame("FB03 00"),   frame("E103 03 02 C8 01"),
};

// The answers of a passive module in format transfer, power saving off.
const QList<QByteArray> kPassiveModule{
    frame("F403 98765678"), frame("EC03 5158333230305630312E30"), frame("F603 01FE"), frame("E403 07"),
    frame("D303 00"),       frame("F803 00"),                     frame("E203 3035"), frame("F903 01"),
};

QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

} // namespace

// The QX3200 settings model: what a read records, what each group writes for
// it and at what pace, the window's refusals, and the JSON form.
class Qx3200SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void aReadIsRecorded()
    {
        const Settings s = readBack(kActiveModule);
        QCOMPARE(s.project, QStringLiteral("1"));
        QCOMPARE(s.site, QStringLiteral("234"));
        QCOMPARE(s.internal_code, QStringLiteral("56:78:"));
        QCOMPARE(s.version, QStringLiteral("QX3200V01.0"));
        QCOMPARE(s.heartbeat_seconds, 300);
        QCOMPARE(s.restart_count, 5);
        QCOMPARE(s.power_saving, true);
        QCOMPARE(s.wake_idle_ms, 1200.0);
        QCOMPARE(s.wake_data_ms, 10000.0);
        QCOMPARE(s.wake_mode, WakeMode::Mode1);
        QCOMPARE(s.work_form, WorkForm::Active);
        QCOMPARE(s.trans_form, TransForm::Transparent);
        QCOMPARE(s.target_project, QStringLiteral("0"));
        QCOMPARE(s.target_site, QStringLiteral("987"));
        QCOMPARE(s.transparent_mode, TransparentMode::Mode2);
        QCOMPARE(s.address_start, 3);
        QCOMPARE(s.address_length, 2);
        QCOMPARE(s.group_max, 200);
        QCOMPARE(s.address_type, AddressType::Hex);
        // Nothing of the line is read, nor an address a passive module has.
        QVERIFY(!s.baud && !s.data_bits && !s.parity && !s.stop_bits);
        QVERIFY(!s.passive_address);
    }

    void aNewReadForgetsTheLastButTheInternalCode()
    {
        SettingsRecorder recorder;
        NoEvents events;
        ModuleState module;
        ReplyParser parser(recorder, events, module, {});
        parser.setParameterMode(true);
        for (const QByteArray &r : kActiveModule)
            parser.parse(r);
        recorder.startRead();
        Settings expected;
        expected.internal_code = QStringLiteral("56:78:");
        QCOMPARE(recorder.settings(), expected);
        // The baud rate the module answers a line write with.
        parser.parse(frame("F207 0303"));
        QCOMPARE(recorder.settings().baud, 14400);
    }

    // Read, then written back: the frames the window sends for those values.
    void aReadWritesBackAsTheWindowWrites()
    {
        const Settings s = readBack(kActiveModule);
        QCOMPARE(writeGroup(Group::WorkMode, s).frames,
                 (QList<QByteArray>{frame("F801 01"), frame("F901 00"), frame("FB01 00"), frame("E101 03 02 C8 01")}));
        QCOMPARE(writeGroup(Group::Heartbeat, s).frames, (QList<QByteArray>{frame("F601 012C"), frame("E401 05")}));
        QCOMPARE(writeGroup(Group::PowerSaving, s).frames,
                 (QList<QByteArray>{frame("D301 01"), frame("DB01 00000000"), frame("D201 0003 0019")}));
        QCOMPARE(writeGroup(Group::Target, s).frames, QList<QByteArray>{frame("F301 0987")});
        QCOMPARE(writeGroup(Group::Identity, s).frames, QList<QByteArray>{frame("F401 1234")});
        QCOMPARE(identityReplaceFrame(s), frame("F402 1234"));
        // Nothing read of them: nothing to write.
        QCOMPARE(writeGroup(Group::SerialLine, s).refusal, params::missingValue(QStringLiteral("baud")));
        QCOMPARE(writeGroup(Group::PassiveAddress, s).refusal->message, QStringLiteral("您还没有输入被动方式地址"));

        const Settings passive = readBack(kPassiveModule);
        QCOMPARE(writeGroup(Group::WorkMode, passive).frames, (QList<QByteArray>{frame("F801 00"), frame("F901 01")}));
        QCOMPARE(writeGroup(Group::PowerSaving, passive).frames, QList<QByteArray>{frame("D301 00")});
        QCOMPARE(writeGroup(Group::PassiveAddress, passive).frames, QList<QByteArray>{frame("E201 3035")});
        QCOMPARE(writeGroup(Group::Heartbeat, passive).frames, (QList<QByteArray>{frame("F601 01FE"), frame("E401 07")}));
        QCOMPARE(writeGroup(Group::Identity, passive).frames, QList<QByteArray>{frame("F401 9876")});
    }

    void theLineIsWrittenWhole()
    {
        Settings s;
        s.baud = 9600;
        s.data_bits = 8;
        s.parity = Parity::Even;
        QCOMPARE(writeGroup(Group::SerialLine, s).refusal, params::missingValue(QStringLiteral("stop_bits")));
        s.stop_bits = 2;
        QCOMPARE(writeGroup(Group::SerialLine, s).frames, QList<QByteArray>{frame("F201 06 1F 1F")});
        s.baud = 300;
        QCOMPARE(writeGroup(Group::SerialLine, s).refusal, params::badValue(QStringLiteral("baud")));
        s.baud = 115200;
        QCOMPARE(writeGroup(Group::SerialLine, s).frames.value(0).mid(10, 1), QByteArray::fromHex("0B"));
    }

    void paceOfEachGroup()
    {
        const QList<QByteArray> frames{frame("F801 01"), frame("F901 01")};
        const auto heartbeat = writePlan(Group::Heartbeat, frames);
        QVERIFY(heartbeat);
        QCOMPARE(heartbeat->frames, frames);
        QCOMPARE(heartbeat->firstMs, 50);
        QCOMPARE(heartbeat->periodMs, 1000);
        QCOMPARE(heartbeat->advance, qx::Sequencer::Advance::EveryTick);
        QCOMPARE(heartbeat->end, qx::Sequencer::End::WithLast);
        for (Group group : {Group::WorkMode, Group::PowerSaving}) {
            const auto plan = writePlan(group, frames);
            QVERIFY(plan);
            QCOMPARE(plan->firstMs, 100);
            QCOMPARE(plan->periodMs, 1000);
            QCOMPARE(plan->advance, qx::Sequencer::Advance::EveryTick);
            QCOMPARE(plan->end, qx::Sequencer::End::NextTick);
        }
        for (Group group : {Group::Target, Group::PassiveAddress, Group::Identity, Group::SerialLine})
            QVERIFY(!writePlan(group, frames));

        const auto read = readPlan();
        QCOMPARE(read.frames.size(), 13);
        QCOMPARE(read.frames.first(), frame("F403"));
        QCOMPARE(read.frames.last(), frame("DB03"));
        QCOMPARE(read.firstMs, 100);
        QCOMPARE(read.periodMs, 400);
        QCOMPARE(read.advance, qx::Sequencer::Advance::OnReply);
    }

    // The values as the window's boxes hold them, refused in the window's words and order.
    void refusalsInTheWindowsWords()
    {
        const QString incomplete = QStringLiteral("模块设置时参数不全");
        auto expect = [](Group group, const Settings &s, const char *field, const QString &message) {
            const GroupWrite write = writeGroup(group, s);
            QVERIFY(write.frames.isEmpty());
            QVERIFY(write.refusal);
            QCOMPARE(write.refusal->field, QLatin1String(field));
            QCOMPARE(write.refusal->message, message);
            QCOMPARE(write.refusal->title, QStringLiteral("系统提示"));
        };
        Settings work;
        work.trans_form = TransForm::Format;
        expect(Group::WorkMode, work, "work_form", incomplete);
        work = {};
        work.work_form = WorkForm::Active;
        expect(Group::WorkMode, work, "trans_form", incomplete);
        work.trans_form = TransForm::Transparent;
        expect(Group::WorkMode, work, "transparent_mode", incomplete);
        work.transparent_mode = TransparentMode::Mode2;
        work.address_start = 1;
        work.address_length = 2;
        work.group_max = 3;
        expect(Group::WorkMode, work, "address_type", incomplete);

        Settings heartbeat;
        heartbeat.restart_count = 5;
        expect(Group::Heartbeat, heartbeat, "heartbeat_seconds", incomplete);
        // Both boxes filled is looked at before either value.
        heartbeat = {};
        heartbeat.heartbeat_seconds = 10000;
        expect(Group::Heartbeat, heartbeat, "restart_count", incomplete);
        heartbeat.restart_count = 256;
        expect(Group::Heartbeat, heartbeat, "heartbeat_seconds", QStringLiteral("心跳时间必须在 0 到 9999 秒之间"));
        // A box that holds no number is out of range.
        heartbeat.heartbeat_seconds = enteredWholeNumber(QStringLiteral("abc"));
        expect(Group::Heartbeat, heartbeat, "heartbeat_seconds", QStringLiteral("心跳时间必须在 0 到 9999 秒之间"));
        heartbeat.heartbeat_seconds = 9999;
        expect(Group::Heartbeat, heartbeat, "restart_count", QStringLiteral("模块重起次数必须在 0 到 255 之间"));

        Settings power;
        power.power_saving = true;
        power.wake_mode = WakeMode::Mode1;
        power.wake_idle_ms = enteredNumber(QString());
        power.wake_data_ms = 1000;
        expect(Group::PowerSaving, power, "wake_idle_ms", QStringLiteral("醒后时间必须在 0 到 26214000 毫秒之间"));
        power.wake_idle_ms = 1000;
        power.wake_data_ms = 26214200;
        expect(Group::PowerSaving, power, "wake_data_ms", QStringLiteral("醒后时间必须在 0 到 26214000 毫秒之间"));
        // Without power saving the wake times are not sent, nor looked at.
        power.power_saving = false;
        QCOMPARE(writeGroup(Group::PowerSaving, power).frames, QList<QByteArray>{frame("D301 00")});

        Settings identity;
        identity.project = QString();
        identity.site = QStringLiteral("12");
        expect(Group::Identity, identity, "project", QStringLiteral("您还没有输入工程号"));
        identity.project = QStringLiteral("1");
        expect(Group::Identity, identity, "site", QStringLiteral("您输入站点号错误，站点号是 3 位"));
        Settings target;
        target.target_project = QStringLiteral("1");
        target.target_site = QStringLiteral("1234");
        expect(Group::Target, target, "target_site", QStringLiteral("您输入站点号错误，站点号是 3 位"));
        target.target_project = QString();
        expect(Group::Target, target, "target_project", QStringLiteral("您还没有输入工程号"));

        Settings passive;
        passive.passive_address = QString();
        expect(Group::PassiveAddress, passive, "passive_address", QStringLiteral("您还没有输入被动方式地址"));
        passive.passive_address = QStringLiteral("中b");
        expect(Group::PassiveAddress, passive, "passive_address", QStringLiteral("被动方式地址只能是 ASCII 字符"));
    }

    void theJsonForm()
    {
        const Settings s = readBack(kActiveModule);
        const QJsonObject p = toParams(s);
        QCOMPARE(p.value(QStringLiteral("project")).toString(), QStringLiteral("1"));
        QCOMPARE(p.value(QStringLiteral("site")).toString(), QStringLiteral("234"));
        QCOMPARE(p.value(QStringLiteral("heartbeat_seconds")).toInt(), 300);
        QCOMPARE(p.value(QStringLiteral("power_saving")).toBool(), true);
        QCOMPARE(p.value(QStringLiteral("wake_idle_ms")).toDouble(), 1200.0);
        QCOMPARE(p.value(QStringLiteral("wake_mode")).toInt(), 1);
        QCOMPARE(p.value(QStringLiteral("work_form")).toString(), QStringLiteral("active"));
        QCOMPARE(p.value(QStringLiteral("trans_form")).toString(), QStringLiteral("transparent"));
        QCOMPARE(p.value(QStringLiteral("transparent_mode")).toInt(), 2);
        QCOMPARE(p.value(QStringLiteral("address_type")).toString(), QStringLiteral("hex"));
        QCOMPARE(p.value(QStringLiteral("internal_code")).toString(), QStringLiteral("56:78:"));
        // What was not read is left out.
        for (const char *key : {"passive_address", "baud", "data_bits", "parity", "stop_bits"})
            QVERIFY2(!p.contains(QLatin1String(key)), key);
        QCOMPARE(p.keys().size(), 19);
        for (const QString &key : p.keys())
            QVERIFY2(fieldNames().contains(key), qPrintable(key));

        const ParamsRead back = fromParams(p);
        QVERIFY(!back.refusal);
        QCOMPARE(back.settings, s);
        const Settings passive = readBack(kPassiveModule);
        QCOMPARE(fromParams(toParams(passive)).settings, passive);
        QCOMPARE(toParams(passive).value(QStringLiteral("passive_address")).toString(), QStringLiteral("30:35:"));

        Settings line;
        line.baud = 19200;
        line.data_bits = 7;
        line.parity = Parity::Odd;
        line.stop_bits = 1;
        QCOMPARE(toParams(line), json(R"({"baud":19200,"data_bits":7,"parity":"odd","stop_bits":1})"));
        QCOMPARE(fromParams(toParams(line)).settings, line);
    }

    void filesTheWindowWouldRefuse()
    {
        auto refusal = [](const char *text) { return fromParams(json(text)).refusal; };
        QCOMPARE(refusal(R"({"heartbeat":300})"), params::unknownKey(QStringLiteral("heartbeat")));
        QCOMPARE(refusal(R"({"heartbeat_seconds":"300"})"), params::badValue(QStringLiteral("heartbeat_seconds")));
        QCOMPARE(refusal(R"({"heartbeat_seconds":2.5})"), params::badValue(QStringLiteral("heartbeat_seconds")));
        QCOMPARE(refusal(R"({"work_form":"sleeping"})"), params::badValue(QStringLiteral("work_form")));
        QCOMPARE(refusal(R"({"transparent_mode":3})"), params::badValue(QStringLiteral("transparent_mode")));
        QCOMPARE(refusal(R"({"power_saving":1})"), params::badValue(QStringLiteral("power_saving")));
        QCOMPARE(refusal(R"({"passive_address":"3035"})"), params::badValue(QStringLiteral("passive_address")));
        QCOMPARE(refusal(R"({"project":"12"})"), params::badValue(QStringLiteral("project")));
        QCOMPARE(refusal(R"({"address_type":"hex","address_length":3})"), params::badValue(QStringLiteral("address_length")));
        QCOMPARE(refusal(R"({"group_max":0})"), params::badValue(QStringLiteral("group_max")));
        QCOMPARE(refusal(R"({"restart_count":300})")->message, QStringLiteral("模块重起次数必须在 0 到 255 之间"));
        QCOMPARE(refusal(R"({"site":"12"})")->message, QStringLiteral("您输入站点号错误，站点号是 3 位"));
        // The window sends a character that is no hex digit as 0; a file gets no such say.
        QCOMPARE(refusal(R"({"site":"1x3"})"), params::badValue(QStringLiteral("site")));
        QCOMPARE(refusal(R"({"target_project":"G"})"), params::badValue(QStringLiteral("target_project")));
        QCOMPARE(refusal(R"({"project":" "})"), params::badValue(QStringLiteral("project")));
        QCOMPARE(refusal(R"({"target_site":"0G0"})"), params::badValue(QStringLiteral("target_site")));
        QCOMPARE(fromParams(json(R"({"target_project":"a","target_site":"0f9"})")).settings.target_site,
                 QStringLiteral("0F9"));
        QCOMPARE(fromParams(json(R"({"target_project":"a","target_site":"0f9"})")).settings.target_project,
                 QStringLiteral("A"));
        // The first refusal by key order, and nothing of the rest.
        const ParamsRead two = fromParams(json(R"({"zzz":1,"baud":"fast"})"));
        QCOMPARE(two.refusal, params::badValue(QStringLiteral("baud")));
        QCOMPARE(two.settings, Settings{});
        // A length of four is an ASCII address; the type decides, wherever its key sorts.
        QVERIFY(!refusal(R"({"address_type":"ascii","address_length":4})"));
        // Addresses in either case, with or without the last colon, are kept one way.
        QCOMPARE(fromParams(json(R"({"passive_address":"3a:35"})")).settings.passive_address, QStringLiteral("3A:35:"));
    }

    void everyFieldBelongsWhereItIsWritten()
    {
        QStringList written;
        for (Group group : writeOrder())
            written << fieldsOf(group);
        QCOMPARE(written.size() + 2, fieldNames().size());   // the version and the internal code are only read
        for (const QString &field : written)
            QVERIFY(groupOf(field));
        QVERIFY(!groupOf(QStringLiteral("version")));
        QCOMPARE(writeOrder().last(), Group::SerialLine);
    }
};

QTEST_GUILESS_MAIN(Qx3200SettingsTest)
#include "test_qx3200_settings.moc"
