#include "qx3100/frame_parser.h"
#include "qx3100/sequences.h"
#include "qx3100/settings.h"
#include "qx3100/settings_recorder.h"

#include "link/link.h"
#include "link/module_state.h"
#include "link/timing.h"

#include "models/qx3100_model.h"
#include "sim_module.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QTest>

#include <memory>

using namespace lt;
using namespace lt::qx3100;

namespace {

const QByteArray kHead = QByteArray::fromHex("1A2A3A4A5A6A7A8A");

QByteArray reply(const char *hex)
{
    return kHead + QByteArray::fromHex(hex);
}

// Frames without their head, as hex: what the window tests compare too.
QStringList hex(const QList<QByteArray> &frames)
{
    QStringList out;
    for (const QByteArray &f : frames)
        out << QString::fromLatin1(f.mid(kHead.size()).toHex().toUpper());
    return out;
}

QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

// A module in passive form, transparent mode 2, with power saving: the
// answers of the whole read chain, as its parser decodes them.
Settings readBack(const QList<QByteArray> &replies)
{
    ModuleState module;
    SettingsRecorder recorder(nullptr, [] { return std::optional(9600); });
    FrameParser parser(recorder, module);
    for (const QByteArray &r : replies)
        parser.parse(r);
    return recorder.settings();
}

const QList<QByteArray> kPassiveMode2 = {
    reply("EC03") + "QX3100V1.0 ", reply("A302 00002EE0"), reply("A103 01"),      reply("F103 12345678"),
    reply("F803 00"),               reply("E203 0001"),     reply("F903 00"),      reply("FB03 00"),
    reply("E103 03020A02"),         reply("D303 01"),       reply("D203 00020019"), reply("DB03 01"),
};

} // namespace

// The QX3100's settings as values, without a window: what replies make of
// them, the frames each group writes, the window's refusals and the JSON form.
class SettingsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::SimModule> module;
    std::unique_ptr<Link> link;

private slots:
    void cleanup()
    {
        link.reset();
        module.reset();
        timing::setScale(1.0, 0);
    }

    void repliesBecomeSettingsAsTheWindowShowsThem()
    {
        const Settings s = readBack(kPassiveMode2);
        QCOMPARE(toParams(s), json(R"({"version": "QX3100V1.0", "baud": 9600, "restart_seconds": 60,
            "password_required": true, "password": "12:34:56:78:", "work_form": "passive",
            "passive_address": "00:01:", "trans_form": "transparent", "transparent_mode": 2,
            "address_start": 3, "address_length": 2, "group_max": 10, "address_type": "bcd",
            "power_saving": true, "wake_idle_ms": 800, "wake_data_ms": 10000, "wake_mode": 2})"));
        // As the boxes show them, not as the module's units multiply out.
        QCOMPARE(*s.wake_idle_ms, 800.0);
        QCOMPARE(*readBack({reply("A302 00000003")}).restart_seconds, 0.015);
        // A type code past the list is shown, and so kept, as R50.
        QCOMPARE(*readBack({reply("E103 01020307")}).address_type, AddressType::R50);
        // Nothing read, nothing there: a module in format transfer has no mode, and
        // without the line's speed there is no baud rate.
        ModuleState module;
        SettingsRecorder alone;
        FrameParser parser(alone, module);
        parser.parse(reply("EC03") + "QX3100V1.0 " + reply("F903 01"));
        QCOMPARE(toParams(alone.settings()), json(R"({"version": "QX3100V1.0", "trans_form": "format"})"));
        alone.clear();
        QCOMPARE(alone.settings(), Settings{});
    }

    void readSettingsWriteWhatTheWindowSends()
    {
        // Read back and written again, every group sends what the window sends
        // for the same values (test_sms3100_window clicks them).
        const Settings s = readBack(kPassiveMode2);
        auto frames = [&](Group g) {
            const GroupWrite w = writeGroup(g, s);
            return w.refusal ? QStringList{w.refusal->message} : hex(w.frames);
        };
        QCOMPARE(frames(Group::WorkMode), (QStringList{"F80100", "F90100", "E10103020A02"}));
        QCOMPARE(frames(Group::PowerSaving), (QStringList{"D30101", "DB0101000000", "D20100020019"}));
        QCOMPARE(frames(Group::PasswordUse), QStringList{"A10101"});
        QCOMPARE(frames(Group::Password), QStringList{"F10112345678"});
        QCOMPARE(frames(Group::RestartTime), QStringList{"A30100002EE0"});
        QCOMPARE(frames(Group::PassiveAddress), QStringList{"E2010001"});
        QCOMPARE(frames(Group::Baud), QStringList{"F20106"});
        // Not read in mode 2: refused as the window refuses an empty box, or as missing.
        QCOMPARE(frames(Group::Receiver), QStringList{"您输入的接收方号码不正确"});
        QCOMPARE(writeGroup(Group::ModuleType, s).refusal, params::missingValue(QStringLiteral("module_type")));
        // Values a product of units leaves a little off still give the units read.
        const Settings small = readBack({reply("A302 00000003"), reply("D303 01"), reply("D203 00010003"), reply("DB03 00")});
        QCOMPARE(hex(writeGroup(Group::RestartTime, small).frames), QStringList{"A30100000003"});
        QCOMPARE(hex(writeGroup(Group::PowerSaving, small).frames),
                 (QStringList{"D30101", "DB0100000000", "D20100010003"}));
    }

    void groupsAndTheirRefusals()
    {
        Settings s;
        s.work_form = WorkForm::Active;
        QCOMPARE(writeGroup(Group::WorkMode, Settings{}).refusal->message, QStringLiteral("你必须选择需要的工作方式"));
        QCOMPARE(writeGroup(Group::WorkMode, s).refusal->message, QStringLiteral("你必须选择需要的传输方式"));
        QCOMPARE(writeGroup(Group::WorkMode, s).refusal->title, QStringLiteral("提示信息"));
        s.trans_form = TransForm::Format;
        QCOMPARE(hex(writeGroup(Group::WorkMode, s).frames), (QStringList{"F80101", "F90101"}));
        // Transparent mode 1, or a mode not read: the address settings are not written.
        s.trans_form = TransForm::Transparent;
        QCOMPARE(hex(writeGroup(Group::WorkMode, s).frames), (QStringList{"F80101", "F90100"}));
        s.transparent_mode = 2;
        QCOMPARE(writeGroup(Group::WorkMode, s).refusal, params::missingValue(QStringLiteral("address_start")));
        s.address_start = 1;
        s.address_length = 255;
        s.group_max = 0;
        s.address_type = AddressType::R50;
        QCOMPARE(hex(writeGroup(Group::WorkMode, s).frames), (QStringList{"F80101", "F90100", "E10101FF0003"}));

        Settings power;
        power.power_saving = false;
        power.wake_idle_ms = 30000000;   // not sent without power saving, so not refused either
        QCOMPARE(hex(writeGroup(Group::PowerSaving, power).frames), QStringList{"D30100"});
        power.power_saving = true;
        power.wake_mode = 1;
        power.wake_data_ms = 10000;
        const GroupWrite refused = writeGroup(Group::PowerSaving, power);
        QVERIFY(refused.frames.isEmpty());
        QCOMPARE(refused.refusal, (params::Refusal{QStringLiteral("wake_idle_ms"), QStringLiteral("您输入的醒后延时不正确"),
                                                   QStringLiteral("请重新输入醒后延时")}));

        Settings one;
        one.password = QStringLiteral("12:34:56:7");
        QCOMPARE(writeGroup(Group::Password, one).refusal->title, QStringLiteral("请重新输入短信密码"));
        one.restart_seconds = 20000000;
        QCOMPARE(writeGroup(Group::RestartTime, one).refusal->message, QStringLiteral("您输入的重起时间不正确"));
        one.passive_address = QStringLiteral("12:A");
        QCOMPARE(writeGroup(Group::PassiveAddress, one).refusal->message, QStringLiteral("您输入的模块地址不正确"));
        one.baud = 9601;
        QCOMPARE(writeGroup(Group::Baud, one).refusal, params::badValue(QStringLiteral("baud")));
        one.baud = 115200;
        QCOMPARE(hex(writeGroup(Group::Baud, one).frames), QStringList{"F2010B"});
        one.module_type = ModuleModel::Sms;
        QCOMPARE(hex(writeGroup(Group::ModuleType, one).frames), QStringList{"D10102"});
        one.module_type = ModuleModel::Gprs;
        QCOMPARE(hex(writeGroup(Group::ModuleType, one).frames), QStringList{"D10101"});
        one.receiver = QStringLiteral("13912345678");
        QCOMPARE(hex(writeGroup(Group::Receiver, one).frames), QStringList{"A201013912345678"});
    }

    void everyFieldHasOneGroupAndTheOrderIsFixed()
    {
        QStringList grouped;
        for (Group g : writeOrder())
            grouped += fieldsOf(g);
        QStringList all = fieldNames();
        all.removeOne(QStringLiteral("version"));   // read only
        QCOMPARE(grouped.size(), all.size());
        for (const QString &f : all) {
            QVERIFY2(grouped.count(f) == 1, qPrintable(f));
            QCOMPARE(fieldsOf(*groupOf(f)).count(f), 1);
        }
        QVERIFY(!groupOf(QStringLiteral("version")));
        QVERIFY(!groupOf(QStringLiteral("colour")));
        QCOMPARE(writeOrder().size(), 9);
        // The module answers at its new rate after the baud rate: nothing may follow it.
        QCOMPARE(writeOrder().last(), Group::Baud);
        QCOMPARE(fieldsOf(Group::PowerSaving),
                 (QStringList{"power_saving", "wake_idle_ms", "wake_data_ms", "wake_mode"}));
    }

    void paramsRoundTripAndRefusals()
    {
        const Settings s = readBack(kPassiveMode2);
        const ParamsRead back = fromParams(toParams(s));
        QVERIFY(!back.refusal);
        QCOMPARE(back.settings, s);
        Settings written;
        written.module_type = ModuleModel::Gprs;
        written.receiver = QStringLiteral("13912345678");
        written.restart_seconds = 2.5;
        QCOMPARE(toParams(written), json(R"({"module_type": "gprs", "receiver": "13912345678", "restart_seconds": 2.5})"));
        QCOMPARE(fromParams(toParams(written)).settings, written);
        QCOMPARE(fromParams(QJsonObject{}).settings, Settings{});

        struct Case
        {
            const char *params;
            const char *field;
            const char *message;   // the window's own; empty: one of the texts for values from a file
        } cases[] = {
            {R"({"colour": "blue"})", "colour", ""},
            {R"({"password": "12:34"})", "password", "您输入的短信密码不正确"},
            {R"({"password": 12345678})", "password", "您输入的短信密码不正确"},
            {R"({"receiver": "1391234567"})", "receiver", "您输入的接收方号码不正确"},
            {R"({"passive_address": "1"})", "passive_address", "您输入的模块地址不正确"},
            {R"({"restart_seconds": 20000000})", "restart_seconds", "您输入的重起时间不正确"},
            {R"({"restart_seconds": "60"})", "restart_seconds", "您输入的重起时间不正确"},
            {R"({"wake_data_ms": 26214400})", "wake_data_ms", "您输入的醒后延时不正确"},
            {R"({"work_form": "sideways"})", "work_form", "你必须选择需要的工作方式"},
            {R"({"trans_form": 1})", "trans_form", "你必须选择需要的传输方式"},
            {R"({"baud": 9601})", "baud", ""},
            {R"({"baud": "9600"})", "baud", ""},
            {R"({"transparent_mode": 3})", "transparent_mode", ""},
            {R"({"address_start": 256})", "address_start", ""},
            {R"({"group_max": 1.5})", "group_max", ""},
            {R"({"address_type": "ASCII"})", "address_type", ""},
            {R"({"power_saving": 1})", "power_saving", ""},
            {R"({"wake_mode": 0})", "wake_mode", ""},
            {R"({"module_type": "T100 短信"})", "module_type", ""},
            {R"({"version": null})", "version", ""},
            // The first refusal in key order; nothing of the rest is taken.
            {R"({"zone": 1, "baud": 9601, "wake_mode": 1})", "baud", ""},
        };
        for (const Case &c : cases) {
            const ParamsRead r = fromParams(json(c.params));
            QVERIFY2(r.refusal, c.params);
            QCOMPARE(r.refusal->field, QLatin1String(c.field));
            QCOMPARE(r.settings, Settings{});
            if (*c.message)
                QCOMPARE(r.refusal->message, QString::fromUtf8(c.message));
            else if (QLatin1String(c.field) == QLatin1String("colour"))
                QCOMPARE(*r.refusal, params::unknownKey(QStringLiteral("colour")));
            else
                QCOMPARE(*r.refusal, params::badValue(QLatin1String(c.field)));
        }
        // The values a user reads, in the forms given above, are taken.
        const ParamsRead good = fromParams(json(R"({"baud": 115200, "address_type": "hex", "wake_mode": 1,
                                                    "transparent_mode": 1, "group_max": 0, "power_saving": false})"));
        QVERIFY(!good.refusal);
        QCOMPARE(*good.settings.baud, 115200);
        QCOMPARE(*good.settings.address_type, AddressType::Hex);
        QCOMPARE(*good.settings.group_max, 0);
        QCOMPARE(*good.settings.power_saving, false);
    }

    void readAndWriteWithoutAWindow()
    {
        // A program with no window reads the module through a link of its own,
        // writes one group at the window's pace and reads back what changed.
        timing::setScale(0.25, 250);
        module = std::make_unique<test::SimModule>(QStringLiteral("qx3100"));
        link = std::make_unique<Link>();
        link->port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(link->port().open(), ModulePort::Opened);

        qx::Sequencer reads(timing::interval, QStringLiteral("Timer2"));
        struct Chain : FrameView
        {
            qx::Sequencer &reads;
            explicit Chain(qx::Sequencer &r) : reads(r) {}
            void initialisationFinished() override {}
            void showWorkForm(bool) override {}
            void showTransForm(bool) override {}
            void showReceiver(const QString &) override {}
            void showPasswordUse(bool) override {}
            void showPassword(const QString &) override {}
            void showVersion(const QString &) override {}
            void showPassiveAddress(const QString &) override {}
            void showRestartTime(double) override {}
            void showTransparentMode(int) override {}
            void showAddressParameters(int, int, int, int) override {}
            void showPowerSaving(bool) override {}
            void showWakeDelays(double, double) override {}
            void showWakeMode(int) override {}
            void phoneEntryRead(const QByteArray &) override {}
            void phoneEntryWritten(int, int) override {}
            void readNext(int step) override { reads.next(step); }
        } chain(reads);
        SettingsRecorder read(&chain, [] { return std::optional(9600); });
        FrameParser parser(read, link->module());
        link->registerParser(ParseMode::Qx3100, &reads, [&](const QByteArray &block) { parser.parse(block); });
        link->setParseMode(ParseMode::Qx3100);
        connect(&reads, &qx::Sequencer::send, link.get(), &Link::send);
        auto readAll = [&] {
            read.clear();
            reads.start(readPlan());
            QTRY_VERIFY_WITH_TIMEOUT(!reads.isRunning(), 10000);
        };
        readAll();
        QCOMPARE(toParams(read.settings()), json(R"({"version": "13800000000", "baud": 9600, "restart_seconds": 60,
            "password_required": true, "password": "12:34:56:78:", "work_form": "passive",
            "passive_address": "00:01:", "trans_form": "format", "power_saving": true,
            "wake_idle_ms": 800, "wake_data_ms": 10000, "wake_mode": 1})"));

        Settings change = read.settings();
        change.wake_mode = 2;
        change.wake_idle_ms = 1200;
        const GroupWrite w = writeGroup(Group::PowerSaving, change);
        QVERIFY(!w.refusal);
        qx::Sequencer writes(timing::interval, QStringLiteral("Timer3"));
        QElapsedTimer clock;
        QList<qint64> sentAt;
        connect(&writes, &qx::Sequencer::send, link.get(), [&](const QByteArray &frame) {
            sentAt << clock.elapsed();
            link->send(frame);
        });
        clock.start();
        writes.start(*writePlan(Group::PowerSaving, w.frames));
        QTRY_VERIFY_WITH_TIMEOUT(!writes.isRunning(), 10000);
        // 100 ms to the first, then a (scaled) second apart.
        QCOMPARE(sentAt.size(), 3);
        QVERIFY2(sentAt[0] >= 95 && sentAt[0] < 250, qPrintable(QString::number(sentAt[0])));
        for (int i = 1; i < 3; ++i)
            QVERIFY2(sentAt[i] - sentAt[i - 1] >= 237 && sentAt[i] - sentAt[i - 1] < 400,
                     qPrintable(QString::number(sentAt[i] - sentAt[i - 1])));
        auto &model = module->modelAs<qxsim::Qx3100Model>();
        QCOMPARE(model.param(0xDB), QByteArray::fromHex("01"));
        QCOMPARE(model.param(0xD2), QByteArray::fromHex("00030019"));

        readAll();
        QCOMPARE(read.settings(), change);
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
