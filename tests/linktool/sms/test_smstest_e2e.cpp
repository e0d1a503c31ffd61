#include "app/main_window.h"
#include "link/link.h"
#include "link/timing.h"
#include "models/qx3100_smstest.h"
#include "sms/sms_test_tab.h"
#include "ui/open_link.h"

#include "simulator.h"
#include "linktool_support.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace lt;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A module that only knows the SMS test, in the forms the test gives it.
class SmsOnlyModel : public qxsim::Model
{
public:
    void handle(const QByteArray &request, qxsim::ModuleLink &link) override
    {
        sms.handle(request, link, workForm, transForm);
    }
    bool setOption(const QString &key, const QString &value) override { return sms.setOption(key, value); }

    qxsim::Qx3100SmsTest sms;
    int workForm = 1;
    int transForm = 1;
};

// Hands the module's own messages to the simulator's line.
struct SimLink : qxsim::ModuleLink
{
    explicit SimLink(qxsim::Simulator &s) : sim(s) {}
    void reply(const QByteArray &bytes, int delayMs) override { sim.send(bytes, delayMs); }
    void sendUnsolicited(const QByteArray &bytes, int delayMs) override { sim.send(bytes, delayMs); }
    void goSilent(int) override {}
    qxsim::Simulator &sim;
};

} // namespace

// The SMS test tab driven end to end against a simulated module over a pty.
class SmsTestEndToEnd : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;
    std::unique_ptr<qxsim::Simulator> sim;
    SmsOnlyModel *model = nullptr;
    std::unique_ptr<test::MessageRecorder> messages;
    SmsTestTab *tab = nullptr;
    QMdiSubWindow *sub = nullptr;

    template<class T>
    T *box(const char *name) const
    {
        return tab->findChild<T *>(QLatin1String(name));
    }
    QPushButton *button(int i) const { return tab->findChild<QPushButton *>(QStringLiteral("Command21_%1").arg(i)); }
    QStringList logLines() const
    {
        QStringList lines = box<QPlainTextEdit>("Text21_0")->toPlainText().split(QLatin1Char('\n'));
        lines.removeAll(QString());
        return lines;
    }
    void forms(int work, int trans)
    {
        main->link().module().workForm = work;
        main->link().module().transForm = trans;
        model->workForm = work;
        model->transForm = trans;
        tab->prepare();
    }
    void choose(const char *manner)
    {
        main->findChild<QAction *>(QLatin1String(manner))->trigger();
    }
    // Clicks and waits for the request to be on the wire and the buttons back.
    void click(int i)
    {
        const int before = int(sim->requests().size());
        button(i)->click();
        QVERIFY(tab->requestPending());
        QVERIFY(!button(i)->isEnabled());
        QTRY_VERIFY(!tab->requestPending());
        QTRY_COMPARE(int(sim->requests().size()), before + 1);
        QVERIFY(button(i)->isEnabled());
    }

private slots:
    void init()
    {
        test::resetProgramState();
        messages = std::make_unique<test::MessageRecorder>();
        auto m = std::make_unique<SmsOnlyModel>();
        model = m.get();
        sim = std::make_unique<qxsim::Simulator>(std::move(m));
        QVERIFY(sim->start());
        qputenv("QXCOM1", sim->devicePath().toLocal8Bit());
        main = std::make_unique<MainWindow>();
        // The model chooser opens by itself at start; this test plays the QX3100 window instead.
        QTRY_VERIFY(main->findChild<QWidget *>(QStringLiteral("frmMain")));
        main->findChild<QWidget *>(QStringLiteral("frmMain"))->close();
        auto *window = new QWidget;
        tab = new SmsTestTab(*main, window);
        sub = main->addChild(window);
        // As the QX3100 window does while its SMS-test tab is shown: the parser hands the bursts to the tab.
        main->link().registerParser(ParseMode::Qx3100, window, [this](const QByteArray &block) { tab->parse(block); });
        connect(&main->link().port(), &ModulePort::vanished, tab, &SmsTestTab::linkLost);
        QVERIFY(open_link(main->link(), window, QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        main->link().setParseMode(ParseMode::Qx3100);
        timing::setScale(0.1, 250);
        model->sms.setOption(QStringLiteral("sms_loopback_delay"), QStringLiteral("300"));
    }

    void cleanup()
    {
        main.reset();
        sim.reset();
        messages.reset();
    }

    void activeFormatChinese()
    {
        forms(1, 1);
        QVERIFY(box<QLineEdit>("Text22")->isHidden());
        QVERIFY(button(0)->isHidden() && button(1)->isHidden());
        QVERIFY(!box<QLineEdit>("Text21_4")->isHidden());
        QVERIFY(main->findChild<QMenu *>(QStringLiteral("sms_Manner"))->menuAction()->isVisible());
        QVERIFY(model->sms.setOption(QStringLiteral("sms_loopback"), QStringLiteral("1")));
        QVERIFY(model->sms.setOption(QStringLiteral("sms_bursts"), QStringLiteral("2")));

        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("你好"));
        QCOMPARE(main->panelText(MainWindow::SendCountPanel), QStringLiteral("发射区字节数：4"));
        box<QLineEdit>("Text21_4")->setText(QStringLiteral("13800138000"));
        QSignalSpy wire(sim.get(), &qxsim::Simulator::bytesSent);
        click(2);
        QCOMPARE(sim->requests().last(), hex("D701 013800138000 0004 4F60597D"));
        QCOMPARE(tab->answering(), SmsTestTab::Request::Send);
        QTRY_COMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：接收短信"));
        // The message came back in two bursts 150 ms apart: one message, decoded once.
        QTRY_COMPARE(box<QPlainTextEdit>("Text21_2")->toPlainText(), QStringLiteral("你好\n"));
        QCOMPARE(box<QLineEdit>("Text21_3")->text(), QStringLiteral("13800138000"));
        QCOMPARE(wire.count(), 3);
        const QByteArray message = wire.at(1).at(0).toByteArray() + wire.at(2).at(0).toByteArray();
        const QString messageHex = QString::fromLatin1(message.toHex(':').toUpper()) + QLatin1Char(':');
        QCOMPARE(logLines(), (QStringList{QStringLiteral("发射  D7:01:01:38:00:13:80:00:00:04:4F:60:59:7D:"),
                                          QStringLiteral("接收  D7:FA:"),
                                          QStringLiteral("接收  ") + messageHex.left(45), messageHex.mid(45)}));
        QVERIFY(!tab->collectingMessage());
        QTest::qWait(300);
        QCOMPARE(logLines().size(), 4);
    }

    void activeFormatStatusWords()
    {
        forms(1, 1);
        QVERIFY(model->sms.setOption(QStringLiteral("sms_ack"), QStringLiteral("0xFF")));
        choose("englist");
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("OK"));
        box<QLineEdit>("Text21_4")->setText(QStringLiteral("13800138000"));
        click(2);
        QCOMPARE(sim->requests().last(), hex("D801 013800138000 0002 4F4B"));
        QTRY_COMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：没有上网"));
        QCOMPARE(logLines().last(), QStringLiteral("接收  D7:FF:"));
    }

    void activeTransparentEnglish()
    {
        forms(1, 0);
        QVERIFY(box<QLineEdit>("Text21_4")->isHidden());
        QVERIFY(model->sms.setOption(QStringLiteral("sms_loopback"), QStringLiteral("1")));
        choose("englist");
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("Hello"));
        QCOMPARE(main->panelText(MainWindow::SendCountPanel), QStringLiteral("发射区字节数：5"));
        click(2);
        QCOMPARE(sim->requests().last(), QByteArray("Hello"));
        QTRY_COMPARE(box<QPlainTextEdit>("Text21_2")->toPlainText(), QStringLiteral("Hello\n"));
        QCOMPARE(logLines(), (QStringList{QStringLiteral("发射  48:65:6C:6C:6F:"), QStringLiteral("接收  48:65:6C:6C:6F:")}));
        QVERIFY(box<QLineEdit>("Text21_3")->text().isEmpty());
    }

    void passiveFormatExchange()
    {
        forms(0, 1);
        QVERIFY(!box<QLineEdit>("Text22")->isHidden());
        QVERIFY(!button(0)->isHidden() && !button(1)->isHidden());
        QVERIFY(model->sms.setOption(QStringLiteral("sms_loopback"), QStringLiteral("1")));
        box<QLineEdit>("Text22")->setText(QStringLiteral("12:34:"));
        box<QLineEdit>("Text21_4")->setText(QStringLiteral("13800138000"));
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("你好"));
        click(2);
        QCOMPARE(sim->requests().last(), hex("24123457 000E D701 013800138000 0004 4F60597D 0D"));
        QTRY_COMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：格式正确"));
        QCOMPARE(logLines(), (QStringList{QStringLiteral("发射  24:12:34:57:00:0E:D7:01:01:38:00:13:80:00:00:"),
                                          QStringLiteral("04:4F:60:59:7D:0D:"), QStringLiteral("接收  21:12:34:00:")}));

        click(1);
        QCOMPARE(sim->requests().last(), hex("24123457 0000 0D"));
        QCOMPARE(tab->answering(), SmsTestTab::Request::Status);
        QTRY_COMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：发送成功"));
        QCOMPARE(logLines().mid(3), (QStringList{QStringLiteral("发射  24:12:34:57:00:00:0D:"),
                                                 QStringLiteral("接收  21:12:34:00:00:0D:")}));
        // A status code the window does not know is logged and leaves the panel alone.
        QVERIFY(model->sms.setOption(QStringLiteral("sms_status"), QStringLiteral("5")));
        click(1);
        QTRY_COMPARE(logLines().last(), QStringLiteral("接收  21:12:34:00:05:0D:"));
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：发送成功"));

        // The held message, read back in two bursts.
        QVERIFY(model->sms.setOption(QStringLiteral("sms_bursts"), QStringLiteral("2")));
        click(0);
        QCOMPARE(sim->requests().last(), hex("241234520D"));
        QCOMPARE(logLines().last(), QStringLiteral("发射  24:12:34:52:0D:"));
        QTRY_COMPARE(box<QPlainTextEdit>("Text21_2")->toPlainText(), QStringLiteral("你好\n"));
        QCOMPARE(box<QLineEdit>("Text21_3")->text(), QStringLiteral("13800138000"));
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：接收短信"));

        // Nothing held any more.
        click(0);
        QTRY_COMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：读短信空"));
        QCOMPARE(logLines().last(), QStringLiteral("接收  21:12:34:00:00:0D:"));
    }

    void passiveTransparentHex()
    {
        forms(0, 0);
        QVERIFY(model->sms.setOption(QStringLiteral("sms_loopback"), QStringLiteral("1")));
        choose("sendhex");
        auto *send = box<QPlainTextEdit>("Text21_1");
        send->setFocus();
        QTest::keyClicks(send, QStringLiteral("abcdz1"));
        QCOMPARE(send->toPlainText(), QStringLiteral("AB:CD:1"));
        QCOMPARE(main->panelText(MainWindow::SendCountPanel), QStringLiteral("发射区字节数：2"));
        QTest::keyClicks(box<QLineEdit>("Text22"), QStringLiteral("0a1f"));
        QCOMPARE(box<QLineEdit>("Text22")->text(), QStringLiteral("0A:1F:"));
        click(2);
        QCOMPARE(sim->requests().last(), hex("240A1F57 0002 ABCD 0D"));
        QTRY_COMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：格式正确"));
        click(0);
        QTRY_COMPARE(box<QPlainTextEdit>("Text21_2")->toPlainText(), QStringLiteral("AB:CD:\n"));
        QCOMPARE(logLines().last(), QStringLiteral("接收  21:0A:1F:00:01:AB:CD:0D:"));
    }

    void malformedAndUnasked()
    {
        forms(0, 0);
        SimLink link(*sim);
        // "!" before any request: dropped.
        link.reply(hex("2112340000 0D"), 0);
        QTest::qWait(250);
        QVERIFY(logLines().isEmpty());
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：未使用"));
        // A malformed request gets "?".
        box<QLineEdit>("Text22")->setText(QStringLiteral("12:34:"));
        choose("sendhex");
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("AB:"));
        model->transForm = 1;   // the module expects a format frame
        click(2);
        QTRY_COMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：格式错误"));
        QCOMPARE(logLines().last(), QStringLiteral("接收  3F:12:34:"));
    }

    void incomingWithoutRequest()
    {
        forms(1, 1);
        SimLink link(*sim);
        qxsim::Qx3100SmsTest::Message m;
        m.body = hex("4F60597D");
        m.sender = QStringLiteral("13912345678");
        model->sms.deliver(link, m, 1, 1);
        QTRY_COMPARE(box<QPlainTextEdit>("Text21_2")->toPlainText(), QStringLiteral("你好\n"));
        QCOMPARE(box<QLineEdit>("Text21_3")->text(), QStringLiteral("13912345678"));
    }

    void refusals()
    {
        forms(0, 1);
        const auto refused = [&](int i, const QString &text) {
            const int before = int(messages->messages.size());
            button(i)->click();
            QCOMPARE(int(messages->messages.size()), before + 1);
            QCOMPARE(messages->messages.last().text, text);
            QVERIFY(button(i)->isEnabled());
            QVERIFY(!tab->requestPending());
        };
        const QString address = QStringLiteral("您输入的模块地址不正确，请重新输入");
        const QString content = QStringLiteral("您所发射的内容不符合要求， 请输入要发射的内容");
        refused(0, address);
        refused(1, address);
        QCOMPARE(messages->messages.last().title, QStringLiteral("系统提示"));
        refused(2, content);
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("你好"));
        refused(2, address);
        box<QLineEdit>("Text22")->setText(QStringLiteral("12:34:"));
        box<QLineEdit>("Text21_4")->setText(QStringLiteral("1380013800"));
        refused(2, QStringLiteral("您接收方地址不符合要求， 请输入接收方地址"));
        box<QLineEdit>("Text21_4")->setText(QStringLiteral("13800138000"));
        choose("englist");
        QVERIFY(box<QPlainTextEdit>("Text21_1")->toPlainText().isEmpty());
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("café"));
        refused(2, QStringLiteral("英文方式只能发射ASCII字符，请修改要发射的内容"));
        box<QPlainTextEdit>("Text21_1")->setPlainText(QString(32758, QLatin1Char('x')));
        refused(2, QStringLiteral("您所发射的内容太长，最多32767个字节，请减少要发射的内容"));
        choose("sendhex");
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("AB"));
        refused(2, content);
        QCOMPARE(tab->answering(), SmsTestTab::Request::None);

        main->link().port().close();
        refused(0, QStringLiteral("串口没有打开，请先连接模块"));
        QCOMPARE(messages->messages.last().title, QStringLiteral("端口错误"));
        QTest::qWait(100);
        QVERIFY(sim->requests().isEmpty());
    }

    void displayBoxesAndClearMenu()
    {
        forms(1, 1);
        auto *source = box<QPlainTextEdit>("Text21_0");
        QVERIFY(source->isReadOnly());
        QVERIFY(box<QPlainTextEdit>("Text21_2")->isReadOnly());
        QTest::keyClicks(source, QStringLiteral("xy"));
        QVERIFY(source->toPlainText().isEmpty());
        SimLink link(*sim);
        link.reply(hex("D7FA"), 0);
        QTRY_COMPARE(logLines().size(), 1);
        // Chinese mode takes keys as they come.
        auto *send = box<QPlainTextEdit>("Text21_1");
        QTest::keyClicks(send, QStringLiteral("ab"));
        QCOMPARE(send->toPlainText(), QStringLiteral("ab"));
        main->mdi().setActiveSubWindow(sub);
        main->findChild<QAction *>(QStringLiteral("clear_yuan"))->trigger();
        QVERIFY(source->toPlainText().isEmpty());
        main->findChild<QAction *>(QStringLiteral("clear_send"))->trigger();
        QVERIFY(send->toPlainText().isEmpty());
    }

    void dtrAroundARequest()
    {
        forms(1, 0);
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("你好"));
        QElapsedTimer clock;
        QList<QPair<bool, qint64>> dtr;
        bool writtenWhenRaised = false;
        connect(&main->link().port(), &ModulePort::dtrSet, this, [&](bool on) {
            dtr << qMakePair(on, clock.elapsed());
            if (on)
                writtenWhenRaised = !logLines().isEmpty();
        });
        clock.start();
        button(2)->click();
        QCOMPARE(dtr.size(), 1);
        QCOMPARE(dtr[0].first, false);
        QTRY_COMPARE_WITH_TIMEOUT(dtr.size(), 2, 3000);
        // On again once the request is written, the whole pause after it went off.
        QCOMPARE(dtr[1].first, true);
        QVERIFY(writtenWhenRaised);
        const qint64 low = dtr[1].second - dtr[0].second;
        QVERIFY2(low >= timing::interval(2000) - 20, qPrintable(QString::number(low)));
    }

    void linkLostDuringPause()
    {
        forms(1, 0);
        timing::setScale(0.5, 250);   // a pause long enough to lose the line in
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("你好"));
        button(2)->click();
        QVERIFY(tab->requestPending());
        // The window keeps painting and running timers during the pause.
        bool ticked = false;
        QTimer::singleShot(20, this, [&] { ticked = true; });
        QTRY_VERIFY(ticked);
        QVERIFY(tab->requestPending());
        // The port layer notices a pulled cable, closes the port and says so,
        // while the request still waits: nothing is written during the pause,
        // so the read side has to tell (the log would show a request written).
        sim->vanish();
        QTRY_VERIFY_WITH_TIMEOUT(!main->link().port().isOpen(), 500);
        QVERIFY(!tab->requestPending());
        QVERIFY(button(2)->isEnabled());
        QVERIFY2(logLines().isEmpty(), qPrintable(logLines().join(QLatin1Char('|'))));
        QTRY_COMPARE(messages->messages.size(), 1);
        QCOMPARE(messages->messages[0].text, QStringLiteral("串口已断开，请检查连接"));
        QCOMPARE(messages->messages[0].title, QStringLiteral("端口错误"));
        for (QTimer *t : tab->findChildren<QTimer *>())
            QVERIFY2(!t->isActive(), qPrintable(t->objectName()));
        QVERIFY2(test::cpuMillisWhileWaiting(1000) < 300, "the program keeps busy after the module vanished");
        QCOMPARE(messages->messages.size(), 1);
        for (int i = 0; i < 3; ++i)
            QVERIFY(button(i)->isEnabled());

        // A module back behind the same port, the port opened again as the
        // connect window does: the tab talks again.
        sim.reset();
        auto m = std::make_unique<SmsOnlyModel>();
        model = m.get();
        sim = std::make_unique<qxsim::Simulator>(std::move(m));
        QVERIFY(sim->start());
        qputenv("QXCOM1", sim->devicePath().toLocal8Bit());
        QVERIFY(open_link(main->link(), tab, QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
        forms(1, 0);
        timing::setScale(0.1, 250);
        box<QPlainTextEdit>("Text21_1")->setPlainText(QStringLiteral("你好"));
        click(2);
        QTRY_VERIFY(!logLines().isEmpty());
        QCOMPARE(messages->messages.size(), 1);
    }
};

QTEST_MAIN(SmsTestEndToEnd)
#include "test_smstest_e2e.moc"
