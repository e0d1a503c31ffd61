#include "app/main_window.h"
#include "app/start_options.h"

#include "language_menu.h"
#include "linktool_support.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using qx::Language;

class StartOptionsTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qx::identifyProgram(lt::program().name);
    }

    void init()
    {
        test::resetProgramState();
        QSettings().clear();
    }

    void cleanup() { qx::useLanguage(Language::Chinese, lt::program()); }

    void commandLine()
    {
        const auto run = lt::parseCommandLine({"linktool", "--lang", "en"});
        QVERIFY(run.run);
        QCOMPARE(run.language, Language::English);
        QCOMPARE(lt::parseCommandLine({"linktool", "--bogus"}).exitCode, 2);
        QCOMPARE(lt::parseCommandLine({"linktool", "--lang", "de"}).exitCode, 2);
        const auto help = lt::parseCommandLine({"linktool", "--help"});
        QVERIFY(!help.run);
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.output.contains(QStringLiteral("QX3000 系列无线串口模块的设置与测试工具。")));
        QVERIFY(help.output.contains(QStringLiteral("--model <qx3100|qx3200>")));
    }

    void windowOptions()
    {
        lt::StartOptions options;
        QVERIFY(lt::parseCommandLine({"linktool", "--port", "/dev/ttyUSB0", "--model", "qx3200", "--log"}, &options).run);
        QCOMPARE(options.port, QString("/dev/ttyUSB0"));
        QCOMPARE(options.model, lt::StartOptions::Model::Qx3200);
        QVERIFY(options.log);
        QVERIFY(lt::parseCommandLine({"linktool", "--port=COM2", "--model=QX3100"}, &options).run);
        QCOMPARE(options.port, QString("COM2"));
        QCOMPARE(options.model, lt::StartOptions::Model::Qx3100);
        QVERIFY(!options.log);
        QVERIFY(lt::parseCommandLine({"linktool"}, &options).run);
        QVERIFY(options.port.isEmpty());
        QCOMPARE(options.model, lt::StartOptions::Model::None);
        QCOMPARE(lt::parseCommandLine({"linktool", "--model", "qx3000"}, &options).exitCode, 2);
        QCOMPARE(lt::parseCommandLine({"linktool", "--model"}, &options).exitCode, 2);
        QCOMPARE(lt::parseCommandLine({"linktool", "--port", " "}, &options).exitCode, 2);
        QCOMPARE(lt::parseCommandLine({"linktool", "--log=yes"}, &options).exitCode, 2);
    }

    // With nothing chosen, Qt's own buttons speak Chinese; every catalog linktool names exists.
    void chineseByDefault()
    {
        QVERIFY(qx::useLanguage(qx::startLanguage(std::nullopt), lt::program()));
        QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"),
                        QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("取消"));
        QCOMPARE(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
        QCOMPARE(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
    }

    void englishCatalog()
    {
        QVERIFY(qx::useLanguage(Language::English, lt::program()));
        QVERIFY(lt::parseCommandLine({"linktool", "--help"})
                    .output.contains(QStringLiteral("Sets up and tests QX3000 series wireless serial modules.")));
    }

    void mainWindowMenu()
    {
        test::MessageRecorder messages;
        lt::MainWindow main;
        const QList<QAction *> menus = main.menuBar()->actions();
        auto *language = qobject_cast<qx::LanguageMenu *>(menus.last()->menu());
        QVERIFY(language);
        QCOMPARE(language->title(), QStringLiteral("语言 / Language"));
        language->entry(Language::English)->trigger();
        QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), QStringLiteral("en"));
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, QStringLiteral("下次启动程序时使用所选的语言。"));
        QCOMPARE(messages.messages[0].title, QStringLiteral("提示"));
    }
};

QTEST_MAIN(StartOptionsTest)
#include "test_start_options.moc"
