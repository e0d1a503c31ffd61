#include "connect_fixture.h"

#include "modes/connect_windows.h"

#include <QPointer>

using namespace lt;

// A connect window left before its exchange is over: Esc never delivers a
// close event, the close box does; either way nothing of the exchange may
// run on for a window that is gone.
class LeavingEarlyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<ConnectFixture> f;
    QPointer<QDialog> w;

    QPushButton *button(int n) const { return w->findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(n)); }

    void open(const QString &name)
    {
        if (name == QLatin1String("frm3000MOD"))
            openSmsConnect(*f->main);
        else
            openQx3200Connect(*f->main);
        w = f->main->findChild<QDialog *>(name);
        QVERIFY(w);
    }

private slots:
    void init() { f = std::make_unique<ConnectFixture>(QStringLiteral("qx3100")); }
    void cleanup() { f.reset(); }

    void leavingStopsTheExchange_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<bool>("silent");
        for (const char *name : {"frm3000MOD", "frmQX3200"}) {
            QTest::addRow("%s, Esc while waiting for the module", name) << QString::fromLatin1(name) << true << true;
            QTest::addRow("%s, close box while waiting for the module", name) << QString::fromLatin1(name) << false << true;
            QTest::addRow("%s, Esc during the reads", name) << QString::fromLatin1(name) << true << false;
        }
    }
    void leavingStopsTheExchange()
    {
        QFETCH(QString, window);
        QFETCH(bool, escape);
        QFETCH(bool, silent);
        f->module->faults().silent = silent;
        open(window);
        button(0)->click();
        QVERIFY(f->main->handshake().running());
        if (!silent)
            QTRY_VERIFY(f->requestsWithCommand(0xF8) == 1);
        if (escape)
            QTest::keyClick(w, Qt::Key_Escape);
        else
            w->close();
        QTRY_VERIFY(!w);
        QVERIFY(!f->main->handshake().running());
        // The port was opened for this exchange alone: it is given back.
        QVERIFY(!f->main->link().port().isOpen());
        const auto heard = f->module->requests().size();
        // Longer than the identification time-out (2 s here 500 ms) and a read tick.
        QTest::qWait(900);
        QVERIFY(!f->messages->saw(QStringLiteral("模块和计算机通信失败，请检查串口号、波特率")));
        QCOMPARE(f->module->requests().size(), heard);
    }

    void aNewExchangeStopsTheOldOne()
    {
        open(QStringLiteral("frm3000MOD"));
        button(0)->click();
        Handshake &h = f->main->handshake();
        QTRY_VERIFY(h.readTimer().isActive());
        // Another window starts its own exchange: the old ticker must not drive it.
        QObject other;
        h.start(ParseMode::SmsConnect, &other, nullptr);
        QVERIFY(!h.answerTimer().isActive());
        QVERIFY(!h.readTimer().isActive());
        QVERIFY(h.identifyTimer().isActive());
        h.stop();
    }
};

QTEST_MAIN(LeavingEarlyTest)
#include "test_leaving_early.moc"
