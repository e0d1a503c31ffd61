#include "app/main_window.h"
#include "app/start_options.h"

#include "fit_check.h"
#include "test_language.h"
#include "linktool_windows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

using namespace lt;

namespace {

// A screen of 1366 x 768 less a panel, and a window's title bar and edges.
const QSize kWorkArea(1366, 768 - 40);
const QSize kFrame(16, 40);

QString problems(const QWidget *w)
{
    return test::clippedControls(w).join(QLatin1Char('\n'));
}

QString sizeText(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

// The least size that shows each page of the window's tabs whole: the
// window keeps its size when another page is chosen.
QSize leastForEveryPage(QWidget *window)
{
    QSize least = window->minimumSizeHint();
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        const int shown = tabs->currentIndex();
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QTest::qWait(1);   // the layouts learn of the page
            least = least.expandedTo(window->minimumSizeHint());
        }
        tabs->setCurrentIndex(shown);
        QTest::qWait(1);
    }
    return least;
}

} // namespace

// Every window of linktool shows each control whole at the fonts users get,
// at the size it opens with and at the smallest it can be made, and fits a
// small laptop's screen (a child window: the area of the main window it
// opens in). Run again at 150 % (QT_SCALE_FACTOR=1.5); QX_TEST_LANGUAGE
// (zh, en) chooses the language.
class LayoutFitTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString code = test::testLanguageCode();
        QVERIFY2(test::useTestLanguage(program()), qPrintable(code));
        // Measured with the font that draws Chinese for users (fonts-noto-cjk), not a fallback box.
        QWidget probe;
        const QString family = test::fontFamilyFor(QStringLiteral("串口号"), probe.font());
        QVERIFY2(family.contains(QStringLiteral("Noto Sans CJK")), qPrintable(family));
        qInfo("language %s, scale %s, Chinese in %s", qPrintable(code),
              qgetenv("QT_SCALE_FACTOR").constData(), qPrintable(family));
    }

    void showsEverythingWhole_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < test::linktoolWindows().size(); ++i)
            QTest::newRow(test::linktoolWindows()[i].name) << i;
    }

    void showsEverythingWhole()
    {
        QFETCH(int, index);
        test::WindowStage stage;
        QPointer<QWidget> window = test::linktoolWindows()[index].open(stage);
        QVERIFY2(window, "the window did not open");
        if (window->isWindow())
            QVERIFY(QTest::qWaitForWindowExposed(window));
        QTest::qWait(1);
        const QSize opened = window->size();
        qInfo("opens at %s", qPrintable(sizeText(opened)));
        QVERIFY2(problems(window).isEmpty(), qPrintable(problems(window)));

        if (auto *sub = qobject_cast<QMdiSubWindow *>(window.data())) {
            // Opens inside the main window's area, unless what it holds needs more: the area then scrolls.
            const QSize area = stage.main->mdi().viewport()->size();
            const QSize whole = leastForEveryPage(sub);
            QVERIFY2(opened.width() <= qMax(area.width(), whole.width())
                         && opened.height() <= qMax(area.height(), whole.height()),
                     qPrintable(sizeText(opened) + QStringLiteral(" in ") + sizeText(area) + QStringLiteral(", needs ")
                                + sizeText(whole)));
            if (opened.height() > area.height())
                QCOMPARE(stage.main->mdi().verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
            if (opened.width() > area.width())
                QCOMPARE(stage.main->mdi().horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
            QVERIFY2(sub->widget()->size().expandedTo(sub->widget()->minimumSizeHint()) == sub->widget()->size(),
                     qPrintable(sizeText(sub->widget()->size()) + QStringLiteral(" < ")
                                + sizeText(sub->widget()->minimumSizeHint())));
        }
        const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
        window->resize(least);
        QTest::qWait(1);
        QVERIFY2(problems(window).isEmpty(), qPrintable(problems(window)));
        qInfo("smallest %s", qPrintable(sizeText(window->size())));
        const QSize onScreen = window->size() + kFrame;
        QVERIFY2(onScreen.width() <= kWorkArea.width() && onScreen.height() <= kWorkArea.height(),
                 qPrintable(sizeText(onScreen)));
        if (window->isWindow())
            QVERIFY(opened.height() <= qMax(least.height(), window->screen()->availableGeometry().height()));
    }
};

QTEST_MAIN(LayoutFitTest)
#include "test_layout_fit.moc"
