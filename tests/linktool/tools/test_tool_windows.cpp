#include "app/main_window.h"
#include "tools/address_calculator.h"
#include "ui/strings.h"

#include "linktool_support.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

using namespace lt;

namespace {

// The up arrow of a spin bar, pressed n times.
void up(QScrollBar *bar, int n = 1)
{
    for (int i = 0; i < n; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

void down(QScrollBar *bar, int n = 1)
{
    for (int i = 0; i < n; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

template<class T>
T *child(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

} // namespace

class ToolWindowsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        test::resetProgramState();
        m_main = std::make_unique<MainWindow>();
        m_main->show();
    }

    void cleanup()
    {
        m_main.reset();
    }

    void calculatorOpensFromBothMenusAsOneWindow()
    {
        QWidget *form = openCalculator("lookfine");
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("为用户计算地址"));
        QCOMPARE(qobject_cast<AddressCalculator *>(form)->kVariant(), false);
        auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
        QVERIFY(sub);
        QCOMPARE(sub->size(), QSize(twips(7260), twips(4650)));

        child<QLineEdit>(form, "Text1_4")->setText(QStringLiteral("ab"));
        QCOMPARE(openCalculator("count_k"), form);
        QCOMPARE(form->windowTitle(), QStringLiteral("为用户计算地址K"));
        QCOMPARE(qobject_cast<AddressCalculator *>(form)->kVariant(), true);
        QCOMPARE(m_main->findChildren<QWidget *>(QStringLiteral("Form9")).size(), 1);
        QCOMPARE(child<QLineEdit>(form, "Text1_4")->text(), QStringLiteral("ab"));   // nothing typed is lost
        QCOMPARE(openCalculator("lookfine"), form);
        QCOMPARE(qobject_cast<AddressCalculator *>(form)->kVariant(), false);

        // Exit closes it; the menu then makes a fresh one.
        QPointer<QWidget> old = form;
        child<QPlainTextEdit>(form, "Text2")->setPlainText(QStringLiteral("x"));
        QTest::mouseClick(child<QPushButton>(form, "Command1_1"), Qt::LeftButton);
        QTRY_VERIFY(!old);
        QWidget *again = openCalculator("count_k");
        QVERIFY(again);
        QCOMPARE(again->windowTitle(), QStringLiteral("为用户计算地址K"));
        QVERIFY(child<QLineEdit>(again, "Text1_4")->text().isEmpty());
    }

    void calculatorControls()
    {
        QWidget *form = openCalculator("lookfine");
        auto *station = child<QLineEdit>(form, "Text1_4");
        auto *group = child<QLineEdit>(form, "Text1_2");
        auto *coding = child<QLineEdit>(form, "Text1_3");
        auto *bar3 = child<QScrollBar>(form, "VScroll3");
        auto *bar4 = child<QScrollBar>(form, "VScroll4");
        QVERIFY(group->text().isEmpty());
        QVERIFY(coding->text().isEmpty());
        QCOMPARE(bar3->minimum(), -255);
        QCOMPARE(bar3->maximum(), -1);
        QCOMPARE(bar4->value(), 1);

        // Station: hex keys only, always at the end, ":" after each byte.
        station->setFocus();
        QTest::keyClicks(station, QStringLiteral("1g2"));
        station->setCursorPosition(0);
        QTest::keyClicks(station, QStringLiteral("3x4"));
        QCOMPARE(station->text(), QStringLiteral("12:34:"));
        QTest::keyClick(station, Qt::Key_Backspace);
        QCOMPARE(station->text(), QStringLiteral("12:34"));

        // Group size: the up arrow counts up, the box shows whole numbers 1..255.
        up(bar3);
        QCOMPARE(group->text(), QStringLiteral("2"));
        up(bar3, 300);
        QCOMPARE(group->text(), QStringLiteral("255"));
        down(bar3, 300);
        QCOMPARE(group->text(), QStringLiteral("1"));
        QTest::keyClicks(group, QStringLiteral("9"));
        QCOMPARE(group->text(), QStringLiteral("1"));

        // Coding: stays empty until the bar moves, then follows it.
        up(bar4);
        QVERIFY(coding->text().isEmpty());
        down(bar4);
        QCOMPARE(coding->text(), QStringLiteral("十六进制"));
        down(bar4, 5);
        QCOMPARE(coding->text(), QStringLiteral("BCD码"));
        up(bar4, 5);
        QCOMPARE(coding->text(), QStringLiteral("ASCII"));
        QTest::keyClicks(coding, QStringLiteral("x"));
        QCOMPARE(coding->text(), QStringLiteral("ASCII"));
    }

    void calculatorConverts()
    {
        test::MessageRecorder recorder;
        QWidget *form = openCalculator("lookfine");
        auto *station = child<QLineEdit>(form, "Text1_4");
        auto *text2 = child<QPlainTextEdit>(form, "Text2");
        auto *bar3 = child<QScrollBar>(form, "VScroll3");
        auto *bar4 = child<QScrollBar>(form, "VScroll4");
        auto *convert = child<QPushButton>(form, "Command1_0");
        auto lines = [text2] { return text2->toPlainText(); };

        // Nothing chosen yet: a clear message, no output.
        QTest::keyClicks(station, QStringLiteral("0005"));
        QTest::mouseClick(convert, Qt::LeftButton);
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages[0].title, QStringLiteral("错误提示"));
        QVERIFY(lines().isEmpty());

        up(bar3, 3);   // 4
        QTest::mouseClick(convert, Qt::LeftButton);
        QCOMPARE(recorder.messages.size(), 2);   // still no coding
        QVERIFY(lines().isEmpty());

        down(bar4);   // hexadecimal
        QTest::mouseClick(convert, Qt::LeftButton);
        QCOMPARE(recorder.messages.size(), 2);
        QCOMPARE(lines(), QStringLiteral("00:14:\n00:13:\n00:12:\n00:11:\n"));

        // ASCII of the address 0x0234: plain station xx:8D:, group 4 gives 0x234 first.
        station->clear();
        QTest::keyClicks(station, QStringLiteral("008D"));
        up(bar4);   // ASCII
        QTest::mouseClick(convert, Qt::LeftButton);
        QVERIFY(lines().startsWith(QStringLiteral("30:32:33:34:\n30:32:33:33:\n")));

        // Five characters: the station message, and the old output is gone.
        QTest::keyClick(station, Qt::Key_Backspace);
        QTest::mouseClick(convert, Qt::LeftButton);
        QCOMPARE(recorder.messages.size(), 3);
        QCOMPARE(recorder.messages.last().text, QStringLiteral("发射区没有需要发射的数据，请重新输入"));
        QCOMPARE(recorder.messages.last().title, QStringLiteral("错误提示"));
        QVERIFY(lines().isEmpty());

        // K variant, station 01:23:, group 1, BCD.
        openCalculator("count_k");
        station->clear();
        QTest::keyClicks(station, QStringLiteral("0123"));
        down(bar3, 300);   // 1
        down(bar4, 5);     // BCD
        QTest::mouseClick(convert, Qt::LeftButton);
        QCOMPARE(lines(), QStringLiteral("02:91:\n"));

        // An address beyond BCD's four digits is refused, not printed wrongly.
        up(bar3, 254);   // 255: 0x123 * 255 = 74205
        QTest::mouseClick(convert, Qt::LeftButton);
        QCOMPARE(recorder.messages.size(), 4);
        QVERIFY(lines().isEmpty());
    }

    void unicodeTool()
    {
        m_main->findChild<QAction *>(QStringLiteral("mnuCode"))->trigger();
        QWidget *form = m_main->findChild<QWidget *>(QStringLiteral("Form18"));
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("转换"));
        QVERIFY(qobject_cast<QMdiSubWindow *>(form->parentWidget()));
        m_main->findChild<QAction *>(QStringLiteral("mnuCode"))->trigger();
        QCOMPARE(m_main->findChildren<QWidget *>(QStringLiteral("Form18")).size(), 1);

        auto *text1 = child<QLineEdit>(form, "Text1");
        auto *text2 = child<QPlainTextEdit>(form, "Text2");
        auto *convert = child<QPushButton>(form, "Command1");
        auto run = [&](const QString &input) -> QString {
            text1->setText(input);
            QTest::mouseClick(convert, Qt::LeftButton);
            return convert->isEnabled() ? text2->toPlainText() : QStringLiteral("<button left disabled>");
        };
        QCOMPARE(run(QStringLiteral("中")), QStringLiteral("4E:2D:\n"));
        QCOMPARE(run(QStringLiteral("AB")), QStringLiteral("00:41:00:42:\n"));
        QCOMPARE(run(QString()), QStringLiteral("\n"));
        QCOMPARE(run(QString::fromUcs4(U"\U0001F600")), QStringLiteral("D8:3D:DE:00:\n"));

        QPointer<QWidget> old = form;
        QTest::mouseClick(child<QPushButton>(form, "Command2"), Qt::LeftButton);
        QTRY_VERIFY(!old);
        QVERIFY(m_main->mdi().subWindowList().size() <= 1);   // only the chooser may remain
    }

private:
    QWidget *openCalculator(const char *menu)
    {
        m_main->findChild<QAction *>(QLatin1String(menu))->trigger();
        return m_main->findChild<QWidget *>(QStringLiteral("Form9"));
    }

    std::unique_ptr<MainWindow> m_main;
};

QTEST_MAIN(ToolWindowsTest)
#include "test_tool_windows.moc"
