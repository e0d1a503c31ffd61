#include "language.h"
#include "language_menu.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using qx::Language;

namespace {

QString buttonText(QMessageBox::StandardButton which)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("x"),
                    QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No);
    return box.button(which)->text();
}

// A text of the shared catalog, as the running language shows it.
QString noticeTitle()
{
    return QCoreApplication::translate("qx::LanguageMenu", "提示");
}

const qx::Program kProgram{QStringLiteral("probe"), {QStringLiteral("qtbase")}};

} // namespace

class LanguageTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("qxtools-test"));
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
    }

    void init() { QSettings().clear(); }
    void cleanup() { qx::useLanguage(Language::Chinese, kProgram); }

    void codes()
    {
        QCOMPARE(qx::languageFromCode(QStringLiteral("zh")), Language::Chinese);
        QCOMPARE(qx::languageFromCode(QStringLiteral("en")), Language::English);
        for (const char *code : {"", "fr", "EN", "zh_CN", " en"})
            QVERIFY2(!qx::languageFromCode(QLatin1String(code)), code);
        for (Language l : {Language::Chinese, Language::English})
            QCOMPARE(qx::languageFromCode(qx::languageCode(l)), l);
    }

    void storedChoice()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("probe.conf"));
        {
            QSettings settings(path, QSettings::IniFormat);
            QCOMPARE(qx::storedLanguage(settings), Language::Chinese);
            qx::storeLanguage(settings, Language::English);
        }
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(settings.value(QStringLiteral("language")).toString(), QStringLiteral("en"));
        QCOMPARE(qx::storedLanguage(settings), Language::English);
        settings.setValue(QStringLiteral("language"), QStringLiteral("klingon"));
        QCOMPARE(qx::storedLanguage(settings), Language::Chinese);
    }

    void startLanguage()
    {
        QCOMPARE(qx::startLanguage(std::nullopt), Language::Chinese);
        QSettings settings;
        qx::storeLanguage(settings, Language::English);
        settings.sync();
        QCOMPARE(qx::startLanguage(std::nullopt), Language::English);
        QCOMPARE(qx::startLanguage(Language::Chinese), Language::Chinese);
    }

    void qtButtonsFollowTheLanguage()
    {
        QVERIFY(qx::useLanguage(qx::startLanguage(std::nullopt), kProgram));
        QCOMPARE(buttonText(QMessageBox::Ok), QStringLiteral("确定"));
        QCOMPARE(buttonText(QMessageBox::Cancel), QStringLiteral("取消"));
        QCOMPARE(buttonText(QMessageBox::Yes), QStringLiteral("是(&Y)"));
        QCOMPARE(buttonText(QMessageBox::No), QStringLiteral("否(&N)"));
        QCOMPARE(noticeTitle(), QStringLiteral("提示"));

        // English replaces Qt's Chinese words with its own and brings in the shared catalog;
        // a program catalog that does not exist is reported.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("probe_en")));
        QVERIFY(!qx::useLanguage(Language::English, kProgram));
        QCOMPARE(buttonText(QMessageBox::Ok), QStringLiteral("OK"));
        QCOMPARE(noticeTitle(), QStringLiteral("Notice"));

        QVERIFY(qx::useLanguage(Language::Chinese, kProgram));
        QCOMPARE(noticeTitle(), QStringLiteral("提示"));
        QCOMPARE(buttonText(QMessageBox::Ok), QStringLiteral("确定"));
        // Repeated calls replace, never stack up.
        QVERIFY(qx::useLanguage(Language::Chinese, kProgram));
        QCOMPARE(QCoreApplication::instance()->findChildren<QObject *>(QStringLiteral("qx-language")).size(), 1);
    }

    void missingQtCatalogIsReported()
    {
        const qx::Program odd{QStringLiteral("probe"), {QStringLiteral("qtbase"), QStringLiteral("qtnosuchmodule")}};
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("qtnosuchmodule_zh_CN")));
        QVERIFY(!qx::useLanguage(Language::Chinese, odd));
        QCOMPARE(buttonText(QMessageBox::Ok), QStringLiteral("确定"));   // the catalogs found still count
    }

    void menuStoresTheChoiceForTheNextStart()
    {
        QList<QPair<QString, QString>> told;
        qx::LanguageMenu menu([&](const QString &text, const QString &title) { told.append({text, title}); });
        QCOMPARE(menu.title(), QStringLiteral("语言 / Language"));
        QCOMPARE(menu.actions(), (QList<QAction *>{menu.entry(Language::Chinese), menu.entry(Language::English)}));
        QCOMPARE(menu.entry(Language::Chinese)->text(), QStringLiteral("中文"));
        QCOMPARE(menu.entry(Language::English)->text(), QStringLiteral("English"));

        // Opening the menu shows the stored choice.
        QSettings().setValue(QStringLiteral("language"), QStringLiteral("en"));
        emit menu.aboutToShow();
        QVERIFY(menu.entry(Language::English)->isChecked());
        QVERIFY(!menu.entry(Language::Chinese)->isChecked());

        menu.entry(Language::Chinese)->trigger();
        QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), QStringLiteral("zh"));
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0].first, QStringLiteral("下次启动程序时使用所选的语言。"));
        QCOMPARE(told[0].second, QStringLiteral("提示"));
        QVERIFY(menu.entry(Language::Chinese)->isChecked());
        QVERIFY(!menu.entry(Language::English)->isChecked());

        // The stored language again: nothing changes, nothing to say.
        menu.entry(Language::Chinese)->trigger();
        QCOMPARE(told.size(), 1);
    }

    void menuSpeaksTheCurrentLanguage()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("probe_en")));
        qx::useLanguage(Language::English, kProgram);
        QList<QPair<QString, QString>> told;
        qx::LanguageMenu menu([&](const QString &text, const QString &title) { told.append({text, title}); });
        menu.entry(Language::English)->trigger();
        QCOMPARE(told.size(), 1);
        QCOMPARE(told[0].first, QStringLiteral("The chosen language is used from the next start of the program."));
        QCOMPARE(told[0].second, QStringLiteral("Notice"));
        QCOMPARE(menu.title(), QStringLiteral("语言 / Language"));
    }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
