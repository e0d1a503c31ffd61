#include "app/start_options.h"
#include "language.h"
#include "link/settings_file.h"

#include <QApplication>
#include <QTest>

// linktool in English finds every catalog it shows texts of, the core's included.
class CatalogsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qx::useLanguage(qx::Language::Chinese, lt::program()); }

    void englishReachesTheCoreTexts()
    {
        QVERIFY(qx::useLanguage(qx::Language::English, lt::program()));
        const auto r = lt::settings_file::fromBytes("[]", QStringLiteral("QX3100"));
        QCOMPARE(r.refusal, QStringLiteral("This file is not a module settings file"));
        QVERIFY(qx::useLanguage(qx::Language::Chinese, lt::program()));
        QCOMPARE(lt::settings_file::fromBytes("[]", QStringLiteral("QX3100")).refusal,
                 QStringLiteral("这个文件不是模块参数文件"));
    }
};

QTEST_MAIN(CatalogsTest)
#include "test_catalogs.moc"
