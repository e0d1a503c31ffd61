#include "gprs/qx3200_window.h"

#include "app/main_window.h"
#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "ui/network_wait_notice.h"

#include "qx3200_window_fixture.h"
#include "linktool_support.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace lt;

namespace {

const QByteArray kHead = QByteArray::fromHex("1A2A3A4A5A6A7A8A");

QByteArray frame(const char *hex)
{
    return kHead + QByteArray::fromHex(hex);
}

// Command codes of the requests the module heard, in order.
QList<int> codes(const QList<QByteArray> &requests)
{
    QList<int> out;
    for (const QByteArray &r : requests)
        out << byteAt(r, 8);
    return out;
}

} // namespace

class Gprs3200WindowTest : public Qx3200WindowFixture
{
    Q_OBJECT


    qxsim::Simulator &S() { return sim->sim(); }
    QString label1(int i) { return w<QLabel>(QStringLiteral("Label1_%1").arg(i))->text(); }
    QPushButton *button(int i) { return w<QPushButton>(QStringLiteral("Command1_%1").arg(i)); }

    // The connect window's part: port open, working mode chosen, window opened.
    void open(int workMode)
    {
        main->link().port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,2"));
        QCOMPARE(main->link().port().open(), ModulePort::Opened);
        openQx3200Window(*main, WorkMode(workMode));
        QVERIFY(window());
    }

    bool chainRunning()
    {
        return w<QTimer>(QStringLiteral("Timer6"))->isActive() || w<QTimer>(QStringLiteral("Timer2"))->isActive();
    }

    void waitForChain()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!w<QTimer>(QStringLiteral("Timer6"))->isActive(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!chainRunning(), 8000);
        QVERIFY(!window()->replyParser().parameterMode());
        QVERIFY(!readChain()->isRunning());
    }

    void choose(const char *list, int index)
    {
        auto *c = w<QComboBox>(QLatin1String(list));
        c->setCurrentIndex(index);
        c->setEditText(c->itemText(index));
        emit c->activated(index);
    }

    bool allButtonsEnabled()
    {
        for (int i : {0, 2, 4, 5, 6, 8, 9, 10, 11})
            if (button(i)->testAttribute(Qt::WA_ForceDisabled))
                return false;
        return true;
    }

private slots:
    void init() { setUpWindowTest(); }
    void cleanup() { tearDownWindowTest(); }

    void activeTransparentChain()
    {
        sim->set("f8", "1");
        sim->set("f9", "0");
        sim->set("submode", "0");
        sim->set("power", "1");
        sim->set("addr-start", "3");
        sim->set("addr-length", "2");
        sim->set("group-max", "200");
        sim->set("addr-type", "1");
        open(1);
        QCOMPARE(w<QTabWidget>("SSTab1")->currentIndex(), 0);
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：COM1--9600,n,8,2"));
        QCOMPARE(w<QComboBox>("Combo7")->currentText(), QStringLiteral("9600bps"));
        QVERIFY(w<QRadioButton>("Option10")->isChecked() && w<QRadioButton>("Option5")->isChecked());
        QVERIFY(!w<QComboBox>("Combo2")->isEnabled());
        // Page 2 belongs to address setting.
        w<QTabWidget>("SSTab1")->setCurrentIndex(2);
        QCOMPARE(w<QTabWidget>("SSTab1")->currentIndex(), 1);

        QTRY_VERIFY(!allButtonsEnabled());
        waitForChain();
        QCOMPARE(codes(S().requests()), (QList<int>{0xF4, 0xEC, 0xF6, 0xE4, 0xD3, 0xD2, 0xDB, 0xF8, 0xF9, 0xF3, 0xFB, 0xE1}));
        QCOMPARE(label1(0), QStringLiteral("12:34:"));
        QCOMPARE(label1(27), QStringLiteral("56:78:"));
        QCOMPARE(w<QLineEdit>("Text3")->text(), QStringLiteral("234"));
        QCOMPARE(label1(3), QStringLiteral("300秒"));
        QCOMPARE(w<QLabel>("Label5")->text(), QStringLiteral("5"));
        QCOMPARE(w<QLabel>("Label7")->text(), QStringLiteral("有省电"));
        QCOMPARE(w<QLabel>("Label8")->text(), QStringLiteral("1.2s   10s"));
        QCOMPARE(w<QLabel>("Label10")->text(), QStringLiteral("模式1"));
        QCOMPARE(label1(4), QStringLiteral("主动方式"));
        QCOMPARE(label1(5), QStringLiteral("透明传输"));
        QCOMPARE(label1(1), QStringLiteral("00:00:"));
        QCOMPARE(label1(6), QStringLiteral("方式2"));
        QCOMPARE(label1(7), QStringLiteral("3"));
        QCOMPARE(label1(33), QStringLiteral("200"));
        QCOMPARE(label1(34), QStringLiteral("16进制"));
        // The lists followed, and the address boxes show what was read.
        QCOMPARE(w<QComboBox>("Combo3")->count(), 2);
        QCOMPARE(w<QComboBox>("Combo4")->currentText(), QStringLiteral("16进制"));
        QVERIFY(w<QComboBox>("Combo4")->isEnabled());
        QCOMPARE(w<QLineEdit>("Text5")->text(), QStringLiteral("3"));
        QCOMPARE(w<QLineEdit>("Text7")->text(), QStringLiteral("200"));
        QVERIFY(allButtonsEnabled());
        QVERIFY(rec->messages.isEmpty());

        // Working mode with "透明传输" and "方式2": four writes a second apart.
        S().clearRequests();
        button(10)->click();
        QVERIFY(!button(4)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled(), 4000);
        QCOMPARE(S().requests(), (QList<QByteArray>{frame("F801 01"), frame("F901 00"), frame("FB01 00"),
                                                    frame("E101 03 02 C8 01")}));
    }

    void passiveFormatChainAndWrites()
    {
        sim->set("f8", "0");
        sim->set("f9", "1");
        sim->set("passive", "0x3035");
        open(0);
        QCOMPARE(w<QTabWidget>("SSTab1")->currentIndex(), 2);
        w<QTabWidget>("SSTab1")->setCurrentIndex(1);
        QCOMPARE(w<QTabWidget>("SSTab1")->currentIndex(), 2);
        waitForChain();
        QCOMPARE(codes(S().requests()), (QList<int>{0xF4, 0xEC, 0xF6, 0xE4, 0xD3, 0xF8, 0xE2, 0xF9}));
        QCOMPARE(w<QLabel>("Label7")->text(), QStringLiteral("无省电"));
        QCOMPARE(label1(4), QStringLiteral("被动方式"));
        QCOMPARE(label1(30), QStringLiteral("30:35:"));
        QCOMPARE(w<QLineEdit>("Text9")->text(), QStringLiteral("05"));
        QCOMPARE(label1(5), QStringLiteral("格式传输"));
        QCOMPARE(label1(1), QStringLiteral("**:**:"));   // not read in format transfer
        QCOMPARE(w<QComboBox>("Combo3")->count(), 1);
        QVERIFY(!w<QComboBox>("Combo3")->isEnabled());
        QCOMPARE(main->link().module().workForm, 0);
        QCOMPARE(main->link().module().transForm, 1);

        // Working mode with "格式传输": F8 then F9, one (scaled) second apart.
        S().clearRequests();
        QElapsedTimer clock;
        QList<qint64> at;
        connect(&sim->sim(), &qxsim::Simulator::requestReceived, this, [&] { at << clock.elapsed(); });
        clock.start();
        button(10)->click();
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled(), 4000);
        QCOMPARE(S().requests(), (QList<QByteArray>{frame("F801 00"), frame("F901 01")}));
        QVERIFY2(at.value(1) - at.value(0) >= 200, qPrintable(QString::number(at.value(1) - at.value(0))));

        // "不省电" sends D3 alone and gives the buttons back on the next tick.
        S().clearRequests();
        w<QRadioButton>("Option4")->setChecked(true);
        button(9)->click();
        QVERIFY(!button(0)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled(), 2000);
        QCOMPARE(S().requests(), QList<QByteArray>{frame("D301 00")});

        // Heartbeat and restart count, then read back by a refresh.
        S().clearRequests();
        w<QLineEdit>("Text4")->setText(QStringLiteral("510"));
        w<QLineEdit>("Text10")->setText(QStringLiteral("7"));
        button(2)->click();
        QTRY_COMPARE_WITH_TIMEOUT(S().requests().size(), 2, 3000);
        QCOMPARE(S().requests(), (QList<QByteArray>{frame("F601 01FE"), frame("E401 07")}));
        QTRY_VERIFY(allButtonsEnabled());
        // The answer to E4 must be in first: the read chain would take it for its own.
        QTest::qWait(200);
        button(4)->click();
        waitForChain();
        QCOMPARE(label1(3), QStringLiteral("510秒"));
        QCOMPARE(w<QLabel>("Label5")->text(), QStringLiteral("7"));

        // Passive address, serial line and target address go out at once.
        S().clearRequests();
        w<QLineEdit>("Text9")->setText(QStringLiteral("7"));
        button(11)->click();
        QTRY_COMPARE(S().requests().size(), 1);
        w<QRadioButton>("Option9")->setChecked(true);
        button(8)->click();
        QTRY_COMPARE(S().requests().size(), 2);
        w<QLineEdit>("Text8")->setText(QStringLiteral("2"));
        w<QLineEdit>("Text1_0")->setText(QStringLiteral("345"));
        button(6)->click();
        QTRY_COMPARE(S().requests().size(), 3);
        QCOMPARE(S().requests(), (QList<QByteArray>{frame("E201 3037"), frame("F201 06 1F 1F"), frame("F301 2345")}));
    }

    void addressTypeWidensTheLengthBeforeItIsShown()
    {
        sim->set("f8", "1");
        sim->set("f9", "0");
        sim->set("submode", "0");
        sim->set("addr-length", "2");
        sim->set("addr-type", "1");   // 16进制: lengths up to 2
        open(1);
        waitForChain();
        QCOMPARE(w<QLineEdit>("Text6")->text(), QStringLiteral("2"));
        // Now ASCII with length 4: the range must be widened before the value goes in.
        sim->set("addr-length", "4");
        sim->set("addr-type", "0");
        button(4)->click();
        waitForChain();
        QCOMPARE(w<QComboBox>("Combo4")->currentText(), QStringLiteral("ASCII"));
        QCOMPARE(label1(8), QStringLiteral("4"));
        QCOMPARE(w<QLineEdit>("Text6")->text(), QStringLiteral("4"));
        QCOMPARE(w<QScrollBar>("VScroll4")->value(), -4);
        S().clearRequests();
        button(10)->click();
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled(), 4000);
        QCOMPARE(S().requests().value(3).mid(10, 4), QByteArray::fromHex("00 04 0A 00"));
    }

    void heartbeatSequenceLocksTheButtons()
    {
        open(1);
        waitForChain();
        S().clearRequests();
        button(2)->click();
        // A refresh in the second between F6 and E4 would break both sequences.
        for (int i : {0, 2, 4, 5, 6, 8, 9, 10, 11})
            QVERIFY2(!button(i)->isEnabled(), qPrintable(QString::number(i)));
        QTRY_COMPARE_WITH_TIMEOUT(S().requests().size(), 2, 3000);
        QCOMPARE(S().requests(), (QList<QByteArray>{frame("F601 012C"), frame("E401 05")}));
        QTRY_VERIFY(allButtonsEnabled());
    }

    void refusedInput()
    {
        open(1);
        waitForChain();
        S().clearRequests();
        w<QLineEdit>("Text3")->setText(QStringLiteral("23"));
        button(0)->click();
        QVERIFY(rec->saw(QStringLiteral("您输入站点号错误，站点号是 3 位")));
        QVERIFY(!window()->replyParser().parameterMode());
        w<QLineEdit>("Text2")->clear();
        button(0)->click();
        QVERIFY(rec->saw(QStringLiteral("您还没有输入工程号")));
        w<QLineEdit>("Text8")->clear();
        button(6)->click();
        QCOMPARE(rec->count(QStringLiteral("您还没有输入工程号")), 2);
        // Working mode still at "无".
        w<QComboBox>("Combo1")->setEditText(QStringLiteral("无"));
        button(10)->click();
        QVERIFY(rec->saw(QStringLiteral("模块设置时参数不全")));
        QVERIFY(allButtonsEnabled());
        w<QLineEdit>("Text9")->clear();
        button(11)->click();
        QVERIFY(rec->saw(QStringLiteral("您还没有输入被动方式地址")));
        w<QLineEdit>("Text10")->setText(QStringLiteral("256"));
        button(2)->click();
        QVERIFY(rec->saw(QStringLiteral("模块重起次数必须在 0 到 255 之间")));
        w<QRadioButton>("Option3")->setChecked(true);
        w<QLineEdit>("Text11")->setText(QStringLiteral("30000000"));
        button(9)->click();
        QVERIFY(rec->saw(QStringLiteral("醒后时间必须在 0 到 26214000 毫秒之间")));
        QVERIFY(!w<QTimer>("Timer5")->isActive());
        QVERIFY(!w<QTimer>("Timer1")->isActive());
        // Length before type.
        w<QScrollBar>("VScroll4")->setValue(-2);
        QVERIFY(rec->saw(QStringLiteral("您必须选择地址的类型才可以选择地址的长度")));
        QTest::qWait(300);
        QVERIFY(S().requests().isEmpty());
        QVERIFY(allButtonsEnabled());
    }

    void identityOutcomes_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("operations");
        QTest::newRow("accepted") << 0 << QStringLiteral("模块身份地址设置成功") << QList<int>{1};
        QTest::newRow("refused") << 1 << QStringLiteral("对不起，模块身份地址设置失败") << QList<int>{1};
        QTest::newRow("taken") << 2 << QStringLiteral("模块身份地址设置成功") << QList<int>{1, 2};
        QTest::newRow("offline") << 3 << QStringLiteral("对不起，您的模块没有上网") << QList<int>{1};
        QTest::newRow("status") << 4 << QStringLiteral("模块身份地址设置成功") << QList<int>{1, 1};
    }

    void identityOutcomes()
    {
        QFETCH(int, result);
        QFETCH(QString, text);
        QFETCH(QList<int>, operations);
        sim->set("slave-result", QString::number(result));
        sim->set("slave-delay-ms", "50");
        // A module that keeps quiet ends the start-up chain at once.
        S().faults().silent = true;
        open(0);
        waitForChain();
        S().faults().silent = false;
        S().clearRequests();
        w<QLineEdit>("Text2")->setText(QStringLiteral("9"));
        w<QLineEdit>("Text3")->setText(QStringLiteral("876"));
        button(0)->click();
        QVERIFY(window()->findChild<NetworkWaitNotice *>());
        QTRY_VERIFY_WITH_TIMEOUT(rec->saw(text), 3000);
        QTRY_VERIFY(!window()->findChild<NetworkWaitNotice *>());
        QCOMPARE(rec->messages.size(), result == 2 ? 2 : 1);
        if (result == 2)
            QCOMPARE(rec->messages.first().text, QStringLiteral("您设置的身份地址已经被占用，要替换它吗？"));
        QList<int> seen;
        for (const QByteArray &r : S().requests()) {
            QCOMPARE(r.mid(10), QByteArray::fromHex("9876"));
            seen << byteAt(r, 9);
        }
        QCOMPARE(seen, operations);
        QVERIFY(!window()->replyParser().identityPending());
        if (result == 2) {
            button(4)->click();
            waitForChain();
            QCOMPARE(label1(0), QStringLiteral("98:76:"));
        }
    }

    void sequencesKeepTheirSpacing()
    {
        sim->set("f8", "1");
        sim->set("f9", "1");
        open(1);
        waitForChain();
        // Half speed, no floor: the heartbeat's first write after 25 ms and the
        // others' first tick after 50, then the writes 500 ms apart and the reads 200.
        timing::setScale(0.5, 0);
        auto ticks = [&](const char *name, const std::function<void()> &start) {
            QElapsedTimer clock;
            QList<qint64> at;
            auto *timer = w<QTimer>(QLatin1String(name));
            const auto c = connect(timer, &QTimer::timeout, this, [&] { at << clock.elapsed(); });
            clock.start();
            start();
            [&] { QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000); }();
            disconnect(c);
            return at;
        };
        // A timer may be a little early; a loaded machine makes it late.
        auto spaced = [](const QList<qint64> &at, int first, int then) {
            auto near = [](qint64 v, int ms) { return v >= ms * 95 / 100 - 2 && v <= ms * 105 / 100 + 150; };
            if (at.size() < 2 || !near(at[0], first))
                return false;
            for (int i = 1; i < at.size(); ++i)
                if (!near(at[i] - at[i - 1], then))
                    return false;
            return true;
        };
        auto text = [](const QList<qint64> &at) {
            QStringList out;
            for (qint64 v : at)
                out << QString::number(v);
            return out.join(QLatin1Char(' '));
        };

        // F6 and E4, done with the second.
        const QList<qint64> heartbeat = ticks("Timer1", [&] { button(2)->click(); });
        QCOMPARE(heartbeat.size(), 2);
        QVERIFY2(spaced(heartbeat, 25, 500), qPrintable(text(heartbeat)));

        // F8 and F9, done a tick later.
        const QList<qint64> workMode = ticks("Timer4", [&] { button(10)->click(); });
        QCOMPARE(workMode.size(), 3);
        QVERIFY2(spaced(workMode, 50, 500), qPrintable(text(workMode)));

        // D3 alone, done a tick later.
        w<QRadioButton>("Option4")->setChecked(true);
        const QList<qint64> saving = ticks("Timer5", [&] { button(9)->click(); });
        QCOMPARE(saving.size(), 2);
        QVERIFY2(spaced(saving, 50, 500), qPrintable(text(saving)));

        // An active module in format transfer: eight reads, and the tick that ends the chain.
        S().clearRequests();
        const QList<qint64> reads = ticks("Timer2", [&] { button(4)->click(); });
        QCOMPARE(codes(S().requests()), (QList<int>{0xF4, 0xEC, 0xF6, 0xE4, 0xD3, 0xF8, 0xF9}));
        QCOMPARE(reads.size(), 8);
        QVERIFY2(spaced(reads, 50, 200), qPrintable(text(reads)));
    }

    // An identity write leaves parameter replies expected until the next read
    // chain ends, so the module's answers to the writes that follow are read
    // as parameter replies: they must not steer those writes.
    void writesAfterAnIdentityWriteRunToTheirEnd()
    {
        sim->set("slave-delay-ms", "50");
        open(0);
        waitForChain();
        w<QLineEdit>("Text2")->setText(QStringLiteral("9"));
        w<QLineEdit>("Text3")->setText(QStringLiteral("876"));
        button(0)->click();
        QTRY_VERIFY_WITH_TIMEOUT(rec->saw(QStringLiteral("模块身份地址设置成功")), 3000);
        QVERIFY(window()->replyParser().parameterMode());

        S().clearRequests();
        button(2)->click();
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled(), 3000);
        // The buttons come back as the last frame is written: it may still be on its way.
        QTRY_COMPARE_WITH_TIMEOUT(S().requests().size(), 2, 3000);
        QCOMPARE(S().requests(), (QList<QByteArray>{frame("F601 012C"), frame("E401 05")}));

        S().clearRequests();
        choose("Combo1", 0);
        choose("Combo2", 0);
        button(10)->click();
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled(), 4000);
        QCOMPARE(S().requests(), (QList<QByteArray>{frame("F801 01"), frame("F901 01")}));

        S().clearRequests();
        w<QRadioButton>("Option3")->setChecked(true);
        w<QRadioButton>("Option8")->setChecked(true);
        button(9)->click();
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled(), 5000);
        QCOMPARE(S().requests(),
                 (QList<QByteArray>{frame("D301 01"), frame("DB01 01000000"), frame("D201 0002 0019")}));
    }

    // What the window makes of the module's identity replies, once the parser's pass is over.
    void identityRepliesAreSaid()
    {
        S().faults().silent = true;   // nothing answers: only the replies given here count
        open(0);
        waitForChain();
        qx3200::ReplyParser &parser = window()->replyParser();
        QTimer *retry = w<QTimer>("Timer7");
        QTimer *replace = w<QTimer>("Timer3");
        auto feed = [&](const char *hex) {
            parser.setParameterMode(true);
            main->link().dispatch(frame(hex));
            QCOMPARE(parser.state(), qint16(0));
            QCoreApplication::sendPostedEvents();
        };

        parser.setIdentityPending(true);
        feed("FD03");
        QVERIFY(retry->isActive());
        retry->stop();
        parser.setIdentityPending(false);
        feed("FD03");
        QVERIFY(!retry->isActive());
        QVERIFY(rec->messages.isEmpty());
        feed("FD01");
        QVERIFY(rec->saw(QStringLiteral("模块初始化已经完成，您可以接收和发射数据了")));
        QCOMPARE(rec->messages.last().title, QStringLiteral("提示信息"));

        parser.setIdentityPending(true);
        feed("F4FA");
        QVERIFY(!parser.identityPending());
        QCOMPARE(rec->messages.last().text, QStringLiteral("模块身份地址设置成功"));
        QCOMPARE(rec->messages.last().title, QStringLiteral("系统提示"));

        parser.setIdentityPending(true);
        feed("F4FC");
        QVERIFY(!parser.identityPending());
        QCOMPARE(rec->messages.last().text, QStringLiteral("对不起，模块身份地址设置失败"));
        QCOMPARE(rec->messages.last().title, QStringLiteral("错误提示"));

        parser.setIdentityPending(true);
        feed("F40A");
        QVERIFY(!parser.identityPending());
        QCOMPARE(rec->messages.last().text, QStringLiteral("对不起，您的模块没有上网"));

        // Taken: the user is asked; No ends the wait, Yes writes again replacing the owner.
        parser.setIdentityPending(true);
        rec->answers = {QMessageBox::No, QMessageBox::Yes};
        feed("F408");
        QCOMPARE(rec->messages.last().text, QStringLiteral("您设置的身份地址已经被占用，要替换它吗？"));
        QVERIFY(!replace->isActive());
        QVERIFY(!parser.identityPending());
        // A later status 03 must not send again the write the user declined.
        feed("FD03");
        QVERIFY(!retry->isActive());
        parser.setIdentityPending(true);   // the user writes again
        feed("F408");
        QVERIFY(replace->isActive());
        QVERIFY(parser.identityPending());
        QVERIFY(!readChain()->isRunning());
    }

    // What the window last read is kept as settings; where the page shows
    // every value a button writes, the button writes back what the settings
    // model makes of that read.
    void lastReadIsKeptAndWrittenBack()
    {
        sim->set("f8", "1");
        sim->set("f9", "0");
        sim->set("submode", "0");
        sim->set("addr-start", "3");
        sim->set("addr-length", "2");
        sim->set("group-max", "200");
        sim->set("addr-type", "2");
        sim->set("target", "0x2345");
        sim->set("heartbeat", "600");
        open(1);
        waitForChain();
        const qx3200::Settings read = window()->lastRead();
        QCOMPARE(read.heartbeat_seconds, 600);
        QCOMPARE(label1(3), QStringLiteral("600秒"));
        QCOMPARE(read.target_project, QStringLiteral("2"));
        QCOMPARE(read.target_site, QStringLiteral("345"));
        QCOMPARE(read.work_form, WorkForm::Active);
        QCOMPARE(read.transparent_mode, qx3200::TransparentMode::Mode2);
        QCOMPARE(read.address_type, AddressType::Bcd);
        QVERIFY(read.internal_code);

        const std::pair<qx3200::Group, int> writes[] = {{qx3200::Group::Target, 6}, {qx3200::Group::WorkMode, 10}};
        for (const auto &[group, index] : writes) {
            const QList<QByteArray> expected = qx3200::writeGroup(group, read).frames;
            QVERIFY(!expected.isEmpty());
            S().clearRequests();
            button(index)->click();
            QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled() && S().requests().size() >= expected.size(), 5000);
            QCOMPARE(S().requests(), expected);
        }

        // A refresh starts a new read: from a module that answers nothing,
        // only the internal code the display keeps is left.
        S().faults().silent = true;
        button(4)->click();
        waitForChain();
        qx3200::Settings left;
        left.internal_code = read.internal_code;
        QCOMPARE(window()->lastRead(), left);
    }

    // The lists hand out the value each entry carries: new captions change no frame.
    void captionsDecideNoFrame()
    {
        open(1);
        waitForChain();
        for (const char *name : {"Combo1", "Combo2", "Combo3", "Combo4"}) {
            auto *list = w<QComboBox>(QLatin1String(name));
            for (int i = 0; i < list->count(); ++i)
                list->setItemText(i, QStringLiteral("entry %1").arg(list->count() - i));
        }
        auto entryOf = [&](const char *name, int value) {
            const int index = w<QComboBox>(QLatin1String(name))->findData(value);
            if (index < 0)
                qFatal("no entry %d in %s", value, name);
            return index;
        };
        choose("Combo1", entryOf("Combo1", int(WorkForm::Active)));
        choose("Combo2", entryOf("Combo2", int(TransForm::Transparent)));
        choose("Combo3", entryOf("Combo3", int(qx3200::TransparentMode::Mode2)));
        choose("Combo4", entryOf("Combo4", int(AddressType::Bcd)));
        S().clearRequests();
        button(10)->click();
        QTRY_VERIFY_WITH_TIMEOUT(allButtonsEnabled() && S().requests().size() >= 4, 5000);
        QCOMPARE(codes(S().requests()), (QList<int>{0xF8, 0xF9, 0xFB, 0xE1}));
        QCOMPARE(byteAt(S().requests().at(0), 10), 1);
        QCOMPARE(byteAt(S().requests().at(1), 10), 0);
        QCOMPARE(byteAt(S().requests().at(2), 10), 0);
        QCOMPARE(byteAt(S().requests().at(3), 13), 2);
    }

    void exitReleasesThePort()
    {
        open(1);
        waitForChain();
        button(5)->click();
        QTRY_VERIFY(!window());
        QVERIFY(!main->link().port().isOpen());
        QCOMPARE(main->panelText(MainWindow::PortPanel), QStringLiteral("串口：未使用"));
    }
};

QTEST_MAIN(Gprs3200WindowTest)
#include "test_gprs3200_window.moc"
