#include "connect_fixture.h"

#include "modes/connect_windows.h"
#include "ui/message_box.h"

#include <QElapsedTimer>
#include <QPointer>

#include <algorithm>

using namespace lt;

// The SMS module's connect window against a simulated module.
class ConnectSmsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConnectFixture> f;

    QDialog *openWindow()
    {
        openSmsConnect(*f->main);
        auto *w = f->child<QDialog>("frm3000MOD");
        Q_ASSERT(w);
        return w;
    }

private slots:
    void init() { f = std::make_unique<ConnectFixture>(QStringLiteral("qx3100")); }
    void cleanup() { f.reset(); }

    void qx3100OpensItsWindow()
    {
        QPointer<QDialog> w = openWindow();
        QCOMPARE(w->windowTitle(), QStringLiteral("工作方式选择"));
        QList<int> shown;
        connect(&f->main->handshake().readTimer(), &QTimer::timeout, this,
                [&] { shown.append(w->findChild<QProgressBar *>(QStringLiteral("PBar"))->value()); });
        f->module->faults().splitAt = 5;    // replies in two bursts close together still parse as one
        f->module->faults().splitGapMs = 30;
        w->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        QCOMPARE(f->main->link().port().settings(), QStringLiteral("9600,n,8,1"));
        QCOMPARE(f->main->link().port().portNumber(), 1);
        QVERIFY(f->messages->saw(QStringLiteral("请确认您的模块信号指示灯已经不在闪烁，否则模块和计算机通信不正常。")));
        QCOMPARE(f->messages->messages[0].title, QStringLiteral("注意：系统提示！！！"));
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
        QTRY_VERIFY(f->main->findChild<QWidget *>(QStringLiteral("frm3100COM")));
        // On a loaded machine a tick can come before the next answer and show
        // the same step twice; the steps themselves must come in order.
        shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
        QCOMPARE(shown, (QList<int>{0, 1, 2, 3, 4}));
        const ModuleIdentity &s = f->main->link().identity();
        QCOMPARE(s.workForm, 0x00);
        QCOMPARE(s.transForm, 0x01);
        QCOMPARE(s.versionText, QStringLiteral("13800000000"));
        QCOMPARE(s.version[10], quint8('0'));
        QCOMPARE(s.parameterD6, 0x00);
        QCOMPARE(s.moduleType, 0x02);
        QCOMPARE(s.workingMode, 0x80);
        QVERIFY(f->main->link().port().isOpen());
        QVERIFY(!f->main->handshake().running());
    }

    void dtrAroundTheNoticeAndTheVerdict()
    {
        QTRY_VERIFY(f->child<QWidget>("frmMain"));   // the chooser has set DTR on
        QPointer<QDialog> w = openWindow();
        QElapsedTimer clock;
        clock.start();
        QStringList timeline;
        QList<qint64> at;
        connect(&f->main->link().port(), &ModulePort::dtrSet, this, [&](bool on) {
            timeline << (on ? QStringLiteral("DTR on") : QStringLiteral("DTR off"));
            at << clock.elapsed();
        });
        lt::setMessageHook([&](const QString &text, const QString &, QMessageBox::Icon, QMessageBox::StandardButtons) {
            timeline << text;
            at << clock.elapsed();
            return QMessageBox::Ok;
        });
        const QString notice = QStringLiteral("请确认您的模块信号指示灯已经不在闪烁，否则模块和计算机通信不正常。");
        w->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        // Off as the port opens, and off again once the user has seen the notice.
        QCOMPARE(timeline, (QStringList{QStringLiteral("DTR off"), notice, QStringLiteral("DTR off")}));
        // The verdict raises it; the QX3100 window drops it as it opens and again a second later.
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
        QTRY_COMPARE_WITH_TIMEOUT(timeline.size(), 6, 3000);
        QCOMPARE(timeline.mid(3), (QStringList{QStringLiteral("DTR on"), QStringLiteral("DTR off"), QStringLiteral("DTR off")}));
        const qint64 second = at[5] - at[4];
        QVERIFY2(second >= timing::interval(1000) - 20, qPrintable(QString::number(second)));
    }

    void otherModuleTypeIsRefused()
    {
        f->module.set(QStringLiteral("d1"), QStringLiteral("1"));
        QPointer<QDialog> w = openWindow();
        w->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
        QTRY_VERIFY(f->messages->saw(QStringLiteral("您的模块与测试软件不一样，请与厂家联系")));
        QCOMPARE(f->messages->messages.last().title, QStringLiteral("提示"));
        QVERIFY(!f->main->findChild<QWidget *>(QStringLiteral("frm3100COM")));
    }

    void silentModuleTimesOutAndCanRetry()
    {
        f->module->faults().silent = true;
        QPointer<QDialog> w = openWindow();
        auto *connectButton = w->findChild<QPushButton *>(QStringLiteral("Command1_0"));
        connectButton->click();
        QVERIFY(!connectButton->isEnabled());
        QVERIFY(!w->findChild<QComboBox *>(QStringLiteral("Combo1"))->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(f->messages->saw(QStringLiteral("模块和计算机通信失败，请检查串口号、波特率")), 3000);
        QCOMPARE(f->messages->messages.last().title, QStringLiteral("系统提示"));
        QVERIFY(!f->main->link().port().isOpen());
        QVERIFY(connectButton->isEnabled());
        QVERIFY(w->findChild<QPushButton *>(QStringLiteral("Command1_1"))->isEnabled());
        QVERIFY(w->findChild<QComboBox *>(QStringLiteral("Combo1"))->isEnabled());
        QVERIFY(w->findChild<QComboBox *>(QStringLiteral("Combo2"))->isEnabled());

        f->module->faults().silent = false;
        connectButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
    }

    void lateIdentificationAnswerIsIgnored()
    {
        QPointer<QDialog> w = openWindow();
        w->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        QTRY_VERIFY(f->requestsWithCommand(0xF8) == 1);
        // A second FD with another working mode while the reads run.
        f->module->send(QByteArray::fromHex("1A2A3A4A5A6A7A8AFD030100"));
        QTRY_VERIFY_WITH_TIMEOUT(!w, 8000);
        QCOMPARE(f->main->link().identity().workingMode, 0x80);
    }

    void cancelStopsTheExchange()
    {
        QPointer<QDialog> w = openWindow();
        w->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
        QTRY_VERIFY(f->requestsWithCommand(0xF9) == 1);
        w->findChild<QPushButton *>(QStringLiteral("Command1_1"))->click();
        QTRY_VERIFY(!w);
        QVERIFY(!f->main->link().port().isOpen());
        QVERIFY(!f->main->handshake().running());
        const auto sent = f->module->requests().size();
        QTest::qWait(700);
        QCOMPARE(f->module->requests().size(), sent);
    }
};

QTEST_MAIN(ConnectSmsTest)
#include "test_connect_sms.moc"
