#include "sms3100_fixture.h"

#include "link/settings_file.h"
#include "qx3100/settings.h"
#include "ui/settings_files.h"

#include <QComboBox>
#include <QTimer>
#include <QJsonDocument>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace lt;

// Saving what the QX3100 window read and loading it back, against the simulator.
class Sms3100SettingsFilesTest : public QObject
{
    Q_OBJECT
    sms3100::Fixture f;
    QTemporaryDir dir;
    QString path;
    int asked = 0;

    QLineEdit *edit(const char *name) { return f.control<QLineEdit>(QLatin1String(name)); }
    QComboBox *combo(const char *name) { return f.control<QComboBox>(QLatin1String(name)); }
    void click(const char *name) { f.control<QPushButton>(QLatin1String(name))->click(); }
    ComparisonDialog *comparison() { return f.window()->findChild<ComparisonDialog *>(QStringLiteral("settingsComparison")); }

    QJsonObject savedRoot()
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject{};
    }
    void writeFile(const QJsonObject &root)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(root).toJson());
    }
    // The table as (field, state) pairs of its changed rows.
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
    void initTestCase() { QCoreApplication::setApplicationVersion(QStringLiteral("9.9")); }
    void init()
    {
        f.start();
        path = dir.filePath(QStringLiteral("module.json"));
        QFile::remove(path);
        asked = 0;
        setSettingsPathHook([this](bool, const QString &) {
            ++asked;
            return path;
        });
    }
    void cleanup() { f.stop(); }

    void saveThenLoadIsIdentity()
    {
        f.openAndSettle();
        click("saveSettings");
        QCOMPARE(f.messages->messages.size(), 0);
        const QJsonObject root = savedRoot();
        QCOMPARE(root.value("format").toInt(), 1);
        QCOMPARE(root.value("model").toString(), QStringLiteral("QX3100"));
        QCOMPARE(root.value("program").toString(), QCoreApplication::applicationName() + QStringLiteral(" 9.9"));
        QVERIFY(QDateTime::fromString(root.value("saved").toString(), Qt::ISODate).isValid());
        const QJsonObject params = root.value("params").toObject();
        // What the simulator's default module reported, in the file's words.
        QCOMPARE(params.value("password").toString(), QStringLiteral("12:34:56:78:"));
        QCOMPARE(params.value("work_form").toString(), QStringLiteral("passive"));
        QCOMPARE(params.value("trans_form").toString(), QStringLiteral("format"));
        QCOMPARE(params.value("baud").toInt(), 9600);
        QCOMPARE(params.value("restart_seconds").toDouble(), 60.0);
        QVERIFY(!params.contains("module_type"));   // never read
        QCOMPARE(qx3100::fromParams(params).settings, f.window()->lastRead());

        // An edit not yet written is no setting of the module: the file keeps the read.
        edit("Text4")->setText(QStringLiteral("75"));
        click("saveSettings");
        QCOMPARE(savedRoot().value("params").toObject(), params);

        // Loading gives the box back its file value, sends nothing and finds nothing changed.
        f.forget();
        click("loadSettings");
        QCOMPARE(f.messages->messages.size(), 0);
        QCOMPARE(edit("Text4")->text(), QStringLiteral("60"));
        QVERIFY(comparison());
        QCOMPARE(comparison()->table()->rowCount(), params.size());
        QCOMPARE(changedRows(), QStringList{});
        QTest::qWait(200);
        QCOMPARE(f.heard(), QStringList{});
    }

    void comparisonListsExactlyTheChangedFields()
    {
        f.openAndSettle();
        click("saveSettings");
        QJsonObject root = savedRoot();
        QJsonObject params = root.value("params").toObject();
        params.insert("restart_seconds", 90);
        params.insert("work_form", "active");
        params.insert("receiver", "13912345678");   // the module reported none
        params.insert("version", "99999999999");    // read only: never a change
        root.insert("params", params);
        writeFile(root);

        f.forget();
        click("loadSettings");
        QCOMPARE(f.messages->messages.size(), 0);
        QCOMPARE(changedRows(), (QStringList{"restart_seconds", "work_form", "receiver"}));
        QTableWidget *table = comparison()->table();
        QCOMPARE(table->item(2, 0)->text(), QStringLiteral("restart_seconds"));
        QCOMPARE(table->item(2, 1)->text(), QStringLiteral("90"));
        QCOMPARE(table->item(2, 2)->text(), QStringLiteral("60"));
        // The boxes hold the file's values.
        QCOMPARE(edit("Text4")->text(), QStringLiteral("90"));
        QCOMPARE(edit("Text2")->text(), QStringLiteral("13912345678"));
        QCOMPARE(combo("Combo1")->currentText(), QStringLiteral("主动形式"));
        QTest::qWait(200);
        QCOMPARE(f.heard(), QStringList{});
    }

    void refusesOtherModelNewerFormatAndBadValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("other model") << "model" << QJsonValue("QX3200") << "这是 QX3200 模块的参数文件，不能用于 QX3100 模块";
        QTest::newRow("newer format") << "format" << QJsonValue(2) << "参数文件的格式（2）比本程序的（1）新，请用新版本的程序打开";
        QTest::newRow("bad password") << "password" << QJsonValue("12:34") << "参数 password：您输入的短信密码不正确";
        QTest::newRow("unknown key") << "colour" << QJsonValue("red") << "参数 colour：没有这个参数";
    }
    void refusesOtherModelNewerFormatAndBadValues()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, message);
        f.openAndSettle();
        click("saveSettings");
        QJsonObject root = savedRoot();
        QJsonObject params = root.value("params").toObject();
        params.insert("restart_seconds", 90);   // would change the box, were the file taken
        if (root.contains(key))
            root.insert(key, value);
        else
            params.insert(key, value);
        root.insert("params", params);
        writeFile(root);

        edit("Text4")->setText(QStringLiteral("75"));   // typed, and kept
        f.forget();
        click("loadSettings");
        QCOMPARE(f.messages->messages.size(), 1);
        QCOMPARE(f.messages->messages.first().text, message);
        QCOMPARE(edit("Text4")->text(), QStringLiteral("75"));
        QVERIFY(!comparison());
        QCOMPARE(f.heard(), QStringList{});
    }

    // Two groups changed: only their frames go out, in the write order, then
    // the window's own read; each changed field then reads back as written.
    // A module that keeps its old restart time shows that field failed.
    void writeSendsOnlyTheChangedGroupsAndVerifies_data()
    {
        QTest::addColumn<bool>("ignoreRestartTime");
        QTest::newRow("module takes both") << false;
        QTest::newRow("module keeps its restart time") << true;
    }
    void writeSendsOnlyTheChangedGroupsAndVerifies()
    {
        QFETCH(bool, ignoreRestartTime);
        f.openAndSettle();
        click("saveSettings");
        QJsonObject root = savedRoot();
        QJsonObject params = root.value("params").toObject();
        params.insert("restart_seconds", 90);
        params.insert("passive_address", "00:02:");
        params.insert("baud", 19200);   // a new line for the module: its own button, never this write
        root.insert("params", params);
        writeFile(root);
        click("loadSettings");
        QCOMPARE(changedRows(), (QStringList{"restart_seconds", "passive_address"}));
        QTableWidget *table = comparison()->table();
        QCOMPARE(table->item(1, 0)->text(), QStringLiteral("baud"));
        QCOMPARE(table->item(1, 3)->text(), QStringLiteral("不写入"));

        if (ignoreRestartTime) {
            connect(&f.sim->sim(), &qxsim::Simulator::requestReceived, this, [this](const QByteArray &r) {
                if (quint8(r.at(8)) == 0xA3 && quint8(r.at(9)) == 0x01)   // the set, not the query
                    QTimer::singleShot(0, this, [this] { f.model().setOption("a3", "00002EE0"); });
            });
        }
        f.forget();
        f.messages->messages.clear();
        comparison()->writeButton()->click();
        QVERIFY(!comparison()->writeButton()->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(table->item(2, 3)->text() != QStringLiteral("改变"), 20000);
        f.waitIdle();
        QCOMPARE(f.messages->messages.size(), 0);

        // Restart time (A3 = 90 s in 5 ms counts), then the passive address (E2), nothing else set.
        const QStringList heard = f.heard();
        QVERIFY2(heard.size() > 2, qPrintable(heard.join(' ')));
        QCOMPARE(heard.mid(0, 2), (QStringList{"A30100004650", "E2010002"}));
        QCOMPARE(heard.at(2), QStringLiteral("EC03"));   // the refresh follows
        for (const QString &request : heard.mid(2))
            QVERIFY2(request.mid(2, 2) != QStringLiteral("01"), qPrintable(request));

        QStringList states;
        for (int r = 0; r < table->rowCount(); ++r)
            if (table->item(r, 3)->text() != QStringLiteral("相同"))
                states << table->item(r, 0)->text() + '=' + table->item(r, 3)->text();
        QCOMPARE(states, (QStringList{"version=不写入", "baud=不写入",
                                      ignoreRestartTime ? "restart_seconds=写入失败" : "restart_seconds=已写入",
                                      "passive_address=已写入"}));
        QCOMPARE(f.window()->lastRead().restart_seconds, ignoreRestartTime ? 60.0 : 90.0);
    }

    // A write asked for while a refresh runs waits for nothing and sends nothing.
    void noWriteBesideARefresh()
    {
        f.openAndSettle();
        click("saveSettings");
        QJsonObject root = savedRoot();
        QJsonObject params = root.value("params").toObject();
        params.insert("restart_seconds", 90);
        root.insert("params", params);
        writeFile(root);
        click("loadSettings");
        QCOMPARE(changedRows(), QStringList{"restart_seconds"});
        f.forget();
        f.messages->messages.clear();
        click("Command8");   // 刷新
        comparison()->writeButton()->click();
        QVERIFY(f.messages->saw(QStringLiteral("正在与模块通信，请等这次操作结束后再写入模块")));
        f.waitIdle();
        for (const QString &request : f.heard())
            QVERIFY2(request.mid(2, 2) != QStringLiteral("01"), qPrintable(request));
    }

    void nothingReadNothingSaved()
    {
        f.openQuick();
        click("saveSettings");
        QVERIFY(f.messages->saw(QStringLiteral("还没有从模块读到参数，请先刷新")));
        QCOMPARE(asked, 0);
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(Sms3100SettingsFilesTest)
#include "test_sms3100_settings_files.moc"
