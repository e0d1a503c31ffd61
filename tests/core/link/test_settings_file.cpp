#include "link/settings_file.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace lt;

class SettingsFileTest : public QObject
{
    Q_OBJECT

    static settings_file::Document sample()
    {
        settings_file::Document d;
        d.model = QStringLiteral("QX3100");
        d.saved = QDateTime(QDate(2026, 12, 8), QTime(9, 30, 5), Qt::OffsetFromUTC, 8 * 3600);
        d.program = QStringLiteral("linktool 1.1.0");
        d.params = QJsonObject{{QStringLiteral("password"), QStringLiteral("12:34:56:78:")},
                               {QStringLiteral("baud"), 9600},
                               {QStringLiteral("note"), QStringLiteral("主动形式, \"quoted\"")}};
        return d;
    }

private slots:
    void roundTripKeepsEverything()
    {
        const auto d = sample();
        const QByteArray bytes = settings_file::toBytes(d);
        const QJsonObject root = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(root.value(QStringLiteral("format")).toInt(), 1);
        QCOMPARE(root.value(QStringLiteral("saved")).toString(), QStringLiteral("2026-12-08T09:30:05+08:00"));
        const auto r = settings_file::fromBytes(bytes, QStringLiteral("QX3100"));
        QVERIFY2(r.document, qPrintable(r.refusal));
        QCOMPARE(r.document->model, d.model);
        QCOMPARE(r.document->saved, d.saved);
        QCOMPARE(r.document->program, d.program);
        QCOMPARE(r.document->params, d.params);

        // Asked for no model, either model's file is taken and says which it is.
        const auto any = settings_file::fromBytes(R"({"format":1,"model":"QX3200","params":{}})", QString());
        QVERIFY2(any.document, qPrintable(any.refusal));
        QCOMPARE(any.document->model, QStringLiteral("QX3200"));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal");
        const QString notAFile = QStringLiteral("这个文件不是模块参数文件");
        QTest::newRow("other model") << QByteArray(R"({"format":1,"model":"QX3200","params":{}})")
                                     << QStringLiteral("这是 QX3200 模块的参数文件，不能用于 QX3100 模块");
        QTest::newRow("newer format") << QByteArray(R"({"format":2,"model":"QX3100","params":{}})")
                                      << QStringLiteral("参数文件的格式（2）比本程序的（1）新，请用新版本的程序打开");
        QTest::newRow("not json") << QByteArray("format=1") << notAFile;
        QTest::newRow("an array") << QByteArray("[1]") << notAFile;
        QTest::newRow("no params") << QByteArray(R"({"format":1,"model":"QX3100"})") << notAFile;
        QTest::newRow("params not an object") << QByteArray(R"({"format":1,"model":"QX3100","params":[]})") << notAFile;
        QTest::newRow("format as text") << QByteArray(R"({"format":"1","model":"QX3100","params":{}})") << notAFile;
        QTest::newRow("format not whole") << QByteArray(R"({"format":1.5,"model":"QX3100","params":{}})") << notAFile;
        QTest::newRow("format zero") << QByteArray(R"({"format":0,"model":"QX3100","params":{}})") << notAFile;
    }

    void refusals()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        const auto r = settings_file::fromBytes(bytes, QStringLiteral("QX3100"));
        QVERIFY(!r.document);
        QCOMPARE(r.refusal, refusal);
    }

    void throughTheFileSystem()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("module.json"));
        QVERIFY(!settings_file::save(path, sample()));
        const auto r = settings_file::load(path, QStringLiteral("QX3100"));
        QVERIFY2(r.document, qPrintable(r.refusal));
        QCOMPARE(r.document->params, sample().params);

        const auto missing = settings_file::load(dir.filePath(QStringLiteral("none.json")), QStringLiteral("QX3100"));
        QVERIFY(!missing.document);
        QVERIFY(missing.refusal.startsWith(QStringLiteral("无法读取文件 ")));
        // A folder that does not exist cannot take the file; nothing is left half written.
        const auto failed = settings_file::save(dir.filePath(QStringLiteral("no/such/folder/x.json")), sample());
        QVERIFY(failed);
        QVERIFY(failed->startsWith(QStringLiteral("无法写入文件 ")));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "test_settings_file.moc"
