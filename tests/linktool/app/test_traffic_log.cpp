#include "app/main_window.h"
#include "app/start_options.h"
#include "link/link.h"
#include "link/timing.h"
#include "modes/connect_windows.h"

#include "linktool_support.h"
#include "program.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace lt;

namespace {

struct Event {
    QDateTime at;
    QString dir;
    QByteArray bytes;
};

QByteArray hexBytes(const QString &field)
{
    return QByteArray::fromHex(field.toLatin1());
}

} // namespace

// The traffic log of linktool against the simulated module: what goes in,
// in which order, and a log that cannot be written never stops the exchange.
class TrafficLogTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::SimModule> module;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<test::MessageRecorder> messages;
    QTemporaryDir dir;

    QAction *action(const char *name) const { return main->findChild<QAction *>(QLatin1String(name)); }

    // Connects through the SMS module's connect window and waits for the QX3100 window.
    void connectModule()
    {
        openSmsConnect(*main);
        QPointer<QDialog> w = main->findChild<QDialog *>(QStringLiteral("frm3000MOD"));
        QVERIFY(w);
        w->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
        QTRY_VERIFY(main->findChild<QWidget *>(QStringLiteral("frm3100COM")));
    }

    // The one log file of the folder, its head lines and its events.
    void readLog(const QString &folder, QStringList *head, QList<Event> *events)
    {
        const QStringList files = QDir(folder).entryList({QStringLiteral("*.csv")}, QDir::Files);
        QCOMPARE(files.size(), 1);
        QVERIFY2(files[0].endsWith(QLatin1String("-COM1.csv")), qPrintable(files[0]));
        QFile file(QDir(folder).filePath(files[0]));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        for (const QString &line : lines) {
            if (line.startsWith(QLatin1Char('#'))) {
                // Where the head line came among the events.
                *head << QStringLiteral("%1 %2").arg(events->size()).arg(line);
                continue;
            }
            if (line == QLatin1String("time,dir,bytes,text"))
                continue;
            const QStringList fields = line.split(QLatin1Char(','));
            QVERIFY2(fields.size() >= 4, qPrintable(line));
            const QDateTime at = QDateTime::fromString(fields[0], Qt::ISODateWithMs);
            QVERIFY2(at.isValid(), qPrintable(line));
            events->append({at, fields[1], hexBytes(fields[2])});
        }
    }

private slots:
    void initTestCase()
    {
        // The log's head names the program; nothing of the user's is touched.
        QStandardPaths::setTestModeEnabled(true);
        qx::identifyProgram(program().name);
    }

    void init()
    {
        test::resetProgramState();
        timing::setScale(0.25, 250);
        module = std::make_unique<test::SimModule>(QStringLiteral("qx3100"));
        main = std::make_unique<MainWindow>();
        messages = std::make_unique<test::MessageRecorder>();
    }
    void cleanup()
    {
        main.reset();
        messages.reset();
        module.reset();
        test::resetProgramState();
    }

    void menuEntries()
    {
        QAction *log = action("trafficLog");
        QVERIFY(log && log->isCheckable() && !log->isChecked());
        QCOMPARE(log->text(), QStringLiteral("通讯记录"));
        auto *file = main->findChild<QMenu *>(QStringLiteral("file"));
        QVERIFY(file->actions().contains(log));
        QAction *folder = action("openLogFolder");
        QCOMPARE(folder->text(), QStringLiteral("打开记录文件夹"));
        QVERIFY(file->actions().contains(folder));

        // The folder is made and handed to the desktop.
        const QString logs = dir.filePath(QStringLiteral("menu/logs"));
        main->setLogFolder(logs);
        QList<QUrl> shown;
        main->setFolderOpener([&](const QUrl &url) {
            shown << url;
            return true;
        });
        folder->trigger();
        QCOMPARE(shown, QList<QUrl>{QUrl::fromLocalFile(logs)});
        QVERIFY(QFileInfo(logs).isDir());
        QVERIFY(messages->messages.isEmpty());
        main->setFolderOpener([](const QUrl &) { return false; });
        folder->trigger();
        QCOMPARE(messages->messages.size(), 1);
        QCOMPARE(messages->messages[0].text, QStringLiteral("无法打开文件夹 %1").arg(logs));
    }

    // The handshake as the log tells it: each request then its answer, the
    // answer a quiet gap after it, the model once the module has said it. A
    // reply the simulator sends in two bursts is the one block the program took.
    void handshakeInOrder()
    {
        module->sim().faults().splitAt = 5;
        module->sim().faults().splitGapMs = 30;
        QList<QByteArray> bursts;
        connect(&module->sim(), &qxsim::Simulator::bytesSent, this, [&](const QByteArray &b) { bursts << b; });
        const QString logs = dir.filePath(QStringLiteral("order"));
        main->setLogFolder(logs);
        action("trafficLog")->trigger();
        QVERIFY(action("trafficLog")->isChecked());
        connectModule();
        const QList<QByteArray> requests = module->sim().requests();
        main->link().port().close();   // ends the log and writes it out

        QStringList head;
        QList<Event> events;
        readLog(logs, &head, &events);
        QVERIFY(head.size() >= 6);
        QCOMPARE(head[0], QStringLiteral("0 # linktool %1").arg(qx::programVersion()));
        QCOMPARE(head[1], QStringLiteral("0 # port: COM1"));
        QCOMPARE(head[2], QStringLiteral("0 # device: %1").arg(module->sim().devicePath()));
        QCOMPARE(head[3], QStringLiteral("0 # line: 9600,n,8,1"));
        QVERIFY(head[4].startsWith(QLatin1String("0 # time: local, UTC")));
        // After the module type's answer, the twelfth event.
        QCOMPARE(head[5], QStringLiteral("12 # model: QX3100"));

        QVERIFY(events.size() >= 12);
        const QByteArray commands = QByteArray::fromHex("FEF8F9ECD6D1");
        const QByteArray answers = QByteArray::fromHex("FDF8F9ECD6D1");
        for (int i = 0; i < 6; ++i) {
            const Event &tx = events[2 * i];
            const Event &rx = events[2 * i + 1];
            QCOMPARE(tx.dir, QStringLiteral("TX"));
            QCOMPARE(tx.bytes, requests[i]);
            QCOMPARE(quint8(tx.bytes[8]), quint8(commands[i]));
            QCOMPARE(rx.dir, QStringLiteral("RX"));
            QCOMPARE(quint8(rx.bytes[8]), quint8(answers[i]));
            // Sent in two bursts, taken and logged as one block.
            QCOMPARE(rx.bytes, bursts[2 * i] + bursts[2 * i + 1]);
            QCOMPARE(bursts[2 * i].size(), 5);
            // The answer is whole only once the line was quiet for the gap.
            const qint64 answered = tx.at.msecsTo(rx.at);
            QVERIFY2(answered >= Link::kQuietGapMs - 10, qPrintable(QString::number(answered)));
            if (i > 0) {
                const qint64 after = events[2 * i - 1].at.msecsTo(tx.at);
                QVERIFY2(after >= 0, qPrintable(QString::number(after)));
            }
        }
        // The reads go out a second apart (scaled), the log keeps their pace.
        for (int i = 2; i < 6; ++i) {
            const qint64 spacing = events[2 * (i - 1)].at.msecsTo(events[2 * i].at);
            QVERIFY2(spacing >= timing::interval(1000) - 30, qPrintable(QString::number(spacing)));
        }
        QVERIFY(messages->messages.size() == 1);   // the signal-lamp notice only
    }

    // A folder that cannot be made: one message, the log off, the exchange on.
    void unwritableFolder()
    {
        QFile blocker(dir.filePath(QStringLiteral("plain-file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString logs = blocker.fileName() + QStringLiteral("/logs");
        main->setLogFolder(logs);
        action("trafficLog")->trigger();
        connectModule();
        const QString said = QStringLiteral("无法建立通讯记录文件夹 %1，通讯记录已关闭。").arg(logs);
        QCOMPARE(messages->count(said), 1);
        for (const auto &m : messages->messages)
            if (m.text == said)
                QCOMPARE(m.title, QStringLiteral("提示"));
        QVERIFY(!action("trafficLog")->isChecked());
        QCOMPARE(main->link().identity().moduleType, 0x02);
        QVERIFY(main->link().port().isOpen());
        QCOMPARE(messages->count(said), 1);
    }

    // Turned on while connected: a file from then on, with the model the
    // handshake found; turned off: the file ends.
    void turnedOnWhileConnected()
    {
        const QString logs = dir.filePath(QStringLiteral("later"));
        main->setLogFolder(logs);
        connectModule();
        QVERIFY(!main->trafficLog().isOpen());
        action("trafficLog")->trigger();
        QVERIFY(main->trafficLog().isOpen());
        main->link().send(QByteArray::fromHex("1A2A3A4A5A6A7A8AF803"));
        action("trafficLog")->trigger();
        QVERIFY(!main->trafficLog().isOpen());
        QStringList head;
        QList<Event> events;
        readLog(logs, &head, &events);
        QVERIFY(head.contains(QStringLiteral("0 # model: QX3100")));
        // The QX3100 window may be reading meanwhile: the frame is among the events.
        bool logged = false;
        for (const Event &e : events)
            logged = logged || (e.dir == QLatin1String("TX") && e.bytes == QByteArray::fromHex("1A2A3A4A5A6A7A8AF803"));
        QVERIFY(logged);
    }

    // The user's choice and the window's place are kept; --log is for this run.
    void rememberedAcrossRuns()
    {
        QSettings settings(dir.filePath(QStringLiteral("remembered.conf")), QSettings::IniFormat);
        main->rememberIn(&settings);
        QVERIFY(!action("trafficLog")->isChecked());
        action("trafficLog")->trigger();
        main->show();
        main->setGeometry(40, 50, 700, 500);
        const QRect placed = main->geometry();
        main->close();
        main = std::make_unique<MainWindow>();
        main->rememberIn(&settings);
        QVERIFY(action("trafficLog")->isChecked());
        QCOMPARE(main->geometry().size(), placed.size());

        action("trafficLog")->trigger();
        main->close();
        main = std::make_unique<MainWindow>();
        main->rememberIn(&settings);
        QVERIFY(!action("trafficLog")->isChecked());
        main->applyStartOptions({QString(), StartOptions::Model::None, true});
        QVERIFY(action("trafficLog")->isChecked());
        QCOMPARE(settings.value(QStringLiteral("trafficLog")).toBool(), false);
    }

    void modelOpensItsConnectWindow_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("window");
        QTest::newRow("qx3100") << int(StartOptions::Model::Qx3100) << QStringLiteral("frm3000MOD");
        QTest::newRow("qx3200") << int(StartOptions::Model::Qx3200) << QStringLiteral("frmQX3200");
    }
    void modelOpensItsConnectWindow()
    {
        QFETCH(int, model);
        QFETCH(QString, window);
        main->applyStartOptions({QString(), StartOptions::Model(model), false});
        QTRY_VERIFY(main->findChild<QWidget *>(QStringLiteral("frmMain")));
        QTRY_VERIFY(main->findChild<QDialog *>(window));
        const QString other = window == QLatin1String("frm3000MOD") ? QStringLiteral("frmQX3200") : QStringLiteral("frm3000MOD");
        QVERIFY(!main->findChild<QDialog *>(other));
    }
};

QTEST_MAIN(TrafficLogTest)
#include "test_traffic_log.moc"
