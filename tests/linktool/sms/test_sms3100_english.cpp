#include "sms3100_fixture.h"

#include "app/start_options.h"
#include "sms/parameter_page.h"
#include "sms/sms_test_tab.h"

#include "language.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>

using namespace lt;

// The QX3100 window in English against the simulated module: what it decides
// from a list entry or a typed name still decides the same when those texts
// are translated, and what it shows comes in English.
class Sms3100EnglishTest : public QObject
{
    Q_OBJECT
    sms3100::Fixture f;

    QComboBox *combo(const char *name) { return f.control<QComboBox>(QLatin1String(name)); }
    QString label(const char *name) { return f.control<QLabel>(QLatin1String(name))->text(); }

    // Writes the work-mode group and returns what the module heard.
    QStringList writeWorkMode()
    {
        f.forget();
        f.command(5)->click();
        f.waitIdle();
        return f.heard();
    }

private slots:
    void initTestCase() { QVERIFY(qx::useLanguage(qx::Language::English, program())); }
    void cleanupTestCase() { qx::useLanguage(qx::Language::Chinese, program()); }
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void workModeFromEnglishTexts()
    {
        f.openQuick();
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("SMS module settings"));

        // Nothing chosen: the list starts with its English "none", and is refused in English.
        QCOMPARE(combo("Combo1")->currentText(), QStringLiteral("None"));
        QCOMPARE(writeWorkMode(), QStringList{});
        QVERIFY(f.messages->saw(QStringLiteral("You must choose a work mode")));

        // Transparent mode 2, typed by its English name or by the Chinese one,
        // and the English address type entry carry their values.
        combo("Combo1")->setCurrentIndex(0);
        for (const QString &typed : {QStringLiteral("Transparent 2"), QStringLiteral("透明2")}) {
            combo("Combo2")->setEditText(typed);
            QVERIFY2(combo("Combo4")->isEnabled(), qPrintable(typed));
            combo("Combo4")->setEditText(QStringLiteral("Hex"));
            QCOMPARE(writeWorkMode(), (QStringList{"F80101", "F90100", "E10101010101"}));
        }

        // A settings file's mode 2 is put in as the English name, and read back as mode 2.
        qx3100::Settings mode2;
        mode2.trans_form = TransForm::Transparent;
        mode2.transparent_mode = 2;
        f.window()->findChild<ParameterPage *>()->fill(mode2);
        QCOMPARE(combo("Combo2")->currentText(), QStringLiteral("Transparent 2"));
        QCOMPARE(writeWorkMode().value(1), QStringLiteral("F90100"));
    }

    void readAndSmsTestInEnglish()
    {
        f.openAndSettle();
        // The simulated module's defaults: passive form, format transfer.
        QCOMPARE(label("Label3"), QStringLiteral("Passive"));
        QCOMPARE(label("Label4"), QStringLiteral("Format"));
        f.sim->set(QStringLiteral("e1"), QStringLiteral("03020A07"));
        f.main->link().send(sms3100::head() + QByteArray::fromHex("E103"));
        QTRY_COMPARE(label("Label18"), QStringLiteral("R50 mode"));

        auto *tabs = f.control<QTabWidget>(QStringLiteral("SSTab1"));
        tabs->setCurrentIndex(1);
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("SMS module test"));
        auto *tab = f.window()->findChild<SmsTestTab *>();
        f.control<QLineEdit>(QStringLiteral("Text22"))->setText(QStringLiteral("12:34:"));
        f.control<QLineEdit>(QStringLiteral("Text21_4"))->setText(QStringLiteral("13800138000"));
        f.control<QPlainTextEdit>(QStringLiteral("Text21_1"))->setPlainText(QStringLiteral("你好"));
        f.control<QPushButton>(QStringLiteral("Command21_2"))->click();
        QVERIFY(tab->requestPending());
        // The module's answer is read as before and named in English.
        QTRY_VERIFY(f.main->panelText(MainWindow::ModulePanel).endsWith(QStringLiteral("Format OK")));
        const QStringList log = f.control<QPlainTextEdit>(QStringLiteral("Text21_0"))->toPlainText().split(QLatin1Char('\n'));
        QVERIFY2(log.value(0).startsWith(QStringLiteral("TX  24:12:34:57:")), qPrintable(log.join(QLatin1Char('|'))));
        QVERIFY2(log.value(2).startsWith(QStringLiteral("RX  21:12:34:00:")), qPrintable(log.join(QLatin1Char('|'))));

        // A refusal in English, nothing sent.
        f.control<QLineEdit>(QStringLiteral("Text22"))->setText(QStringLiteral("12:3"));
        f.forget();
        f.control<QPushButton>(QStringLiteral("Command21_0"))->click();
        QVERIFY(f.messages->saw(QStringLiteral("The module address you entered is not correct; enter it again")));
        QVERIFY(!tab->requestPending());
        QVERIFY(f.heard().isEmpty());
    }
};

QTEST_MAIN(Sms3100EnglishTest)
#include "test_sms3100_english.moc"
