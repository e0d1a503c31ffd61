#include "command_line.h"
#include "program.h"

#include <QTest>

using qx::Language;

namespace {

// A program's command line as the programs build theirs, with two options of
// the kinds later ones are (a value, a flag), each declared in one call.
struct Probe {
    QString port;
    bool log = false;
    qx::StartDecision parse(const QStringList &arguments)
    {
        qx::CommandLine cli(QStringLiteral("试用的程序。"));
        cli.addLanguageOption();
        cli.passQtWindowOptions();
        cli.addOption({QStringLiteral("port"), QStringLiteral("串口"), QStringLiteral("PORT")},
                      [this](const QString &value) {
                          port = value;
                          return !value.isEmpty();
                      });
        cli.addFlag({QStringLiteral("log"), QStringLiteral("记录")}, [this] { log = true; });
        return cli.parse(QStringList{QStringLiteral("probe")} + arguments);
    }
};

} // namespace

Q_DECLARE_METATYPE(std::optional<Language>)

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qx::identifyProgram(QStringLiteral("probe")); }

    void decisions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<std::optional<Language>>("language");

        const auto none = std::optional<Language>();
        const auto zh = std::optional(Language::Chinese);
        const auto en = std::optional(Language::English);
        QTest::newRow("nothing") << QStringList() << true << 0 << none;
        QTest::newRow("--lang en") << QStringList{"--lang", "en"} << true << 0 << en;
        QTest::newRow("--lang=zh") << QStringList{"--lang=zh"} << true << 0 << zh;
        QTest::newRow("-lang en") << QStringList{"-lang", "en"} << true << 0 << en;
        QTest::newRow("last --lang wins") << QStringList{"--lang", "zh", "--lang", "en"} << true << 0 << en;
        QTest::newRow("bad value") << QStringList{"--lang", "fr"} << false << 2 << none;
        QTest::newRow("bad among good") << QStringList{"--lang", "fr", "--lang", "en"} << false << 2 << en;
        QTest::newRow("upper case") << QStringList{"--lang", "EN"} << false << 2 << none;
        QTest::newRow("value missing") << QStringList{"--lang"} << false << 2 << none;
        QTest::newRow("unknown option") << QStringList{"--bogus"} << false << 2 << none;
        QTest::newRow("stray argument") << QStringList{"COM1"} << false << 2 << none;
        QTest::newRow("help") << QStringList{"--help"} << false << 0 << none;
        QTest::newRow("-h") << QStringList{"-h"} << false << 0 << none;
        QTest::newRow("help despite a bad value") << QStringList{"--lang", "fr", "--help"} << false << 0 << none;
        QTest::newRow("help in a language") << QStringList{"--help", "--lang", "en"} << false << 0 << en;
        QTest::newRow("version") << QStringList{"--version"} << false << 0 << none;
        QTest::newRow("-v") << QStringList{"-v"} << false << 0 << none;
        QTest::newRow("Qt's window options") << QStringList{"-style", "fusion", "-platform", "offscreen", "-reverse",
                                                            "-session", "1234", "--lang", "en"}
                                             << true << 0 << en;
        QTest::newRow("later options") << QStringList{"--port", "/dev/ttyUSB0", "--log"} << true << 0 << none;
        QTest::newRow("later option refuses") << QStringList{"--port", ""} << false << 2 << none;
    }

    void decisions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, run);
        QFETCH(int, exitCode);
        QFETCH(std::optional<Language>, language);
        Probe probe;
        const qx::StartDecision d = probe.parse(arguments);
        QCOMPARE(d.run, run);
        QCOMPARE(d.exitCode, exitCode);
        QCOMPARE(d.language, language);
        if (run) {
            QVERIFY(d.output.isEmpty());
            QVERIFY(d.error.isEmpty());
        } else if (exitCode == 0) {
            // Help and version go to standard output, nothing to standard error.
            QVERIFY(!d.output.isEmpty());
            QVERIFY(d.error.isEmpty());
        } else {
            // A usage error: what was wrong, then the usage, on standard error only.
            QVERIFY(d.output.isEmpty());
            QVERIFY2(d.error.startsWith(QLatin1String("probe: ")), qPrintable(d.error));
            QVERIFY2(d.error.contains(QLatin1String("--lang <zh|en>")), qPrintable(d.error));
        }
    }

    void texts()
    {
        Probe probe;
        const QString help = probe.parse({"--help"}).output;
        QVERIFY(help.contains(QStringLiteral("试用的程序。")));
        for (const char *listed : {"--help", "--version", "--lang <zh|en>", "--port <PORT>", "--log"})
            QVERIFY2(help.contains(QLatin1String(listed)), listed);
        // Qt's own options pass through without cluttering the help.
        for (const char *hidden : {"style", "platform", "session", "reverse"})
            QVERIFY2(!help.contains(QLatin1String(hidden)), hidden);

        QCOMPARE(probe.parse({"--version"}).output, QStringLiteral("probe %1\n").arg(qx::programVersion()));
        QVERIFY(probe.parse({"--lang", "fr"}).error.contains(QStringLiteral("--lang 不接受“fr”")));
        QVERIFY(probe.parse({"a", "b"}).error.contains(QStringLiteral("多余的参数：a b")));
        QVERIFY(probe.parse({"--bogus"}).error.contains(QLatin1String("bogus")));
    }

    void optionsReachTheProgram()
    {
        Probe probe;
        QVERIFY(probe.parse({"--port", "/dev/serial/by-id/usb-x", "--log"}).run);
        QCOMPARE(probe.port, QStringLiteral("/dev/serial/by-id/usb-x"));
        QVERIFY(probe.log);
        Probe quiet;
        QVERIFY(quiet.parse({}).run);
        QVERIFY(!quiet.log);
        QVERIFY(quiet.port.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
