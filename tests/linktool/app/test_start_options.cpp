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
