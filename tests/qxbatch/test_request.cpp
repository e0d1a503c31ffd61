#include "request.h"

#include <QTest>

using namespace qxb;

// What the command line lets through, and what it turns away before anything is sent.
class RequestTest : public QObject
{
    Q_OBJECT

    static ParsedCommandLine parse(const QString &line)
    {
        return parseCommandLine(QStringList{QStringLiteral("qxbatch")} + line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
    }

private slots:
    void acceptedRequests()
    {
        ParsedCommandLine p = parse(QStringLiteral("identify 3 /dev/ttyUSB0 COM8 --baud 115200 --line 7E2 --json"));
        QVERIFY(p.decision.run);
        QCOMPARE(p.request.command, Command::Identify);
        QCOMPARE(p.request.ports, (QStringList{QStringLiteral("COM3"), QStringLiteral("/dev/ttyUSB0"), QStringLiteral("COM8")}));
        QCOMPARE(p.request.baud, 115200);
        QCOMPARE(p.request.lineTail, QStringLiteral("e,7,2"));
        QVERIFY(p.request.json);

        p = parse(QStringLiteral("phones read COM1 --from 2 --to 20 --out a.csv"));
        QVERIFY(p.decision.run);
        QCOMPARE(p.request.command, Command::PhonesRead);
        QCOMPARE(p.request.ports, QStringList{QStringLiteral("COM1")});
        QCOMPARE(p.request.from, 2);
        QCOMPARE(p.request.to, 20);

        p = parse(QStringLiteral("write COM1 COM2 --profile p.json --verify --settle 1.5 --set-mode address"));
        QVERIFY(p.decision.run);
        QCOMPARE(p.request.settleMs, 1500);
        QCOMPARE(p.request.setMode, std::optional(WorkingMode::AddressSetting));
        QCOMPARE(p.request.lineTail, QStringLiteral("n,8,1"));   // the default
        QCOMPARE(p.request.baud, 9600);
    }

    void usageErrors_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("named");   // what the message must name
        QTest::newRow("no command") << "" << "";
        QTest::newRow("unknown command") << "flash COM1" << "flash";
        QTest::newRow("no port") << "identify" << "";
        QTest::newRow("port beyond COM8") << "identify COM9" << "COM9";
        QTest::newRow("relative path") << "identify ttyUSB0" << "ttyUSB0";
        QTest::newRow("same port twice") << "identify COM2 2" << "";
        QTest::newRow("rate not offered") << "identify COM1 --baud 9601" << "9601";
        QTest::newRow("line form") << "identify COM1 --line 9N1" << "9N1";
        QTest::newRow("write without profile") << "write COM1" << "--profile";
        QTest::newRow("phones on two ports") << "phones read COM1 COM2 --from 1 --to 2" << "";
        QTest::newRow("phones read without range") << "phones read COM1" << "--from";
        QTest::newRow("phones range backwards") << "phones read COM1 --from 5 --to 2" << "--from";
        QTest::newRow("phones write without file") << "phones write COM1" << "--file";
        QTest::newRow("phones without read or write") << "phones COM1" << "phones";
        QTest::newRow("ports with a port") << "ports COM1" << "ports";
        QTest::newRow("mode word") << "identify COM1 --set-mode fast" << "fast";
    }
    void usageErrors()
    {
        QFETCH(QString, line);
        QFETCH(QString, named);
        const ParsedCommandLine p = parse(line);
        QVERIFY(!p.decision.run);
        QCOMPARE(p.decision.exitCode, 2);
        QVERIFY2(p.decision.error.contains(named), qPrintable(p.decision.error));
        QVERIFY(p.decision.error.contains(QStringLiteral("--profile")));   // the usage follows
    }

    void lineSettings()
    {
        QCOMPARE(lineTailFor(QStringLiteral("8N1")), std::optional(QStringLiteral("n,8,1")));
        QCOMPARE(lineTailFor(QStringLiteral("8o2")), std::optional(QStringLiteral("o,8,2")));
        QCOMPARE(lineTailFor(QStringLiteral("8N")), std::nullopt);
        QCOMPARE(lineTailFor(QStringLiteral("8M1")), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(RequestTest)
#include "test_request.moc"
