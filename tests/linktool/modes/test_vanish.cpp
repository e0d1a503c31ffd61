#include "connect_fixture.h"

#include "modes/connect_windows.h"
#include "ui/message_box.h"

#include <QPointer>

using namespace lt;

// Both connect windows lose their module in the middle of the handshake:
// one message, the port closed, the exchange stopped, the window usable, and
// Connect works again once a module is back behind the same port.
class ConnectVanishTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConnectFixture> f;
    QPointer<QDialog> w;

    QPushButton *button(int n) const { return w->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(n)); }

    void open(const char *name)
    {
        if (QByteArray(name) == "frm3000MOD")
            openSmsConnect(*f->main);
        else
            openQx3200Connect(*f->main);
        w = f->child<QDialog>(name);
        QVERIFY(w);
    }

    // What a vanished module leaves, messagesBefore being the count of messages before it went.
    void expectVanished(int messagesBefore)
    {
        QTRY_VERIFY(!f->main->link().port().isOpen());
        QTRY_COMPARE(f->messages->messages.size(), messagesBefore + 1);
        QCOMPARE(f->messages->messages.last().text, QStringLiteral("串口已断开，请检查连接"));
        QCOMPARE(f->messages->messages.last().title, QStringLiteral("端口错误"));
        const Handshake &h = f->main->handshake();
        QVERIFY(!h.identifyTimer().isActive() && !h.answerTimer().isActive() && !h.readTimer().isActive());
        // Longer than the identification time-out: nothing else may speak up.
        QVERIFY2(test::cpuMillisWhileWaiting(1000) < 300, "the program keeps busy after the module vanished");
        QCOMPARE(f->messages->messages.size(), messagesBefore + 1);
        QVERIFY(w);
        QVERIFY(button(0)->isEnabled());
        QVERIFY(button(1)->isEnabled());
        QVERIFY(w->findChild<QComboBox *>(QStringLiteral("Combo1"))->isEnabled());
        QVERIFY(w->findChild<QComboBox *>(QStringLiteral("Combo2"))->isEnabled());
        QCOMPARE(f->main->panelText(MainWindow::PortPanel), QStringLiteral("串口：未使用"));
    }

    void vanishDuringTheReads(const char *name)
    {
        open(name);
        button(0)->click();
        QTRY_VERIFY(f->requestsWithCommand(0xF8) == 1);
        const int before = int(f->messages->messages.size());
        f->module->vanish();
        expectVanished(before);
        f->module.restart();
    }

private slots:
    void init() { f = std::make_unique<ConnectFixture>(QStringLiteral("qx3100")); }
    void cleanup()
    {
        lt::setMessageHook({});
        f.reset();
    }

    void frm3000MODDuringTheReads()
    {
        vanishDuringTheReads("frm3000MOD");
        button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
        QTRY_VERIFY(f->main->findChild<QWidget *>(QStringLiteral("frm3100COM")));
        QCOMPARE(f->messages->count(QStringLiteral("串口已断开，请检查连接")), 1);
    }

    void frm3000MODWaitingForIdentification()
    {
        // Nothing is written while the identification answer is awaited: only
        // the read side can tell, and the time-out must not speak up afterwards.
        f->module->faults().silent = true;
        open("frm3000MOD");
        button(0)->click();
        QTRY_VERIFY(f->requestsWithCommand(0xFE) == 1);
        QVERIFY(f->main->handshake().answerTimer().isActive());
        const int before = int(f->messages->messages.size());
        f->module->vanish();
        expectVanished(before);
        QVERIFY(!f->messages->saw(QStringLiteral("模块和计算机通信失败，请检查串口号、波特率")));
        f->module.restart();
        button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
    }

    void frm3000MODDuringTheSignalLampNotice()
    {
        open("frm3000MOD");
        // The cable goes while the user reads the notice that comes before the handshake.
        test::SimModule &module = f->module;
        ModulePort &comm = f->main->link().port();
        test::MessageRecorder *rec = f->messages.get();
        lt::setMessageHook([&, rec](const QString &text, const QString &title, QMessageBox::Icon icon,
                                    QMessageBox::StandardButtons) {
            rec->messages.append({text, title, icon});
            if (text.startsWith(QStringLiteral("请确认"))) {
                module->vanish();
                if (!QTest::qWaitFor([&] { return !comm.isOpen(); }, 2000))
                    qWarning("the port stayed open");
            }
            return QMessageBox::Ok;
        });
        button(0)->click();
        QVERIFY(!f->main->handshake().running());
        expectVanished(1);
        f->messages.reset();
        f->messages = std::make_unique<test::MessageRecorder>();
        f->module.restart();
        button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
    }

    void frmQX3200DuringTheReads()
    {
        f.reset();   // one main window and one message recorder at a time
        f = std::make_unique<ConnectFixture>(QStringLiteral("qx3200"));
        vanishDuringTheReads("frmQX3200");
        button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(button(2)->isEnabled(), 8000);
        QVERIFY(f->main->link().port().isOpen());
        button(2)->click();
        QTRY_VERIFY(f->main->findChild<QWidget *>(QStringLiteral("frm3200COM")));
        QCOMPARE(f->messages->count(QStringLiteral("串口已断开，请检查连接")), 1);
    }
};

QTEST_MAIN(ConnectVanishTest)
#include "test_vanish.moc"
