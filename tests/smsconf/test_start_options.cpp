#include "smsconf_dlg.h"
#include "smsconf_support.h"
#include "start_options.h"

#include "language_menu.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
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
        qx::identifyProgram(sms::program().name);
    }

    void init() { QSettings().clear(); }
    void cleanup() { qx::useLanguage(Language::Chinese, sms::program()); }

    void commandLine()
    {
        const auto run = sms::parseCommandLine({"smsconf", "--lang", "zh"});
        QVERIFY(run.run);
        QCOMPARE(run.language, Language::Chinese);
        QCOMPARE(sms::parseCommandLine({"smsconf", "--model", "qx3100"}).exitCode, 2);   // linktool's, not ours
        QVERIFY(sms::parseCommandLine({"smsconf", "-h"}).output.contains(QStringLiteral("短信模块的号码表")));
    }

    void chineseByDefault()
    {
        QVERIFY(qx::useLanguage(qx::startLanguage(std::nullopt), sms::program()));
        QMessageBox box(QMessageBox::Information, QStringLiteral("t"), QStringLiteral("x"), QMessageBox::Ok);
        QCOMPARE(box.button(QMessageBox::Ok)->text(), QStringLiteral("确定"));
    }

    void englishCatalog()
    {
        QVERIFY(qx::useLanguage(Language::English, sms::program()));
        QVERIFY(sms::parseCommandLine({"smsconf", "--help"}).output.contains(QStringLiteral("Sets the phone table")));
    }

    // The dialog has no menu bar: a menu button in the free corner beside the module's serial lists.
    void languageButton()
    {
        smstest::Messages messages;
        sms::CSmsconfDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto *button = dlg.button(QStringLiteral("languageButton"));
        QVERIFY(button);
        auto *menu = qobject_cast<qx::LanguageMenu *>(button->menu());
        QVERIFY(menu);
        QCOMPARE(button->text(), QStringLiteral("语言 / Language"));

        // Whole, inside the dialog, right-aligned with the buttons above, clear of every other control.
        QVERIFY(button->isVisible());
        QVERIFY(button->width() >= button->sizeHint().width());
        QVERIFY(dlg.rect().contains(button->geometry()));
        const QWidget *query = dlg.button(QStringLiteral("querySerialParams"));
        QCOMPARE(button->geometry().right(), query->geometry().right());
        for (const QWidget *w : dlg.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (w != button && w->isVisible())
                QVERIFY2(!w->geometry().intersects(button->geometry()), qPrintable(w->objectName()));
        }

        menu->entry(Language::English)->trigger();
        QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), QStringLiteral("en"));
        QVERIFY(messages.saw(QStringLiteral("下次启动程序时使用所选的语言。"), QStringLiteral("提示")));
    }
};

QTEST_MAIN(StartOptionsTest)
#include "test_start_options.moc"
