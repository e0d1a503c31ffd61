#include "link/helpers.h"
#include "ui/typing_aids.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

using namespace lt;

// Every way text gets into a filtered box goes through the box's rule: keys,
// the paste shortcut, middle-click paste of the selection and what an input
// method commits. Middle-click paste needs a window system with a selection,
// so this program runs under an X server of its own.
class TextEntryTest : public QObject
{
    Q_OBJECT

    QWidget window;
    QLineEdit *hexColon = nullptr;
    QLineEdit *digits = nullptr;
    QPlainTextEdit *area = nullptr;
    bool areaFiltered = true;

    QWidget *box(const QString &name)
    {
        return window.findChild<QWidget *>(name);
    }
    QString text(QWidget *w)
    {
        if (auto *e = qobject_cast<QLineEdit *>(w))
            return e->text();
        return static_cast<QPlainTextEdit *>(w)->toPlainText();
    }
    // Where a mouse click on the box lands.
    QWidget *clickTarget(QWidget *w)
    {
        if (auto *a = qobject_cast<QPlainTextEdit *>(w))
            return a->viewport();
        return w;
    }

private slots:
    void initTestCase()
    {
        hexColon = new QLineEdit(&window);
        hexColon->setObjectName(QStringLiteral("hexColon"));
        installHexColonAid(hexColon);
        digits = new QLineEdit(&window);
        digits->setObjectName(QStringLiteral("digits"));
        installKeyFilter(digits, num_key);
        area = new QPlainTextEdit(&window);
        area->setObjectName(QStringLiteral("area"));
        area->move(0, 40);
        installHexColonAid(area, true, [this] { return areaFiltered; });
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void init()
    {
        hexColon->clear();
        digits->clear();
        area->clear();
        areaFiltered = true;
    }

    void everyRouteFollowsTheRule_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<QString>("expected");
        for (const char *route : {"keys", "paste", "middle-click", "input method"}) {
            QTest::addRow("%s, hex box", route) << route << "hexColon" << true << "1A:2";
            QTest::addRow("%s, digits box", route) << route << "digits" << true << "12";
            QTest::addRow("%s, hex area", route) << route << "area" << true << "1A:2";
            // The same area in a mode without a rule takes the text as it is.
            QTest::addRow("%s, plain area", route) << route << "area" << false << "g1a2";
        }
    }
    void everyRouteFollowsTheRule()
    {
        QFETCH(QString, route);
        QFETCH(QString, name);
        QFETCH(bool, filtered);
        QFETCH(QString, expected);
        areaFiltered = filtered;
        QWidget *w = box(name);
        const QString typed = QStringLiteral("g1a2");
        if (route == QLatin1String("keys")) {
            QTest::keyClicks(w, typed);
        } else if (route == QLatin1String("paste")) {
            QGuiApplication::clipboard()->setText(typed);
            QTest::keySequence(w, QKeySequence::Paste);
        } else if (route == QLatin1String("middle-click")) {
            if (!QGuiApplication::clipboard()->supportsSelection())
                QSKIP("this platform has no selection to paste");
            QGuiApplication::clipboard()->setText(typed, QClipboard::Selection);
            QTest::mouseClick(clickTarget(w), Qt::MiddleButton, {}, QPoint(5, 5));
        } else {
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QCoreApplication::sendEvent(w, &commit);
        }
        QCOMPARE(text(w), expected);
    }
};

QTEST_MAIN(TextEntryTest)
#include "test_text_entry_x11.moc"
