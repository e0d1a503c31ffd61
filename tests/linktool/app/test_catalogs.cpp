#include "app/main_window.h"
#include "app/start_options.h"
#include "language.h"
#include "link/settings_file.h"
#include "linktool_windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

namespace {

// Every caption of `window` a user reads (title, labels, buttons, group
// titles, menu entries, table headings) that still holds Chinese, each as
// "objectName: text". The language menu names Chinese in Chinese on purpose.
QStringList chineseCaptions(const QWidget *window)
{
    static const QRegularExpression chinese(QStringLiteral("[\\x{3000}-\\x{303f}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));
    QStringList found;
    auto check = [&](const QObject *o, const QString &text) {
        if (text.contains(chinese))
            found << o->objectName() + QStringLiteral(": ") + text;
    };
    QList<const QWidget *> widgets{window};
    for (const QWidget *w : window->findChildren<QWidget *>())
        widgets << w;
    for (const QWidget *w : widgets) {
        if (w->isWindow() || qobject_cast<const QMdiSubWindow *>(w))
            check(w, w->windowTitle());
        if (auto *l = qobject_cast<const QLabel *>(w))
            check(l, l->text());
        if (auto *b = qobject_cast<const QAbstractButton *>(w))
            check(b, b->text());
        if (auto *g = qobject_cast<const QGroupBox *>(w))
            check(g, g->title());
        if (auto *t = qobject_cast<const QTableWidget *>(w)) {
            for (int c = 0; c < t->columnCount(); ++c)
                if (t->horizontalHeaderItem(c))
                    check(t, t->horizontalHeaderItem(c)->text());
        }
        for (const QAction *a : w->actions()) {
            const bool language = a->objectName() == QLatin1String("languageChinese")
                                  || (a->menu() && a->menu()->objectName() == QLatin1String("language"));
            if (!language)
                check(a, a->text());
        }
    }
    return found;
}

} // namespace

// linktool in English finds every catalog it shows texts of, the core's
// included, and every window shows English captions.
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

    void windowsSpeakEnglish_data()
    {
        QTest::addColumn<int>("index");
        // The QX3100 and QX3200 windows have tests of their own.
        const QStringList covered{QStringLiteral("main window"), QStringLiteral("chooser"),
                                  QStringLiteral("QX3100 connect"), QStringLiteral("QX3200 connect"),
                                  QStringLiteral("address calculator"), QStringLiteral("address calculator K"),
                                  QStringLiteral("Unicode tool")};
        for (int i = 0; i < test::linktoolWindows().size(); ++i) {
            if (covered.contains(QLatin1String(test::linktoolWindows()[i].name)))
                QTest::newRow(test::linktoolWindows()[i].name) << i;
        }
    }

    void windowsSpeakEnglish()
    {
        QFETCH(int, index);
        QVERIFY(qx::useLanguage(qx::Language::English, lt::program()));
        test::WindowStage stage;
        QCOMPARE(stage.main->windowTitle(), QStringLiteral("GPRS SMS Module Test Program"));
        QPointer<QWidget> window = test::linktoolWindows()[index].open(stage);
        QVERIFY2(window, "the window did not open");
        const QStringList chinese = chineseCaptions(window);
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(CatalogsTest)
#include "test_catalogs.moc"
