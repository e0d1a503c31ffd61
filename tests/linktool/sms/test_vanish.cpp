#include "sms3100_fixture.h"

#include "modes/connect_windows.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTabWidget>

using namespace lt;

// The QX3100 window loses its module in a read sequence and in the
// phone-table read loop (the SMS test: test_smstest_e2e): one message, the port closed, nothing left
// writing or spinning, the window usable, and after the user connects again
// through the connect window the same window talks to the new module.
class Sms3100VanishTest : public QObject
{
    Q_OBJECT
    sms3100::Fixture f;

    void vanish()
    {
        f.messages->messages.clear();
        (*f.sim)->vanish();
    }

    void expectVanished()
    {
        QTRY_VERIFY(!f.main->link().port().isOpen());
        QTRY_COMPARE(f.messages->messages.size(), 1);
        QCOMPARE(f.messages->messages[0].text, QStringLiteral("串口已断开，请检查连接"));
        QCOMPARE(f.messages->messages[0].title, QStringLiteral("端口错误"));
        for (QTimer *t : f.window()->findChildren<QTimer *>())
            QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
        QVERIFY2(test::cpuMillisWhileWaiting(1000) < 300, "the program keeps busy after the module vanished");
        QCOMPARE(f.messages->messages.size(), 1);
        QVERIFY(f.control(QStringLiteral("SSTab1"))->isEnabled());
        for (int i : {1, 2, 3, 8, 10, 11, 12, 13})
            QVERIFY2(f.command(i)->isEnabled(), qPrintable(QStringLiteral("Command%1").arg(i)));
        QCOMPARE(f.command(13)->text(), QStringLiteral("开始读取"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(f.control(QStringLiteral("Command21_%1").arg(i))->isEnabled());
        QCOMPARE(f.main->panelText(MainWindow::PortPanel), QStringLiteral("串口：未使用"));
    }

    // The user's way back: the connect window over a module that is there again.
    // The window that stayed open takes the new link and reads the new module.
    void reconnect()
    {
        QPointer<Qx3100Window> window = f.window();
        f.sim->restart();
        f.sim->set(QStringLiteral("e2"), QStringLiteral("0099"));
        openSmsConnect(*f.main);
        QPointer<QDialog> connect = f.main->findChild<QDialog *>(QStringLiteral("frm3000MOD"));
        QVERIFY(connect);
        connect->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!connect, 8000);
        QVERIFY(f.main->link().port().isOpen());
        QCOMPARE(f.window(), window.data());
        QTRY_COMPARE_WITH_TIMEOUT(f.control<QLabel>(QStringLiteral("Label9"))->text(), QStringLiteral("00:99:"), 8000);
        f.waitIdle();
        QCOMPARE(f.main->panelText(MainWindow::PortPanel), QStringLiteral("串口：COM1--9600,n,8,1"));
        QCOMPARE(f.messages->count(QStringLiteral("串口已断开，请检查连接")), 1);
    }

private slots:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void inTheReadSequence()
    {
        openQx3100Window(*f.main);
        QTRY_VERIFY_WITH_TIMEOUT(!f.command(8)->isEnabled(), 3000);
        QTRY_VERIFY(f.heard().size() >= 2);
        vanish();
        expectVanished();
        reconnect();
    }

    void inThePhoneTableReadLoop()
    {
        f.openQuick();
        f.control<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        f.control<QLineEdit>(QStringLiteral("Text10"))->setText(QStringLiteral("1"));
        f.control<QLineEdit>(QStringLiteral("Text12"))->setText(QStringLiteral("500"));
        f.command(13)->click();
        QTRY_COMPARE(f.control<QLabel>(QStringLiteral("Label28"))->text(), QStringLiteral("读3"));
        vanish();
        expectVanished();
        reconnect();
        // The loop runs again against the new module.
        f.control<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        f.forget();
        f.command(13)->click();
        QTRY_COMPARE(f.control<QLabel>(QStringLiteral("Label28"))->text(), QStringLiteral("读2"));
        QTRY_COMPARE(f.heard().size(), 2);
        f.command(13)->click();
    }
};

QTEST_MAIN(Sms3100VanishTest)
#include "test_vanish.moc"
