#include "gprs/qx3200_window.h"

#include "app/main_window.h"
#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "modes/connect_windows.h"

#include "qx3200_window_fixture.h"
#include "linktool_support.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace lt;

// The QX3200 window loses its module in its read chain and in the data test:
// one message, the port closed, nothing left writing or spinning, the window
// usable, and after the user connects again through the connect window the
// same window talks to the new module.
class Gprs3200VanishTest : public Qx3200WindowFixture
{
    Q_OBJECT


    QPushButton *button(int i) { return w<QPushButton>(QStringLiteral("Command1_%1").arg(i)); }
    bool chainRunning() { return w<QTimer>(QStringLiteral("Timer6"))->isActive() || w<QTimer>(QStringLiteral("Timer2"))->isActive(); }

    void open()
    {
        main->link().port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(main->link().port().open(), ModulePort::Opened);
        openQx3200Window(*main, WorkMode::DataCommunication);
        QVERIFY(window());
    }

    void vanish()
    {
        rec->messages.clear();
        sim->sim().vanish();
    }

    void expectVanished()
    {
        QTRY_VERIFY(!main->link().port().isOpen());
        QTRY_COMPARE(rec->messages.size(), 1);
        QCOMPARE(rec->messages[0].text, QStringLiteral("串口已断开，请检查连接"));
        QCOMPARE(rec->messages[0].title, QStringLiteral("端口错误"));
        for (QTimer *t : window()->findChildren<QTimer *>())
            QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
        QVERIFY(!main->findChild<QWidget *>(QStringLiteral("Form10")));
        QVERIFY2(test::cpuMillisWhileWaiting(1000) < 300, "the program keeps busy after the module vanished");
        QCOMPARE(rec->messages.size(), 1);
        for (int i = 0; i < 12; ++i)
            QVERIFY2(!button(i)->testAttribute(Qt::WA_ForceDisabled), qPrintable(QStringLiteral("Command1_%1").arg(i)));
        QVERIFY(!window()->replyParser().parameterMode());
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：未使用"));
    }

    // The user's way back: the QX3200 connect window over a module that is
    // there again, then "进入"; the window that stayed open reads the new module.
    void reconnect()
    {
        QPointer<Qx3200Window> opened = window();
        sim->restart();
        sim->set("f8", "0");
        sim->set("passive", "0x3039");
        openQx3200Connect(*main);
        QPointer<QDialog> connect = main->findChild<QDialog *>(QStringLiteral("frmQX3200"));
        QVERIFY(connect);
        auto *connectButton = connect->findChild<QPushButton *>(QStringLiteral("Command1_0"));
        auto *enter = connect->findChild<QPushButton *>(QStringLiteral("Command1_2"));
        connectButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(enter->isEnabled(), 8000);
        enter->click();
        QTRY_VERIFY(!connect);
        QCOMPARE(window(), opened.data());
        QVERIFY(main->link().port().isOpen());
        QTRY_COMPARE_WITH_TIMEOUT(w<QLineEdit>(QStringLiteral("Text1_4"))->text(), QStringLiteral("30:39:"), 8000);
        QTRY_VERIFY_WITH_TIMEOUT(!chainRunning(), 8000);
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：COM1--9600,n,8,1"));
        QCOMPARE(rec->count(QStringLiteral("串口已断开，请检查连接")), 1);
    }

private slots:
    void init() { setUpWindowTest(); }
    void cleanup() { tearDownWindowTest(); }

    void inTheReadChain()
    {
        open();
        QTRY_VERIFY_WITH_TIMEOUT(w<QTimer>(QStringLiteral("Timer2"))->isActive(), 3000);
        QTRY_VERIFY(sim->sim().requests().size() >= 2);
        vanish();
        expectVanished();
        // The window's own way back: its read chain opens the port when it is closed.
        sim->restart();
        sim->set("f8", "0");
        sim->set("passive", "0x3039");
        button(4)->click();
        QTRY_COMPARE_WITH_TIMEOUT(w<QLineEdit>(QStringLiteral("Text1_4"))->text(), QStringLiteral("30:39:"), 8000);
        QVERIFY(main->link().port().isOpen());
        QTRY_VERIFY_WITH_TIMEOUT(!chainRunning(), 8000);
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：COM1--9600,n,8,1"));
        QCOMPARE(rec->count(QStringLiteral("串口已断开，请检查连接")), 1);
    }

    void everyButtonRefusesWithoutAPort()
    {
        sim->set("f8", "0");   // passive: the data test's read and memory buttons are there
        open();
        QTRY_VERIFY_WITH_TIMEOUT(!w<QTimer>(QStringLiteral("Timer6"))->isActive(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!chainRunning(), 8000);
        const QString version = w<QLabel>(QStringLiteral("Label1_9"))->text();
        vanish();
        expectVanished();
        // The freed pseudo-terminal number may go to another program's terminal
        // at any moment, which the buttons that reopen the port would then
        // find: COM1 names a device that stays away.
        qputenv("QXCOM1", "/nonexistent/qxcom1");
        const QString closed = QStringLiteral("串口没有打开，请先连接模块");
        w<QPlainTextEdit>(QStringLiteral("Text1_1"))->setPlainText(QStringLiteral("31:32:3"));
        for (int i : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10, 11}) {
            const int before = rec->count(closed);
            button(i)->click();
            QVERIFY2(rec->count(closed) == before + 1, qPrintable(QString::number(i)));
            QCOMPARE(rec->messages.last().title, QStringLiteral("端口错误"));
        }
        // Nothing was started, shown or cut: the refresh kept the display, no wait notice came up.
        QCOMPARE(w<QLabel>(QStringLiteral("Label1_9"))->text(), version);
        QCOMPARE(w<QPlainTextEdit>(QStringLiteral("Text1_1"))->toPlainText(), QStringLiteral("31:32:3"));
        QVERIFY(w<QPlainTextEdit>(QStringLiteral("Text1_3"))->toPlainText().isEmpty());
        QVERIFY(!main->findChild<QWidget *>(QStringLiteral("Form10")));
        for (QTimer *t : window()->findChildren<QTimer *>())
            QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
        QVERIFY(!window()->replyParser().parameterMode());
        QVERIFY(!window()->replyParser().identityPending());
        for (int i = 0; i < 12; ++i)
            QVERIFY2(!button(i)->testAttribute(Qt::WA_ForceDisabled), qPrintable(QString::number(i)));
    }

    void inTheDataTest()
    {
        sim->set("f8", "1");
        sim->set("f9", "0");
        open();
        QTRY_VERIFY_WITH_TIMEOUT(!w<QTimer>(QStringLiteral("Timer6"))->isActive(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!chainRunning(), 8000);
        w<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        // The module takes its time to answer, and goes before it does.
        sim->sim().faults().delayMs = 2000;
        sim->sim().clearRequests();
        QTest::keyClicks(w(QStringLiteral("Text1_1")), QStringLiteral("3132"));
        button(1)->click();
        QTRY_COMPARE(sim->sim().requests().size(), 1);
        vanish();
        expectVanished();
        QCOMPARE(w<QPlainTextEdit>(QStringLiteral("Text1_2"))->toPlainText(), QString());
        reconnect();
        // The data test talks again: the new module is passive, answers with its address and holds no data.
        w<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        sim->sim().clearRequests();
        button(7)->click();
        QTRY_COMPARE(sim->sim().requests().size(), 1);
        QTRY_COMPARE(w<QPlainTextEdit>(QStringLiteral("Text1_3"))->toPlainText().section(QLatin1Char('\n'), -2), QStringLiteral("接收  21:30:39:00:00:0D:\n"));
    }
};

QTEST_MAIN(Gprs3200VanishTest)
#include "test_vanish.moc"
