#include "sms3100_fixture.h"

#include "app/start_options.h"

#include "fit_check.h"
#include "qx3100_longest.h"
#include "test_language.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTableWidget>

#include <algorithm>

using namespace lt;

namespace {

QString problems(const QWidget *w)
{
    return test::clippedControls(w).join(QLatin1Char('\n'));
}

bool hasHan(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.script() == QChar::Script_Han; });
}

// The visible texts of the window still in Chinese: captions, titles, list
// entries, tabs and grid headings a translation has missed.
QStringList chineseTexts(const QWidget *window)
{
    QStringList found;
    auto check = [&found](const QObject *o, const QString &text) {
        if (hasHan(text))
            found << o->objectName() + QLatin1String(" \"") + text + QLatin1Char('"');
    };
    check(window, window->windowTitle());
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto *l = qobject_cast<const QLabel *>(w))
            check(l, l->text());
        else if (auto *b = qobject_cast<const QAbstractButton *>(w))
            check(b, b->text());
        else if (auto *g = qobject_cast<const QGroupBox *>(w))
            check(g, g->title());
        else if (auto *c = qobject_cast<const QComboBox *>(w)) {
            check(c, c->currentText());
            for (int i = 0; i < c->count(); ++i)
                check(c, c->itemText(i));
        } else if (auto *t = qobject_cast<const QTabWidget *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                check(t, t->tabText(i));
        } else if (auto *g = qobject_cast<const QTableWidget *>(w)) {
            for (int i = 0; i < g->columnCount(); ++i)
                if (const QTableWidgetItem *h = g->horizontalHeaderItem(i))
                    check(g, h->text());
        }
    }
    return found;
}

} // namespace

// Every label, box and button of the QX3100 window shows its whole text at
// the default font, on each tab, at the size the window opens with and with
// the longest values its boxes take. Run again at 150 % (QT_SCALE_FACTOR=1.5);
// QX_TEST_LANGUAGE (zh, en) chooses the language.
class Sms3100LayoutTest : public QObject
{
    Q_OBJECT
    sms3100::Fixture f;
    bool m_english = false;

    // The box holds its longest value, and is measured for it.
    void fill(const char *name, const QString &text)
    {
        QLineEdit *e = f.control<QLineEdit>(QLatin1String(name));
        QVERIFY(e);
        e->setText(text);
        QCOMPARE(e->text(), text);   // the box takes it whole
        e->setProperty(test::kLongestValue, text);
    }

private slots:
    void initTestCase()
    {
        const std::optional<qx::Language> language = test::useTestLanguage(program());
        QVERIFY2(language, qPrintable(test::testLanguageCode()));
        m_english = *language == qx::Language::English;
        qInfo("language %s, scale %s", qPrintable(test::testLanguageCode()), qgetenv("QT_SCALE_FACTOR").constData());
    }
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void everyTabShowsItsTextsWhole()
    {
        f.openQuick();
        f.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.main.get()));
        // Measured with the font that draws Chinese for users (fonts-noto-cjk), not a fallback box.
        const QString family = test::fontFamilyFor(QStringLiteral("身份地址"), f.window()->font());
        QVERIFY2(family.contains(QStringLiteral("Noto Sans CJK")), qPrintable(family));

        for (const auto &[name, value] : test::kQx3100LongestValues)
            fill(name, QString::fromLatin1(value));
        auto *grid = f.control<QTableWidget>(QStringLiteral("Grid"));
        QVERIFY(grid);
        grid->setRowCount(1);
        grid->setItem(0, 1, new QTableWidgetItem(QString::fromLatin1(test::kQx3100GridAddress)));
        grid->setItem(0, 2, new QTableWidgetItem(QString::fromLatin1(test::kQx3100GridNumber)));

        // The SMS test tab with all it may show: a passive module (its address
        // and the read and status buttons) in format transfer (the numbers),
        // as the module reports them.
        f.sim->set(QStringLiteral("f8"), QStringLiteral("00"));
        f.sim->set(QStringLiteral("f9"), QStringLiteral("01"));
        f.main->link().send(sms3100::head() + QByteArray::fromHex("F803"));
        QTRY_VERIFY(!f.control(QStringLiteral("Command21_2"))->isHidden());
        f.main->link().send(sms3100::head() + QByteArray::fromHex("F903"));
        QTRY_COMPARE(f.main->link().module().transForm, 1);
        auto *tabs = f.control<QTabWidget>(QStringLiteral("SSTab1"));
        QString found;
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            QTest::qWait(1);
            if (const QString cut = problems(f.window()); !cut.isEmpty())
                found += tabs->tabText(tab).trimmed() + QLatin1Char('\n') + cut + QLatin1Char('\n');
            // In English every text the window shows is English: one left in Chinese was missed.
            if (const QStringList chinese = chineseTexts(f.window()); m_english && !chinese.isEmpty())
                found += tabs->tabText(tab).trimmed() + QLatin1String(": in Chinese\n") + chinese.join(QLatin1Char('\n'))
                         + QLatin1Char('\n');
        }
        QVERIFY2(found.isEmpty(), qPrintable(found));
        // The grid shows an entry's address and number whole in their columns:
        // the text, the style's margin of 3 on each side and the grid line
        // drawn over the cell's last pixel (one pixel less and the text is elided).
        tabs->setCurrentIndex(1);
        QTest::qWait(1);
        for (int column = 1; column <= 2; ++column) {
            const QTableWidgetItem *item = grid->item(0, column);
            const int need = grid->fontMetrics().horizontalAdvance(item->text()) + 6 + 1;
            QVERIFY2(grid->columnWidth(column) >= need,
                     qPrintable(QStringLiteral("column %1: %2 < %3").arg(column).arg(grid->columnWidth(column)).arg(need)));
        }
        // Larger than it was drawn for, it still fits a small laptop's screen
        // (1366 x 768 less a panel) with the main window's title, menu and status bar.
        const QWidget *sub = f.window()->parentWidget();
        qInfo("window %dx%d", sub->width(), sub->height());
        QVERIFY2(sub->width() + 16 <= 1366 && sub->height() + 40 + 80 <= 768 - 40,
                 qPrintable(QStringLiteral("%1x%2").arg(sub->width()).arg(sub->height())));
    }
};

QTEST_MAIN(Sms3100LayoutTest)
#include "test_layout.moc"
