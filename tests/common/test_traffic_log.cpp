#include "traffic_log.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using qx::TrafficLog;
using Dir = qx::TrafficLog::Direction;

namespace {

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> eventLines(const QString &path)
{
    QList<QByteArray> events;
    bool pastHead = false;
    for (const QByteArray &line : contents(path).split('\n')) {
        if (pastHead && !line.isEmpty() && !line.startsWith('#'))
            events << line;
        pastHead = pastHead || line == "time,dir,bytes,text";
    }
    return events;
}

const TrafficLog::Session kSession{QStringLiteral("smsconf 1.1.0"), QStringLiteral("COM4"),
                                   QStringLiteral("/dev/pts/3"), QStringLiteral("9600,n,8,1")};

} // namespace

class TrafficLogTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void lineFormat()
    {
        const QDateTime at(QDate(2026, 3, 5), QTime(9, 7, 3, 42));
        QCOMPARE(TrafficLog::eventLine(at, Dir::Sent, QByteArray::fromHex("1a2a007f41")),
                 QByteArray("2026-03-05T09:07:03.042,TX,1A 2A 00 7F 41,.*..A\n"));
        // Commas and quotes in the ASCII form are quoted as CSV requires.
        QCOMPARE(TrafficLog::eventLine(at, Dir::Received, "QX_ADDR=\"5\",ok"),
                 QByteArray("2026-03-05T09:07:03.042,RX,51 58 5F 41 44 44 52 3D 22 35 22 2C 6F 6B,\"QX_ADDR=\"\"5\"\",ok\"\n"));
    }

    void fileNames()
    {
        const QDateTime at(QDate(2026, 3, 5), QTime(9, 7, 3));
        QCOMPARE(TrafficLog::fileName(at, "COM4"), QString("20260305-090703-COM4.csv"));
        QCOMPARE(TrafficLog::fileName(at, "/dev/serial/by-id/usb-FTDI_FT232R_A10K-if00-port0"),
                 QString("20260305-090703-dev_serial_by-id_usb-FTDI_FT232R_A10K-if00-port0.csv"));
        QCOMPARE(TrafficLog::fileName(at, "../../etc/passwd"), QString("20260305-090703-etc_passwd.csv"));
        QCOMPARE(TrafficLog::fileName(at, "/"), QString("20260305-090703-port.csv"));
        QCOMPARE(TrafficLog::fileName(at, "串口 4"), QString("20260305-090703-串口_4.csv"));
    }

    // The head, then every block in the order given, with times that never go back.
    void headAndEventsInOrder()
    {
        TrafficLog log;
        QSignalSpy failed(&log, &TrafficLog::failed);
        QVERIFY(log.open(m_dir.filePath("logs"), kSession));
        QVERIFY(QFileInfo(log.filePath()).fileName().endsWith("-COM4.csv"));
        log.record(Dir::Sent, QByteArray::fromHex("1a2a3a4a5a6a7a8aeb02"));
        QTest::qWait(15);
        log.record(Dir::Received, "QX_ADDR=25");
        log.noteModel("QX3100");
        log.record(Dir::Sent, "QX+VREG?");
        log.close();
        QVERIFY(!log.isOpen());
        QCOMPARE(failed.count(), 0);

        const QByteArray text = contents(log.filePath());
        QVERIFY2(text.startsWith("# smsconf 1.1.0\n# port: COM4\n# device: /dev/pts/3\n# line: 9600,n,8,1\n# time: local, UTC"),
                 text.constData());
        QVERIFY(text.contains("\n# model: QX3100\n"));
        const QList<QByteArray> events = eventLines(log.filePath());
        QCOMPARE(events.size(), 3);
        QVERIFY(events.at(0).endsWith(",TX,1A 2A 3A 4A 5A 6A 7A 8A EB 02,.*:JZjz..."));
        QVERIFY(events.at(1).endsWith(",RX,51 58 5F 41 44 44 52 3D 32 35,QX_ADDR=25"));
        QVERIFY(events.at(2).endsWith(",TX,51 58 2B 56 52 45 47 3F,QX+VREG?"));
        QList<QDateTime> times;
        for (const QByteArray &line : events) {
            const QDateTime t = QDateTime::fromString(QString::fromLatin1(line.left(23)), "yyyy-MM-dd'T'HH:mm:ss.zzz");
            QVERIFY2(t.isValid(), line.constData());
            times << t;
        }
        QVERIFY(times.at(0).msecsTo(times.at(1)) >= 15);   // the wait between them is in the times
        QVERIFY(times.at(1) <= times.at(2));
    }

    // record() only queues: the file grows on the writer's next round, within the second.
    void writtenOffTheCallersPathWithinASecond()
    {
        TrafficLog log;
        QVERIFY(log.open(m_dir.filePath("logs"), kSession));
        QElapsedTimer clock;
        clock.start();
        log.record(Dir::Sent, "ping");
        QCOMPARE(QFileInfo(log.filePath()).size(), 0);
        while (eventLines(log.filePath()).isEmpty() && clock.elapsed() < 5000)
            QTest::qWait(20);
        QCOMPARE(eventLines(log.filePath()).size(), 1);
        QVERIFY2(clock.elapsed() <= TrafficLog::kFlushMs + 700, qPrintable(QString::number(clock.elapsed())));
    }

    void twoSessionsInOneSecondKeepBothFiles()
    {
        TrafficLog log;
        QVERIFY(log.open(m_dir.filePath("same"), kSession));
        log.record(Dir::Sent, "first");
        const QString first = log.filePath();
        QVERIFY(log.open(m_dir.filePath("same"), kSession));   // closes the first
        log.record(Dir::Sent, "second");
        log.close();
        QVERIFY(first != log.filePath());
        QCOMPARE(eventLines(first).size(), 1);
        QVERIFY(eventLines(first).first().endsWith("first"));
        QVERIFY(eventLines(log.filePath()).first().endsWith("second"));
    }

    void aFolderThatCannotBeMadeSaysSoOnce()
    {
        QFile blocker(m_dir.filePath("not-a-folder"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        TrafficLog log;
        QSignalSpy failed(&log, &TrafficLog::failed);
        QVERIFY(!log.open(m_dir.filePath("not-a-folder/logs"), kSession));
        QVERIFY(!log.isOpen());
        log.record(Dir::Sent, "lost quietly");
        QCOMPARE(failed.count(), 1);
        QVERIFY(failed.first().first().toString().contains("not-a-folder"));
    }

    // A full disk: the log ends itself and says so once; recording goes on harmlessly.
    void aFileThatCannotBeWrittenSaysSoOnce()
    {
        if (!QFileInfo::exists("/dev/full"))
            QSKIP("needs /dev/full");
        TrafficLog log;
        QSignalSpy failed(&log, &TrafficLog::failed);
        QVERIFY(log.openFile("/dev/full", kSession));
        log.record(Dir::Sent, "to a full disk");
        QVERIFY(failed.wait(TrafficLog::kFlushMs + 2000));
        QVERIFY(!log.isOpen());
        QCOMPARE(failed.first().first().toString(), QStringLiteral("无法写入通讯记录文件 /dev/full，通讯记录已关闭。"));
        log.record(Dir::Received, "after the end");
        QTest::qWait(TrafficLog::kFlushMs + 200);
        log.close();
        QCOMPARE(failed.count(), 1);

        // Closed before the writer's round: close() finds out and tells.
        QVERIFY(log.openFile("/dev/full", kSession));
        log.record(Dir::Sent, "x");
        log.close();
        QCOMPARE(failed.count(), 2);
        QTest::qWait(50);   // the writer's own word about it never comes on top
        QCOMPARE(failed.count(), 2);
    }
};

QTEST_GUILESS_MAIN(TrafficLogTest)
#include "test_traffic_log.moc"
