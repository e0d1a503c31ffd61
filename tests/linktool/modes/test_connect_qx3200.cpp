#include "connect_fixture.h"

#include "gprs/qx3200_window.h"
#include "modes/connect_windows.h"

#include <QPointer>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>

using namespace lt;

// The QX3200 connect window: line settings, working mode and its change.
class ConnectQx3200Test : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConnectFixture> f;
    QPointer<QDialog> w;

    QRadioButton *option(int n) { return w->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(n)); }
    QPushButton *button(int n) { return w->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(n)); }

    void connectAndWaitForVerdict()
    {
        button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(button(0)->isEnabled(), 8000);
    }

private slots:
    void init()
    {
        f = std::make_unique<ConnectFixture>(QStringLiteral("qx3200"));
        openQx3200Connect(*f->main);
        w = f->child<QDialog>("frmQX3200");
        QVERIFY(w);
    }
    void cleanup() { f.reset(); }

    void initialState()
    {
        QVERIFY(!option(1)->isEnabled() && !option(1)->isChecked());
        QVERIFY(!option(2)->isEnabled() && !option(2)->isChecked());
        QVERIFY(!button(2)->isEnabled());
        QVERIFY(option(4)->isChecked() && option(5)->isChecked() && option(11)->isChecked());
    }

    void lineSettingsFromTheOptions()
    {
        option(9)->click();
        option(3)->click();
        option(10)->click();
        w->findChild<QComboBox *>(QStringLiteral("Combo2"))->setCurrentText(QStringLiteral("4800bps"));
        button(0)->click();
        QCOMPARE(f->main->link().port().settings(), QStringLiteral("4800,E,7,2"));
        // A pseudo-terminal cannot do 7 data bits with parity: refused, closed, said once.
        QVERIFY(!f->main->link().port().isOpen());
        QCOMPARE(f->messages->count(QStringLiteral("串口参数设置失败，请选择其它参数重试")), 1);
        QVERIFY(button(0)->isEnabled());
    }

    void dataCommunicationModuleIsLeftAlone()
    {
        connectAndWaitForVerdict();
        QCOMPARE(f->main->link().port().settings(), QStringLiteral("9600,n,8,1"));
        QVERIFY(option(1)->isChecked() && option(1)->isEnabled() && option(2)->isEnabled());
        QVERIFY(button(2)->isEnabled());
        QCOMPARE(f->requestsWithCommand(0xDA), 0);
        QVERIFY(!f->child<QDialog>("Form19"));

        button(2)->click();
        QTRY_VERIFY(!w);
        QTRY_VERIFY(f->main->findChild<QWidget *>(QStringLiteral("frm3200COM")));
        QCOMPARE(Qx3200Window::find(*f->main)->workMode(), WorkMode::DataCommunication);
    }

    void addressSettingModuleIsLeftAlone()
    {
        f->module.set(QStringLiteral("mode"), QStringLiteral("0"));
        connectAndWaitForVerdict();
        QVERIFY(option(2)->isChecked() && !option(1)->isChecked());
        QCOMPARE(f->requestsWithCommand(0xDA), 0);

        // Enter in address setting opens the QX3200 window for it.
        button(2)->click();
        QTRY_VERIFY(!w);
        QWidget *window = nullptr;
        QTRY_VERIFY((window = f->main->findChild<QWidget *>(QStringLiteral("frm3200COM"))));
        QCOMPARE(Qx3200Window::find(*f->main)->workMode(), WorkMode::AddressSetting);
        QCOMPARE(window->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 2);
    }

    void choosingDataCommunicationSwitchesTheModule()
    {
        f->module.set(QStringLiteral("mode"), QStringLiteral("0"));
        connectAndWaitForVerdict();
        QCOMPARE(f->requestsWithCommand(0xDA), 0);
        option(1)->click();
        QTRY_COMPARE(f->requestsWithCommand(0xDA), 1);
        QCOMPARE(f->module->requests().last(), QByteArray::fromHex("1A2A3A4A5A6A7A8ADA0100"));
        QVERIFY(option(1)->isChecked() && !option(2)->isChecked());
        QVERIFY(f->child<QDialog>("Form19"));
    }

    void aFailedSecondConnectTakesTheChoiceAway_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("said");
        QTest::newRow("time-out") << QString() << QString() << QStringLiteral("模块和计算机通信失败，请检查串口号、波特率");
        QTest::newRow("no verdict") << QStringLiteral("d1") << QStringLiteral("-1") << QString();
        QTest::newRow("another module") << QStringLiteral("d1") << QStringLiteral("2")
                                        << QStringLiteral("您的模块与测试软件不一样，请与厂家联系");
    }
    void aFailedSecondConnectTakesTheChoiceAway()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, said);
        connectAndWaitForVerdict();
        QVERIFY(option(1)->isEnabled() && option(2)->isEnabled() && button(2)->isEnabled());
        if (key.isEmpty())
            f->module->faults().silent = true;
        else
            f->module.set(key, value);
        button(0)->click();
        // The verdict of the first Connect says nothing about this module.
        QVERIFY(!option(1)->isEnabled() && !option(2)->isEnabled() && !button(2)->isEnabled());
        if (said.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(button(0)->isEnabled(), 8000);
        else
            QTRY_VERIFY_WITH_TIMEOUT(f->messages->saw(said), 8000);
        QVERIFY(!option(1)->isEnabled() && !option(2)->isEnabled() && !button(2)->isEnabled());
        QVERIFY(!option(1)->isChecked() && !option(2)->isChecked());
        QCOMPARE(f->requestsWithCommand(0xDA), 0);
    }

    void otherModeIsSwitchedAndTheModuleRestarts()
    {
        f->module.set(QStringLiteral("mode"), QStringLiteral("5"));
        connectAndWaitForVerdict();
        QVERIFY(option(2)->isChecked());
        QTRY_COMPARE(f->requestsWithCommand(0xDA), 1);
        QCOMPARE(f->module->requests().last(), QByteArray::fromHex("1A2A3A4A5A6A7A8ADA0101"));
        QPointer<QDialog> notice = f->child<QDialog>("Form19");
        QVERIFY(notice);
        QCOMPARE(notice->findChild<QLabel *>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("您设置了QX3200模块通信模式，模块已经重新启动，需要等待一点时间"));
        // The notice always runs its full time: Esc and the close box do not cut it short.
        QTest::keyClick(notice, Qt::Key_Escape);
        notice->close();
        QVERIFY(notice && notice->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!f->main->link().port().isOpen(), 400);
        QTest::keyClick(notice, Qt::Key_Escape);
        QVERIFY(notice && notice->isVisible());
        notice->findChild<QTimer *>(QStringLiteral("Timer1"))->setInterval(5);   // the 51 s, fast
        QTRY_VERIFY_WITH_TIMEOUT(!notice, 3000);
        QVERIFY(!option(1)->isEnabled() && !option(2)->isEnabled());
        QVERIFY(!option(1)->isChecked() && !option(2)->isChecked());
        QVERIFY(button(0)->isEnabled() && !button(1)->isEnabled() && button(2)->isEnabled());

        // Enter with no option selected opens nothing.
        button(2)->click();
        QTRY_VERIFY(!w);
        QVERIFY(!f->main->findChild<QWidget *>(QStringLiteral("frm3200COM")));
    }
};

QTEST_MAIN(ConnectQx3200Test)
#include "test_connect_qx3200.moc"
