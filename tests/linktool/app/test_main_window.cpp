#include "app/main_window.h"
#include "link/link.h"
#include "ui/open_link.h"

#include "pty.h"
#include "linktool_support.h"

#include <QMenu>
#include <QSerialPort>
#include <QTest>

using namespace lt;

// The frame window at start, its SMS manner menu, and what it does when the
// device behind its link goes away (over a real pseudo-terminal).
class MainWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;
    std::unique_ptr<qxsim::Pty> pty;

private slots:
    void init()
    {
        test::resetProgramState();
        pty = std::make_unique<qxsim::Pty>();
        QVERIFY(pty->open());
        qputenv("QXCOM2", pty->slavePath().toLocal8Bit());
        main = std::make_unique<MainWindow>();
    }

    void cleanup()
    {
        main.reset();
        pty.reset();
    }

    void startUpState()
    {
        QCOMPARE(main->windowTitle(), QStringLiteral("GPRS短信模块 测试程序"));
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：未使用"));
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：未使用"));
        QCOMPARE(main->panelText(MainWindow::SendCountPanel), QStringLiteral("发射区字节数：0"));
        QVERIFY(!main->findChild<QMenu *>(QStringLiteral("sms_Manner"))->menuAction()->isVisible());
        QVERIFY(!main->findChild<QWidget *>(QStringLiteral("frmMain")));
        QTRY_VERIFY_WITH_TIMEOUT(main->findChild<QWidget *>(QStringLiteral("frmMain")), 1000);
    }

    void smsMannerIsOneRadioGroup()
    {
        auto *englist = main->findChild<QAction *>(QStringLiteral("englist"));
        auto *chinese = main->findChild<QAction *>(QStringLiteral("chinese"));
        auto *sendhex = main->findChild<QAction *>(QStringLiteral("sendhex"));
        QVERIFY(chinese->isChecked());
        int chosen = 0;
        connect(main.get(), &MainWindow::smsMannerChosen, this, [&] { ++chosen; });
        englist->trigger();
        englist->trigger();
        QVERIFY(englist->isChecked() && !chinese->isChecked() && !sendhex->isChecked());
        QCOMPARE(chosen, 2);
        QCOMPARE(main->smsManner(), MainWindow::SmsManner::English);
    }



    void vanishedDeviceClosesOnceWithoutBusyLoop()
    {
        test::MessageRecorder messages;
        QVERIFY(open_link(main->link(), main.get(), QStringLiteral("COM2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        main->showPortInUse();
        pty.reset();   // the cable is pulled
        QTRY_VERIFY(!main->link().port().isOpen());
        QTRY_COMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, QStringLiteral("串口已断开，请检查连接"));
        QCOMPARE(messages.messages[0].title, QStringLiteral("端口错误"));
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：未使用"));
        const double before = test::cpuMillis();
        QTest::qWait(1000);
        QVERIFY2(test::cpuMillis() - before < 300, "the program keeps busy after the device vanished");
        QCOMPARE(messages.messages.size(), 1);

        // A new device behind the same port number connects again.
        pty = std::make_unique<qxsim::Pty>();
        QVERIFY(pty->open());
        qputenv("QXCOM2", pty->slavePath().toLocal8Bit());
        QVERIFY(open_link(main->link(), main.get(), QStringLiteral("COM2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
    }

    void hungUpLineIsNoticedWithoutAWrite()
    {
        // A read of a hung-up line returns nothing, and the error the port
        // reports for it follows whatever errno an earlier call left: after the
        // DTR call on a pty that is ENOTTY, which makes it a read error, not a
        // resource error. That report is played here at once, before the
        // event loop runs; nothing is written, so only the read side can tell.
        test::MessageRecorder messages;
        QVERIFY(open_link(main->link(), main.get(), QStringLiteral("COM2"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        int vanished = 0;
        connect(&main->link().port(), &ModulePort::vanished, this, [&] { ++vanished; });
        auto &port = const_cast<QSerialPort &>(main->link().port().serialPort());
        emit port.errorOccurred(QSerialPort::ReadError);   // a live line: not a disconnect
        QVERIFY(main->link().port().isOpen());
        pty.reset();
        emit port.errorOccurred(QSerialPort::ReadError);
        QVERIFY(!main->link().port().isOpen());
        QCOMPARE(vanished, 1);
        QVERIFY2(test::cpuMillisWhileWaiting(1000) < 300, "the program keeps busy after the line hung up");
        QCOMPARE(vanished, 1);
        QCOMPARE(messages.count(QStringLiteral("串口已断开，请检查连接")), 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
