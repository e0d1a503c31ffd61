#include "batch_fixture.h"
#include "phone_csv.h"

#include "link/timing.h"

#include <QFile>
#include <QTemporaryDir>

using namespace qxb;

// The QX3100 phone table through CSV: read from one module, written to
// another, read back the same; and the window's refusals of a file's lines.
class PhonesTest : public QObject
{
    Q_OBJECT

    BatchFixture bench;
    QTemporaryDir folder;

    QByteArray fileBytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString runAndWait(const QString &commandLine)
    {
        auto run = bench.start(commandLine);
        if (!QTest::qWaitFor([&] { return run->isDone(); }, 20000))
            qFatal("%s did not end", qPrintable(commandLine));
        return bench.lines.value(0);
    }

private slots:
    void init()
    {
        lt::timing::setScale(0.02, 400);
        bench = BatchFixture();
    }

    void csvLines_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("refusal");   // empty: taken
        QTest::newRow("header and entries") << QByteArray("address,number\n00:01:,13900000001\r\n0a:02:,FFFFFFFFFFF\n") << "";
        QTest::newRow("no header, quoted") << QByteArray("\"00:01:\",\"13900000001\"\n") << "";
        QTest::newRow("short address") << QByteArray("address,number\n00:1:,13900000001\n") << "第 2 行：您输入的地址不正确";
        QTest::newRow("placeholder address") << QByteArray("**:**:,13900000001\n") << "第 1 行：您输入的地址不正确";
        QTest::newRow("ten digits") << QByteArray("00:01:,1390000000\n") << "第 1 行：您输入的电话号码不正确";
        QTest::newRow("not hex") << QByteArray("00:01:,1390000000X\n") << "第 1 行：您输入的电话号码不正确";
        QTest::newRow("same number twice") << QByteArray("00:01:,13900000001\n00:02:,13900000001\n") << "第 2 行：电话号码有重复，请检查电话号码";
        QTest::newRow("erase twice is no duplicate") << QByteArray("00:01:,FFFFFFFFFFF\n00:02:,FFFFFFFFFFF\n") << "";
        QTest::newRow("three cells") << QByteArray("00:01:,13900000001,x\n") << "第 1 行：每行应有地址和电话号码两项";
    }
    void csvLines()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, refusal);
        const PhonesFromCsv read = phonesFromCsv(csv);
        QCOMPARE(read.refusal, refusal);
        QCOMPARE(read.entries.isEmpty(), !refusal.isEmpty());
        if (refusal.isEmpty())
            QCOMPARE(phonesFromCsv(phonesToCsv(read.entries)).entries, read.entries);
    }

    void roundTripThroughCsv()
    {
        bench.addModule(QStringLiteral("qx3100"), {QStringLiteral("phone=2:13911112222"), QStringLiteral("phone=5:13955556666")});
        bench.addModule(QStringLiteral("qx3100"));   // entries 1 and 3 of its own
        const QString first = folder.filePath(QStringLiteral("first.csv"));
        QString line = runAndWait(QStringLiteral("phones read %1 --from 1 --to 6 --out %2").arg(bench.path(0), first));
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" ok ")) && line.contains(QStringLiteral("entries=4")), qPrintable(line));
        QCOMPARE(fileBytes(first), QByteArray("address,number\n00:01:,13900000001\n00:02:,13911112222\n"
                                              "00:03:,13900000003\n00:05:,13955556666\n"));

        // Onto the other module, with its entry 3 erased on the way.
        QFile edited(folder.filePath(QStringLiteral("edited.csv")));
        QVERIFY(edited.open(QIODevice::WriteOnly));
        edited.write(fileBytes(first).replace("00:03:,13900000003", "00:03:,FFFFFFFFFFF"));
        edited.close();
        line = runAndWait(QStringLiteral("phones write %1 --file %2").arg(bench.path(1), edited.fileName()));
        QVERIFY2(line.startsWith(bench.path(1) + QStringLiteral(" ok ")) && line.contains(QStringLiteral("entries=4")), qPrintable(line));

        const QString second = folder.filePath(QStringLiteral("second.csv"));
        line = runAndWait(QStringLiteral("phones read %1 --from 1 --to 6 --out %2").arg(bench.path(1), second));
        QVERIFY2(line.contains(QStringLiteral(" ok ")), qPrintable(line));
        QCOMPARE(fileBytes(second), QByteArray("address,number\n00:01:,13900000001\n00:02:,13911112222\n00:05:,13955556666\n"));

        // Every entry of the range was asked for, erased or not.
        QList<QByteArray> reads;
        for (const QByteArray &r : bench.modules[1]->requests())
            if (quint8(r.at(8)) == 0xD4 && r.at(9) == 1)
                reads << r;
        QCOMPARE(reads.size(), 6);
    }

    void unansweredEntriesAreNamedAndWhatCameIsKept()
    {
        bench.addModule(QStringLiteral("qx3100"));
        qxsim::Simulator &module = *bench.modules[0];
        connect(&module, &qxsim::Simulator::requestReceived, this, [&](const QByteArray &r) {
            if (quint8(r.at(8)) == 0xD4 && quint8(r.at(11)) == 3)
                module.faults().dropNext = 1;
        });
        const QString out = folder.filePath(QStringLiteral("partial.csv"));
        const QString line = runAndWait(QStringLiteral("phones read %1 --from 1 --to 4 --out %2").arg(bench.path(0), out));
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" no-answer ")) && line.contains(QStringLiteral("unanswered=3")),
                 qPrintable(line));
        QCOMPARE(fileBytes(out), QByteArray("address,number\n00:01:,13900000001\n"));
    }

    void onlyTheSmsModuleHasOne()
    {
        bench.addModule(QStringLiteral("qx3200"));
        const QString line = runAndWait(QStringLiteral("phones read %1 --from 1 --to 2").arg(bench.path(0)));
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" wrong-model ")), qPrintable(line));
        for (const QByteArray &r : bench.modules[0]->requests())
            QVERIFY(quint8(r.at(8)) != 0xD4);
    }

    void wrongConfirmationFails()
    {
        bench.addModule(QStringLiteral("qx3100"), {QStringLiteral("wrong-ack=1")});
        QFile csv(folder.filePath(QStringLiteral("one.csv")));
        QVERIFY(csv.open(QIODevice::WriteOnly));
        csv.write("00:07:,13977778888\n00:08:,13977778889\n");
        csv.close();
        const QString line = runAndWait(QStringLiteral("phones write %1 --file %2").arg(bench.path(0), csv.fileName()));
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" verify-failed ")) && line.contains(QStringLiteral("00:07:")),
                 qPrintable(line));
        // The second entry is not written after the first went wrong.
        int writes = 0;
        for (const QByteArray &r : bench.modules[0]->requests())
            writes += quint8(r.at(8)) == 0xD4 && r.at(9) == 2 ? 1 : 0;
        QCOMPARE(writes, 1);
    }
};

QTEST_GUILESS_MAIN(PhonesTest)
#include "test_phones.moc"
