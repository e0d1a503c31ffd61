#include "batch_fixture.h"
#include "commands.h"
#include "run.h"

#include "link/codes.h"
#include "link/settings_file.h"
#include "link/timing.h"

#include <QJsonObject>
#include <QTemporaryDir>
#include <QTimer>

using namespace qxb;

// read and write --verify against simulated modules: one module's settings
// onto another that held other values, the refusals before anything is
// sent, and a reply that never came.
class SettingsTest : public QObject
{
    Q_OBJECT

    BatchFixture bench;
    QTemporaryDir folder;

    QJsonObject paramsOf(const QString &file)
    {
        const auto reading = lt::settings_file::load(file, {});
        if (!reading.document)
            qFatal("%s", qPrintable(reading.refusal));
        return reading.document->params;
    }

    // The params a module holds now, read by a batch of its own.
    QJsonObject readBack(int module)
    {
        const QString file = folder.filePath(QStringLiteral("back-%1.json").arg(module));
        auto run = bench.start(QStringLiteral("read %1 --out %2").arg(bench.path(module), file));
        if (!QTest::qWaitFor([&] { return run->isDone(); }, 20000) || run->exitCode() != 0)
            qFatal("read back failed: %s (%d requests heard)", qPrintable(bench.lines.join(QLatin1Char('\n'))), int(bench.modules[size_t(module)]->requests().size()));
        return paramsOf(file);
    }

    static QJsonObject withoutReadOnly(QJsonObject params)
    {
        for (const char *key : {"version", "internal_code"})
            params.remove(QLatin1String(key));
        return params;
    }

    // Writes profile to module and waits; the batch's line.
    QString writeTo(int module, const QString &profile, bool verify = true)
    {
        auto run = bench.start(QStringLiteral("write %1 --profile %2 %3").arg(bench.path(module), profile,
                                                                           verify ? QStringLiteral("--verify") : QString()));
        if (!QTest::qWaitFor([&] { return run->isDone(); }, 30000))
            qFatal("write did not end");
        return bench.lines.value(0);
    }

private slots:
    void init()
    {
        lt::timing::setScale(0.02, 400);
        bench = BatchFixture();
    }

    void copiesOneModuleOntoAnother_data()
    {
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("otherValues");
        QTest::addColumn<QStringList>("expectedFields");
        QTest::newRow("QX3100") << "qx3100"
                                << QStringList{"a3=00004E20", "e2=0009", "a1=00", "d3=00"}
                                << QStringList{"restart_seconds", "passive_address", "password_required", "power_saving"};
        QTest::newRow("QX3200") << "qx3200"
                                << QStringList{"heartbeat=60", "identity=0x5678", "passive=0x3939", "restarts=9", "power=1", "mode=0"}
                                << QStringList{"heartbeat_seconds", "project", "site", "passive_address", "restart_count", "power_saving"};
    }
    void copiesOneModuleOntoAnother()
    {
        QFETCH(QString, model);
        QFETCH(QStringList, otherValues);
        QFETCH(QStringList, expectedFields);
        bench.addModule(model);
        bench.addModule(model, otherValues);

        const QString profile = folder.filePath(model + QStringLiteral(".json"));
        auto run = bench.start(QStringLiteral("read %1 --out %2").arg(bench.path(0), profile));
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 20000);
        QCOMPARE(run->exitCode(), 0);
        const auto reading = lt::settings_file::load(profile, model.toUpper());
        QVERIFY2(reading.document, qPrintable(reading.refusal));
        QCOMPARE(reading.document->program.section(QLatin1Char(' '), 0, 0), QStringLiteral("qxbatch"));
        const QJsonObject wanted = reading.document->params;
        QVERIFY(bench.lineOf(bench.path(0)).contains(QStringLiteral(" fields=%1 ").arg(wanted.size())));

        // The other module differs in every field the test changed.
        const QJsonObject before = readBack(1);
        for (const QString &field : expectedFields)
            QVERIFY2(before.value(field) != wanted.value(field), qPrintable(field));

        const QString line = writeTo(1, profile);
        QVERIFY2(line.startsWith(bench.path(1) + QStringLiteral(" ok ")), qPrintable(line));
        QVERIFY(line.contains(QStringLiteral("verified=true")));
        QCOMPARE(withoutReadOnly(readBack(1)), withoutReadOnly(wanted));
    }

    void refusedValueSendsNothing()
    {
        bench.addModule(QStringLiteral("qx3200"));
        const QString profile = folder.filePath(QStringLiteral("refused.json"));
        lt::settings_file::Document document{QStringLiteral("QX3200"), QDateTime::currentDateTime(), QStringLiteral("test"),
                                             QJsonObject{{QStringLiteral("heartbeat_seconds"), 40000},
                                                         {QStringLiteral("restart_count"), 3}}};
        QVERIFY(!lt::settings_file::save(profile, document));
        const QString line = writeTo(0, profile);
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" refused ")), qPrintable(line));
        QVERIFY(line.contains(QStringLiteral("heartbeat_seconds")));
        for (const QByteArray &request : bench.modules[0]->requests())
            QCOMPARE(quint8(request.at(9)), lt::op::kRead);   // the handshake's reads only
    }

    // The identity address is set in address setting only, as the window
    // offers it; the mode changes only when asked.
    void identityWaitsForAddressSetting()
    {
        bench.addModule(QStringLiteral("qx3200"), {QStringLiteral("restart-ms=300")});   // data communication
        const QString profile = folder.filePath(QStringLiteral("identity.json"));
        lt::settings_file::Document document{QStringLiteral("QX3200"), QDateTime::currentDateTime(), QStringLiteral("test"),
                                             QJsonObject{{QStringLiteral("heartbeat_seconds"), 100},
                                                         {QStringLiteral("restart_count"), 3},
                                                         {QStringLiteral("project"), QStringLiteral("7")},
                                                         {QStringLiteral("site"), QStringLiteral("654")}}};
        QVERIFY(!lt::settings_file::save(profile, document));
        QString line = writeTo(0, profile);
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" refused ")) && line.contains(QStringLiteral("--set-mode address")),
                 qPrintable(line));
        for (const QByteArray &request : bench.modules[0]->requests())
            QCOMPARE(quint8(request.at(9)), lt::op::kRead);

        auto run = bench.start(QStringLiteral("write %1 --profile %2 --verify --set-mode address").arg(bench.path(0), profile));
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 30000);
        line = bench.lines.value(0);
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" ok model=QX3200 mode=address ")), qPrintable(line));
        QVERIFY(line.contains(QStringLiteral("mode-changed=true")) && line.contains(QStringLiteral("verified=true")));
        const QJsonObject now = readBack(0);
        QCOMPARE(now.value(QStringLiteral("project")).toString(), QStringLiteral("7"));
        QCOMPARE(now.value(QStringLiteral("site")).toString(), QStringLiteral("654"));
    }

    void otherModelsFileIsRefusedPerDevice()
    {
        bench.addModule(QStringLiteral("qx3100"));
        bench.addModule(QStringLiteral("qx3200"));
        const QString profile = folder.filePath(QStringLiteral("qx3100-only.json"));
        lt::settings_file::Document document{QStringLiteral("QX3100"), QDateTime::currentDateTime(), QStringLiteral("test"),
                                             QJsonObject{{QStringLiteral("restart_seconds"), 90}}};
        QVERIFY(!lt::settings_file::save(profile, document));
        auto run = bench.start(QStringLiteral("write %1 %2 --profile %3").arg(bench.path(0), bench.path(1), profile));
        QTRY_VERIFY_WITH_TIMEOUT(run->isDone(), 20000);
        QVERIFY(bench.lineOf(bench.path(0)).startsWith(bench.path(0) + QStringLiteral(" ok ")));
        QVERIFY(bench.lineOf(bench.path(1)).startsWith(bench.path(1) + QStringLiteral(" wrong-model ")));
        QCOMPARE(run->exitCode(), 1);
    }

    // A verify read that loses a reply cannot say the module is right.
    void lostReplyIsNeverOk()
    {
        bench.addModule(QStringLiteral("qx3100"));
        const QString profile = folder.filePath(QStringLiteral("lost.json"));
        lt::settings_file::Document document{QStringLiteral("QX3100"), QDateTime::currentDateTime(), QStringLiteral("test"),
                                             QJsonObject{{QStringLiteral("restart_seconds"), 90},
                                                         {QStringLiteral("password_required"), false}}};
        QVERIFY(!lt::settings_file::save(profile, document));
        qxsim::Simulator &module = *bench.modules[0];
        bool written = false;
        bool dropped = false;
        connect(&module, &qxsim::Simulator::requestReceived, this, [&](const QByteArray &r) {
            const bool isWrite = quint8(r.at(9)) == 0x01;
            written = written || isWrite;
            // The verify read's answer about the password goes astray.
            if (written && !isWrite && !dropped && quint8(r.at(8)) == 0xA1) {
                module.faults().dropNext = 1;
                dropped = true;
            }
        });
        const QString line = writeTo(0, profile);
        QVERIFY(dropped);
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" verify-failed ")), qPrintable(line));
    }

    // The adapter pulled while the settings go out: never ok.
    void deviceGoneDuringWrite()
    {
        bench.addModule(QStringLiteral("qx3100"));
        const QString profile = folder.filePath(QStringLiteral("gone.json"));
        lt::settings_file::Document document{QStringLiteral("QX3100"), QDateTime::currentDateTime(), QStringLiteral("test"),
                                             QJsonObject{{QStringLiteral("restart_seconds"), 90},
                                                         {QStringLiteral("password_required"), false}}};
        QVERIFY(!lt::settings_file::save(profile, document));
        qxsim::Simulator &module = *bench.modules[0];
        connect(&module, &qxsim::Simulator::requestReceived, this, [&](const QByteArray &r) {
            if (quint8(r.at(9)) == 0x01)
                QTimer::singleShot(0, &module, &qxsim::Simulator::vanish);
        });
        const QString line = writeTo(0, profile, false);
        QVERIFY2(line.startsWith(bench.path(0) + QStringLiteral(" io-error ")), qPrintable(line));
    }

    void unusableFilesExitTwoBeforeAnyPort()
    {
        const QString notSettings = folder.filePath(QStringLiteral("not-settings.json"));
        QFile file(notSettings);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("{\"hello\": 1}");
        file.close();
        Request request = parseCommandLine({QStringLiteral("qxbatch"), QStringLiteral("write"), QStringLiteral("COM1"),
                                            QStringLiteral("--profile"), notSettings}).request;
        QVERIFY(!loadRequestFiles(request).isEmpty());
        request.profile = folder.filePath(QStringLiteral("missing.json"));
        QVERIFY(loadRequestFiles(request).contains(QStringLiteral("missing.json")));

        // The whole program: exit code 2, and the module hears nothing.
        bench.addModule(QStringLiteral("qx3100"));
        QCOMPARE(run({QStringLiteral("qxbatch"), QStringLiteral("write"), bench.path(0), QStringLiteral("--profile"), notSettings}), 2);
        QTest::qWait(300);
        QVERIFY(bench.modules[0]->requests().isEmpty());
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "test_settings.moc"
