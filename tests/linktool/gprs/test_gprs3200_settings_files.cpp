#include "qx3200_window_fixture.h"

#include "link/link.h"
#include "qx3200/settings.h"
#include "ui/settings_files.h"

#include <QFile>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace lt;

// Saving what the QX3200 window read and loading it back, against the simulator.
class Gprs3200SettingsFilesTest : public Qx3200WindowFixture
{
    Q_OBJECT
    QTemporaryDir dir;
    QString path;

    QLineEdit *edit(const char *name) { return w<QLineEdit>(QLatin1String(name)); }
    void click(const char *name) { w<QPushButton>(QLatin1String(name))->click(); }
    ComparisonDialog *comparison() { return window()->findChild<ComparisonDialog *>(QStringLiteral("settingsComparison")); }

    void openAndRead()
    {
        // Active transparent mode 2: the read reaches the target and the address settings.
        sim->set("f8", "1");
        sim->set("f9", "0");
        sim->set("submode", "0");
        sim->set("addr-start", "3");
        sim->set("addr-length", "2");
        sim->set("group-max", "200");
        sim->set("addr-type", "2");
        sim->set("heartbeat", "600");
        sim->set("target", "0x2345");
        main->link().port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(main->link().port().open(), ModulePort::Opened);
        openQx3200Window(*main, WorkMode::DataCommunication);
        QVERIFY(window());
        QTRY_VERIFY_WITH_TIMEOUT(!w<QTimer>(QStringLiteral("Timer6"))->isActive(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!readChain()->isRunning(), 8000);
        QTest::qWait(100);
        QCOMPARE(window()->lastRead().heartbeat_seconds, 600);
    }
    QJsonObject savedRoot()
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject{};
    }
    void writeParams(const QJsonObject &params, const QString &model = QStringLiteral("QX3200"))
    {
        QJsonObject root = savedRoot();
        root.insert("params", params);
        root.insert("model", model);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
    }
    QStringList changedRows()
    {
        QStringList rows;
        QTableWidget *table = comparison()->table();
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 3)->text() == QStringLiteral("改变"))
                rows << table->item(r, 0)->text();
        return rows;
    }

private slots:
    void init()
    {
        setUpWindowTest();
        path = dir.filePath(QStringLiteral("module.json"));
        QFile::remove(path);
        setSettingsPathHook([this](bool, const QString &) { return path; });
    }
    void cleanup() { tearDownWindowTest(); }

    void saveLoadAndCompare()
    {
        openAndRead();
        rec->messages.clear();
        click("saveSettings");
        QCOMPARE(rec->messages.size(), 0);
        const QJsonObject root = savedRoot();
        QCOMPARE(root.value("model").toString(), QStringLiteral("QX3200"));
        const QJsonObject params = root.value("params").toObject();
        QCOMPARE(params.value("heartbeat_seconds").toInt(), 600);
        QCOMPARE(params.value("target_project").toString(), QStringLiteral("2"));
        QCOMPARE(params.value("target_site").toString(), QStringLiteral("345"));
        QVERIFY(params.contains("internal_code"));
        QCOMPARE(params.value("address_type").toString(), QStringLiteral("bcd"));
        QCOMPARE(qx3200::fromParams(params).settings, window()->lastRead());

        // The file as saved: the boxes take it, nothing changes, nothing is sent.
        edit("Text4")->setText(QStringLiteral("75"));
        sim->sim().clearRequests();
        click("loadSettings");
        QCOMPARE(rec->messages.size(), 0);
        QCOMPARE(edit("Text4")->text(), QStringLiteral("600"));
        QVERIFY(comparison());
        QCOMPARE(comparison()->table()->rowCount(), params.size());
        QCOMPARE(changedRows(), QStringList{});

        // Two values changed, one only ever read: exactly the two are listed.
        QJsonObject changed = params;
        changed.insert("heartbeat_seconds", 300);
        changed.insert("target_site", "346");
        changed.insert("internal_code", "00:00:");
        writeParams(changed);
        click("loadSettings");
        QCOMPARE(rec->messages.size(), 0);
        QCOMPARE(window()->findChildren<ComparisonDialog *>().size(), 1);
        QCOMPARE(changedRows(), (QStringList{"heartbeat_seconds", "target_site"}));
        QCOMPARE(edit("Text4")->text(), QStringLiteral("300"));
        QCOMPARE(edit("Text1_0")->text(), QStringLiteral("346"));
        QTest::qWait(200);
        QCOMPARE(sim->sim().requests(), QList<QByteArray>{});
    }

    // The heartbeat and the target changed, and the identity (its own button):
    // the two groups' frames go out in the write order, then the read chain,
    // and both groups read back as written.
    void writeSendsOnlyTheChangedGroupsAndVerifies()
    {
        openAndRead();
        click("saveSettings");
        QJsonObject params = savedRoot().value("params").toObject();
        params.insert("heartbeat_seconds", 300);
        params.insert("restart_count", 7);
        params.insert("target_site", "346");
        params.insert("site", "777");
        writeParams(params);
        click("loadSettings");
        QCOMPARE(changedRows(), (QStringList{"heartbeat_seconds", "restart_count", "target_site"}));
        QCOMPARE(comparison()->table()->item(1, 3)->text(), QStringLiteral("不写入"));   // site

        const qx3200::Settings wanted = qx3200::fromParams(params).settings;
        QList<QByteArray> expected;
        for (const auto group : {qx3200::Group::Heartbeat, qx3200::Group::Target})
            expected += qx3200::writeGroup(group, wanted).frames;
        QCOMPARE(expected.size(), 3);
        rec->messages.clear();
        sim->sim().clearRequests();
        comparison()->writeButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(changedRows().isEmpty(), 20000);
        QTRY_VERIFY_WITH_TIMEOUT(!readChain()->isRunning(), 8000);
        QCOMPARE(rec->messages.size(), 0);
        const QList<QByteArray> heard = sim->sim().requests();
        QCOMPARE(heard.mid(0, 3), expected);
        QVERIFY(heard.size() > 3);
        QCOMPARE(heard.at(3), qx3200::readPlan().frames.first());
        QCOMPARE(window()->lastRead().heartbeat_seconds, 300);
        QCOMPARE(window()->lastRead().target_site, QStringLiteral("346"));

        QStringList written;
        QTableWidget *table = comparison()->table();
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 3)->text() == QStringLiteral("已写入"))
                written << table->item(r, 0)->text();
        QCOMPARE(written, (QStringList{"heartbeat_seconds", "restart_count", "target_site"}));
    }

    void refusals()
    {
        openAndRead();
        click("saveSettings");
        QJsonObject params = savedRoot().value("params").toObject();
        const QString kept = QStringLiteral("75");
        edit("Text4")->setText(kept);

        rec->messages.clear();
        writeParams(params, QStringLiteral("QX3100"));
        click("loadSettings");
        params.insert("heartbeat_seconds", 10000);
        writeParams(params);
        click("loadSettings");
        QCOMPARE(rec->messages.size(), 2);
        QCOMPARE(rec->messages.at(0).text, QStringLiteral("这是 QX3100 模块的参数文件，不能用于 QX3200 模块"));
        QCOMPARE(rec->messages.at(1).text, QStringLiteral("参数 heartbeat_seconds：心跳时间必须在 0 到 9999 秒之间"));
        QCOMPARE(edit("Text4")->text(), kept);
        QVERIFY(!comparison());
    }
};

QTEST_MAIN(Gprs3200SettingsFilesTest)
#include "test_gprs3200_settings_files.moc"
