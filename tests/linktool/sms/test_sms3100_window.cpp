#include "sms3100_fixture.h"

#include "qx3100/settings.h"
#include "sms/info_panel.h"
#include "sms/sms_test_tab.h"
#include "ui/message_box.h"
#include "ui/strings.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

using namespace lt;

class Sms3100WindowTest : public QObject
{
    Q_OBJECT
    sms3100::Fixture f;

    QString label(const char *name) { return f.control<QLabel>(QLatin1String(name))->text(); }
    QLineEdit *edit(const char *name) { return f.control<QLineEdit>(QLatin1String(name)); }
    QComboBox *combo(const char *name) { return f.control<QComboBox>(QLatin1String(name)); }
    QRadioButton *option(int i) { return f.control<QRadioButton>(QStringLiteral("Option%1").arg(i)); }

    // Clicks a set button and returns what the module heard.
    QStringList click(int command)
    {
        f.forget();
        f.command(command)->click();
        QTest::qWait(120);
        return f.heard();
    }

private slots:
    void init() { f.start(); }
    void cleanup() { f.stop(); }

    void openingReadsTheWholePath()
    {
        openQx3100Window(*f.main);
        auto *w = f.window();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("短信模块参数设置"));
        QCOMPARE(f.main->link().parseMode(), ParseMode::Qx3100);
        QCOMPARE(f.main->panelText(MainWindow::PortPanel), QStringLiteral("串口：COM1--9600,n,8,1"));
        QCOMPARE(edit("Text5")->text(), QStringLiteral("1"));
        // Opening a second time keeps the one window.
        openQx3100Window(*f.main);
        QCOMPARE(f.main->findChildren<Qx3100Window *>().size(), 1);
        // Locked while the sequence runs.
        QTRY_VERIFY_WITH_TIMEOUT(!f.command(8)->isEnabled(), 3000);
        QVERIFY(!f.control(QStringLiteral("SSTab1"))->isEnabled());
        f.waitIdle();
        QVERIFY(f.command(8)->isEnabled());

        // Default module: password used, passive form, format transfer, power saving on.
        QCOMPARE(f.heard(), (QStringList{"EC03", "A302", "A103", "A10101", "F103", "F803", "E203", "F903", "D303",
                                         "D203", "DB03"}));
        QCOMPARE(label("Label8"), QStringLiteral("13800000000"));
        QCOMPARE(label("Label7"), QStringLiteral("9600bps"));
        QCOMPARE(label("Label12"), QStringLiteral("60"));
        QCOMPARE(edit("Text4")->text(), QStringLiteral("60"));
        QCOMPARE(label("Label10"), QStringLiteral("有密码"));
        QVERIFY(option(1)->isChecked());
        QCOMPARE(label("Label5"), QStringLiteral("12:34:56:78:"));
        QCOMPARE(label("Label3"), QStringLiteral("被动方式"));
        QCOMPARE(combo("Combo1")->currentText(), QStringLiteral("被动形式"));
        QCOMPARE(label("Label9"), QStringLiteral("00:01:"));
        QCOMPARE(edit("Text3")->text(), QStringLiteral("00:01:"));
        QCOMPARE(label("Label4"), QStringLiteral("格式传输"));
        QCOMPARE(f.main->link().module().workForm, 0);
        QCOMPARE(f.main->link().module().transForm, 1);
        QCOMPARE(label("Label19"), QStringLiteral("有省电"));
        QCOMPARE(label("Label22"), QStringLiteral("0.8s   10s"));
        QCOMPARE(edit("Text11")->text(), QStringLiteral("800"));
        QCOMPARE(edit("Text13")->text(), QStringLiteral("10000"));
        QCOMPARE(label("Label30"), QStringLiteral("模式1"));
        QVERIFY(option(7)->isChecked());
        QCOMPARE(label("Label6"), QStringLiteral("***********"));
        QCOMPARE(label("Label13"), QStringLiteral("********"));
    }

    void shortPathsKeepPlaceholders()
    {
        f.sim->set(QStringLiteral("a1"), QStringLiteral("00"));
        f.sim->set(QStringLiteral("f8"), QStringLiteral("1"));
        f.sim->set(QStringLiteral("f9"), QStringLiteral("0"));
        f.sim->set(QStringLiteral("fb"), QStringLiteral("00"));
        f.sim->set(QStringLiteral("e1"), QStringLiteral("03020A02"));
        f.sim->set(QStringLiteral("d3"), QStringLiteral("00"));
        f.openAndSettle();
        QCOMPARE(f.heard(), (QStringList{"EC03", "A302", "A103", "A10100", "F803", "F903", "FB03", "E103", "D303"}));
        QCOMPARE(label("Label5"), QStringLiteral("**:**:**:**:"));
        QCOMPARE(label("Label9"), QStringLiteral("**:**:"));
        QCOMPARE(label("Label3"), QStringLiteral("主动方式"));
        QVERIFY(!edit("Text3")->isEnabled());
        QCOMPARE(label("Label4"), QStringLiteral("透明方式2"));
        QCOMPARE(label("Label15"), QStringLiteral("3"));
        QCOMPARE(label("Label16"), QStringLiteral("2"));
        QCOMPARE(label("Label17"), QStringLiteral("10"));
        QCOMPARE(label("Label18"), QStringLiteral("BCD码"));
        QCOMPARE(combo("Combo4")->currentText(), QStringLiteral("BCD码"));
        QCOMPARE(label("Label19"), QStringLiteral("无省电"));
        QCOMPARE(label("Label22"), QStringLiteral("**"));
        QCOMPARE(label("Label30"), QStringLiteral("**"));
        QVERIFY(option(6)->isChecked());

        // Transparent mode 1 reads the receiver number instead; a refresh puts the placeholders back first.
        f.sim->set(QStringLiteral("fb"), QStringLiteral("01"));
        f.sim->set(QStringLiteral("a2"), QStringLiteral("013912345678"));
        f.sim->set(QStringLiteral("e1"), QStringLiteral("03020A07"));
        f.forget();
        f.command(8)->click();
        QCOMPARE(label("Label4"), QStringLiteral("* * * *"));
        f.waitIdle();
        QCOMPARE(f.heard(), (QStringList{"EC03", "A302", "A103", "F803", "F903", "FB03", "A203", "D303"}));
        QCOMPARE(label("Label4"), QStringLiteral("透明方式1"));
        QCOMPARE(label("Label6"), QStringLiteral("13912345678"));
        QCOMPARE(edit("Text2")->text(), QStringLiteral("13912345678"));
        QCOMPARE(label("Label15"), QStringLiteral("**"));
    }

    void missingAnswerEndsTheSequence()
    {
        (*f.sim)->faults().silent = true;
        f.openAndSettle();
        QCOMPARE(f.heard(), QStringList{"EC03"});
        QCOMPARE(label("Label8"), QStringLiteral("***********"));
        QVERIFY(f.command(5)->isEnabled());
    }

    void setButtons()
    {
        f.openQuick();
        edit("Text4")->setText(QStringLiteral("60"));
        QCOMPARE(click(7), QStringList{"A30100002EE0"});
        combo("Combo3")->setEditText(QStringLiteral("9600"));
        QCOMPARE(click(6), QStringList{"F20100"});
        combo("Combo3")->setCurrentIndex(8);
        QCOMPARE(click(6), QStringList{"F2010B"});
        QCOMPARE(f.model().baudCode(), 11);

        edit("Text3")->clear();
        QTest::keyClicks(edit("Text3"), QStringLiteral("12ab"));
        QCOMPARE(edit("Text3")->text(), QStringLiteral("12:AB:"));
        QCOMPARE(click(4), QStringList{"E2011 2AB"}.replaceInStrings(" ", ""));
        QTRY_COMPARE(label("Label9"), QStringLiteral("12:AB:"));

        edit("Text1")->setText(QStringLiteral("0A:1B:2C:3D:"));
        QCOMPARE(click(2), QStringList{"F1010A1B2C3D"});
        QTRY_COMPARE(label("Label5"), QStringLiteral("0A:1B:2C:3D:"));
        edit("Text2")->setText(QStringLiteral("13912345678"));
        QCOMPARE(click(3), QStringList{"A201013912345678"});
        option(2)->click();
        QTest::qWait(120);
        QCOMPARE(f.model().param(0xA1), QByteArray(1, '\0'));
        QCOMPARE(click(1), QStringList{"A10100"});

        // The model button sends nothing until a model is chosen.
        QCOMPARE(click(9), QStringList{});
        option(3)->click();
        QCOMPARE(click(9), QStringList{"D10102"});
        QCOMPARE(f.model().moduleType(), 2);
        option(4)->click();
        QCOMPARE(click(9), QStringList{"D10101"});
    }

    void shortTextsAreRefused()
    {
        f.openQuick();
        struct Case {
            const char *box;
            const char *text;
            int command;
            const char *message;
        } cases[] = {
            {"Text1", "12:34:56:7", 2, "您输入的短信密码不正确"},
            {"Text2", "1391234567", 3, "您输入的接收方号码不正确"},
            {"Text3", "12:A", 4, "您输入的模块地址不正确"},
            {"Text4", "abc", 7, "您输入的重起时间不正确"},
            {"Text4", "20000000", 7, "您输入的重起时间不正确"},
        };
        for (const Case &c : cases) {
            edit(c.box)->setText(QString::fromUtf8(c.text));
            QCOMPARE(click(c.command), QStringList{});
            QVERIFY2(f.messages->saw(QString::fromUtf8(c.message)), c.box);
            QCOMPARE(edit(c.box)->text(), QString::fromUtf8(c.text));
        }
    }

    void workModeSequence()
    {
        f.openQuick();
        // Nothing chosen: told at once, nothing sent, nothing locked.
        combo("Combo1")->setEditText(QStringLiteral("无"));
        QCOMPARE(click(5), QStringList{});
        QVERIFY(f.messages->saw(QStringLiteral("你必须选择需要的工作方式")));
        QVERIFY(f.command(5)->isEnabled());
        combo("Combo1")->setCurrentIndex(0);
        combo("Combo2")->setEditText(QStringLiteral("无"));
        QCOMPARE(click(5), QStringList{});
        QVERIFY(f.messages->saw(QStringLiteral("你必须选择需要的传输方式")));

        // "透明2" typed: F8, F9 with 0, then E1 from the spinners (not from the boxes).
        combo("Combo2")->setEditText(QStringLiteral("透明2"));
        QVERIFY(combo("Combo4")->isEnabled());
        combo("Combo4")->setCurrentIndex(2);
        f.control<QScrollBar>(QStringLiteral("VS1"))->setValue(3);
        QCOMPARE(edit("Text5")->text(), QStringLiteral("3"));
        f.control<QScrollBar>(QStringLiteral("VS3"))->setValue(255);
        edit("Text6")->setText(QStringLiteral("77"));
        f.forget();
        f.command(5)->click();
        QVERIFY(!f.command(5)->isEnabled());
        f.waitIdle();
        QCOMPARE(f.heard(), (QStringList{"F80101", "F90100", "E10103 01FF02"}.replaceInStrings(" ", "")));
        QVERIFY(f.command(5)->isEnabled());
        QCOMPARE(f.model().param(0xE1), QByteArray::fromHex("0301FF02"));

        combo("Combo1")->setCurrentIndex(1);
        combo("Combo2")->setCurrentIndex(1);
        QVERIFY(!combo("Combo4")->isEnabled());
        f.forget();
        f.command(5)->click();
        f.waitIdle();
        QCOMPARE(f.heard(), (QStringList{"F80100", "F90100"}));
        QCOMPARE(f.main->link().module().workForm, 0);
    }

    void listEntriesCarryTheirValues()
    {
        f.openQuick();
        combo("Combo1")->setCurrentIndex(0);
        // Each entry of the address type list, found by its text, sends its own code;
        // a text that names none (the initial one) sends ASCII.
        const std::pair<const char *, const char *> types[] = {{"16进制", "01"}, {"R50模式", "03"}, {"无", "00"}};
        for (auto [text, code] : types) {
            // The module's answer to F9 chooses "透明1": mode 2 is typed again each time.
            combo("Combo2")->setEditText(QStringLiteral("透明2"));
            combo("Combo4")->setEditText(QString::fromUtf8(text));
            f.forget();
            f.command(5)->click();
            f.waitIdle();
            QCOMPARE(f.heard().value(2), QStringLiteral("E101010101") + QLatin1String(code));
        }
        // The baud list the same way: each rate its own code from 3 up.
        combo("Combo3")->setEditText(QStringLiteral("1200bps"));
        QCOMPARE(click(6), QStringList{"F20103"});
        combo("Combo3")->setEditText(QStringLiteral("115200bps"));
        QCOMPARE(click(6), QStringList{"F2010B"});
        // A rate typed that names no entry goes out as code 0.
        combo("Combo3")->setEditText(QStringLiteral("9600"));
        QCOMPARE(click(6), QStringList{"F20100"});
        // The panel names every code past the list R50.
        QCOMPARE(addressTypeText(1), QStringLiteral("十六进制"));
        QCOMPARE(addressTypeText(7), QStringLiteral("R50模式"));
        f.sim->set(QStringLiteral("e1"), QStringLiteral("03020A07"));
        combo("Combo4")->setCurrentIndex(1);
        f.main->link().send(sms3100::head() + QByteArray::fromHex("E103"));
        QTRY_COMPARE(label("Label18"), QStringLiteral("R50模式"));
        QCOMPARE(combo("Combo4")->currentText(), QStringLiteral("16进制"));
    }

    void workFormTypedOutsideTheListIsRefused()
    {
        // A work form the list does not have would leave F8 out of the
        // sequence and write the rest: it is refused like no choice at all.
        f.openQuick();
        combo("Combo1")->setEditText(QStringLiteral("主动"));
        combo("Combo2")->setCurrentIndex(0);
        QCOMPARE(click(5), QStringList{});
        QVERIFY(f.messages->saw(QStringLiteral("你必须选择需要的工作方式")));
        QVERIFY(f.command(5)->isEnabled());
        QVERIFY(!f.control<QTimer>(QStringLiteral("Timer1"))->isActive());
    }

    void readSettingsAreWhatTheButtonsWrite()
    {
        // What the window read, written back group by group, is what its
        // buttons send for the boxes the read filled.
        f.sim->set(QStringLiteral("a3"), QStringLiteral("00000258"));
        f.sim->set(QStringLiteral("e2"), QStringLiteral("12AB"));
        f.sim->set(QStringLiteral("d2"), QStringLiteral("00030020"));
        f.sim->set(QStringLiteral("db"), QStringLiteral("01"));
        f.openAndSettle();
        const qx3100::Settings read = f.window()->lastRead();
        QCOMPARE(*read.restart_seconds, 3.0);
        QCOMPARE(*read.passive_address, QStringLiteral("12:AB:"));
        QCOMPARE(*read.wake_data_ms, 12800.0);
        QCOMPARE(*read.wake_mode, 2);
        QCOMPARE(*read.baud, 9600);
        QVERIFY(*read.password_required);
        const std::pair<qx3100::Group, int> groups[] = {
            {qx3100::Group::WorkMode, 5},       {qx3100::Group::PowerSaving, 14}, {qx3100::Group::PasswordUse, 1},
            {qx3100::Group::RestartTime, 7},    {qx3100::Group::PassiveAddress, 4}, {qx3100::Group::Baud, 6},
        };
        for (auto [group, command] : groups) {
            QStringList expected;
            for (const QByteArray &frame : qx3100::writeGroup(group, read).frames)
                expected << QString::fromLatin1(frame.mid(8).toHex().toUpper());
            QVERIFY(!expected.isEmpty());
            f.forget();
            f.command(command)->click();
            f.waitIdle();
            QCOMPARE(f.heard(), expected);
        }
        // A refresh starts from nothing read: the placeholders and the values alike.
        (*f.sim)->faults().silent = true;
        f.command(8)->click();
        f.waitIdle();
        QCOMPARE(f.window()->lastRead(), qx3100::Settings{});
    }

    void powerSavingSequence()
    {
        f.openQuick();
        option(5)->click();
        option(8)->click();
        edit("Text11")->setText(QStringLiteral("1000"));
        edit("Text13")->setText(QStringLiteral("10000"));
        f.forget();
        f.command(14)->click();
        QVERIFY(!f.command(1)->isEnabled());
        f.waitIdle();
        QCOMPARE(f.heard(), (QStringList{"D30101", "DB0101000000", "D20100020019"}));
        QVERIFY(f.command(14)->isEnabled());
        QTRY_COMPARE(label("Label30"), QStringLiteral("模式2"));

        option(6)->click();
        f.forget();
        f.command(14)->click();
        f.waitIdle();
        QCOMPARE(f.heard(), QStringList{"D30100"});

        // A delay whose 400 ms count does not fit 16 bits is refused before anything is sent.
        option(5)->click();
        edit("Text13")->setText(QStringLiteral("30000000"));
        QCOMPARE(click(14), QStringList{});
        QVERIFY(f.messages->saw(QStringLiteral("您输入的醒后延时不正确")));
        QVERIFY(f.command(14)->isEnabled());
    }

    void initialisationNoticeAndTabs()
    {
        f.openQuick();
        f.sim->set(QStringLiteral("announce-init"), QStringLiteral("0"));
        f.command(6)->click();
        QTRY_VERIFY(f.messages->saw(QStringLiteral("模块初始化已经完成，您可以设置参数了")));
        QCOMPARE(f.messages->messages.last().title, QStringLiteral("提示信息"));

        auto *tabs = f.control<QTabWidget>(QStringLiteral("SSTab1"));
        tabs->setCurrentIndex(1);
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("短信模块通信测试"));
        QCOMPARE(f.window()->repliesTo(), Qx3100Window::RepliesTo::SmsTest);
        tabs->setCurrentIndex(0);
        QCOMPARE(f.window()->windowTitle(), QStringLiteral("短信模块参数设置"));
        QCOMPARE(f.window()->repliesTo(), Qx3100Window::RepliesTo::Parameters);
    }

    void sequenceTimersKeepTheirSpacing()
    {
        f.openQuick();
        // Half speed, no floor: the first ticks come after 50 ms, then the
        // work-mode writes 1000 ms apart, the reads 250 and the power-saving writes 500.
        timing::setScale(0.5, 0);
        auto ticks = [&](const char *name, const std::function<void()> &start) {
            QElapsedTimer clock;
            QList<qint64> at;
            auto *timer = f.control<QTimer>(QLatin1String(name));
            const auto c = connect(timer, &QTimer::timeout, this, [&] { at << clock.elapsed(); });
            clock.start();
            start();
            [&] { QTRY_VERIFY_WITH_TIMEOUT(!timer->isActive(), 10000); }();
            disconnect(c);
            return at;
        };
        // Coarse timers may be 5 % early; a loaded machine makes them late.
        auto spaced = [](const QList<qint64> &at, int first, int then) {
            auto near = [](qint64 v, int ms) { return v >= ms * 95 / 100 - 2 && v <= ms * 105 / 100 + 150; };
            if (at.size() < 2 || !near(at[0], first))
                return false;
            for (int i = 1; i < at.size(); ++i)
                if (!near(at[i] - at[i - 1], then))
                    return false;
            return true;
        };

        combo("Combo1")->setCurrentIndex(0);   // 主动形式
        combo("Combo2")->setCurrentIndex(0);   // 格式传输
        const QList<qint64> writes = ticks("Timer1", [&] { f.command(5)->click(); });
        QCOMPARE(writes.size(), 3);
        QVERIFY2(spaced(writes, 50, 1000), qPrintable(QString::number(writes[1] - writes[0])));

        const QList<qint64> reads = ticks("Timer2", [&] { f.command(8)->click(); });
        QVERIFY2(reads.size() >= 10, qPrintable(QString::number(reads.size())));
        QVERIFY(spaced(reads, 50, 250));

        option(6)->setChecked(true);   // 不省电: 0xD3, then the end
        const QList<qint64> saving = ticks("Timer3", [&] { f.command(14)->click(); });
        QCOMPARE(saving.size(), 2);
        QVERIFY2(spaced(saving, 50, 500), qPrintable(QString::number(saving[1] - saving[0])));

        // The phone-table loop: three entries 100 ms apart, then the end.
        f.control<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
        edit("Text10")->setText(QStringLiteral("1"));
        edit("Text12")->setText(QStringLiteral("3"));
        const QList<qint64> loop = ticks("Timer4", [&] { f.command(13)->click(); });
        QCOMPARE(loop.size(), 4);
        QVERIFY2(spaced(loop, 50, 100), qPrintable(QString::number(loop[1] - loop[0])));
    }

    void firstReadASecondAfterOpening()
    {
        // Half speed, no floor: the parser is armed again and the first
        // refresh starts 500 ms after opening, its first query 50 ms later.
        timing::setScale(0.5, 0);
        QElapsedTimer clock;
        QList<qint64> heardAt;
        connect(&f.sim->sim(), &qxsim::Simulator::requestReceived, this, [&] { heardAt << clock.elapsed(); });
        clock.start();
        openQx3100Window(*f.main);
        QTRY_VERIFY_WITH_TIMEOUT(heardAt.size() >= 2, 3000);
        QVERIFY2(heardAt[0] >= 520 && heardAt[0] < 550 + 150, qPrintable(QString::number(heardAt[0])));
        QCOMPARE(f.heard().value(0), QStringLiteral("EC03"));
        QVERIFY2(heardAt[1] - heardAt[0] >= 237, qPrintable(QString::number(heardAt[1] - heardAt[0])));
        f.waitIdle();
    }

    void noticeDuringTheReadsLeavesThemRunning()
    {
        // A real message box this time: its modal loop runs while the module
        // goes on answering, and a timer plays the user who closes it.
        lt::setMessageHook({});
        f.sim->set(QStringLiteral("announce-init"), QStringLiteral("150"));
        QStringList shown;
        int heardWhileShown = -1;
        QElapsedTimer up;
        QTimer user;
        connect(&user, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (!up.isValid()) {
                up.start();
                shown << box->text();
            } else if (up.elapsed() > 1500) {
                heardWhileShown = int(f.heard().size());
                box->button(QMessageBox::Ok)->click();
                up.invalidate();
            }
        });
        user.start(50);
        f.openAndSettle();
        QTRY_VERIFY_WITH_TIMEOUT(heardWhileShown >= 0, 5000);
        f.waitIdle();
        QCOMPARE(shown, QStringList{QStringLiteral("模块初始化已经完成，您可以设置参数了")});
        // The reads went on under the box, and no answer was lost to it.
        QVERIFY2(heardWhileShown > 4, qPrintable(QString::number(heardWhileShown)));
        QCOMPARE(f.heard(), (QStringList{"EC03", "A302", "A103", "A10101", "F103", "F803", "E203", "F903", "D303",
                                         "D203", "DB03"}));
        QCOMPARE(label("Label30"), QStringLiteral("模式1"));
        QCOMPARE(label("Label8"), QStringLiteral("13800000000"));
    }

    void smsRequestPauseLocksTheWindow()
    {
        f.openQuick();
        auto *tabs = f.control<QTabWidget>(QStringLiteral("SSTab1"));
        tabs->setCurrentIndex(1);
        auto *smsTest = f.window()->findChild<SmsTestTab *>();
        edit("Text22")->setText(QStringLiteral("00:01:"));
        f.control<QPushButton>(QStringLiteral("Command21_0"))->click();
        QVERIFY(smsTest->requestPending());
        // Another sequence written into the pause would take the answer the request waits for.
        QVERIFY(!tabs->tabBar()->isEnabled());
        QVERIFY(!f.command(8)->isEnabled());
        QVERIFY(!f.command(13)->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!smsTest->requestPending(), 3000);
        QTRY_COMPARE(f.heard(), QStringList{"2400015 20D"}.replaceInStrings(" ", ""));
        QVERIFY(tabs->tabBar()->isEnabled());
        QVERIFY(f.command(8)->isEnabled());
        QVERIFY(f.command(13)->isEnabled());
    }

    void closedPortRefusesEveryWrite()
    {
        f.openAndSettle();
        const QString closed = QStringLiteral("串口没有打开，请先连接模块");
        const QString work = label("Label3");
        const QString version = label("Label8");
        f.main->link().port().close();   // the module is gone
        auto refused = [&](QAbstractButton *b, const char *what) {
            const int before = f.messages->count(closed);
            b->click();
            QVERIFY2(f.messages->count(closed) == before + 1, what);
            QCOMPARE(f.messages->messages.last().title, QStringLiteral("端口错误"));
        };
        const char *names[] = {"", "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
                               "Command8", "Command9"};
        for (int i = 1; i <= 9; ++i)
            refused(f.command(i), names[i]);
        refused(f.command(14), "Command14");
        refused(option(2), "Option2");
        // Refresh left the panel as it was, and no sequence started.
        QCOMPARE(label("Label3"), work);
        QCOMPARE(label("Label8"), version);
        for (const char *t : {"Timer1", "Timer2", "Timer3"})
            QVERIFY2(!f.control<QTimer>(QLatin1String(t))->isActive(), t);
        QVERIFY(f.control(QStringLiteral("SSTab1"))->isEnabled());
        QVERIFY(f.command(8)->isEnabled());
    }

    void exitClosesThePort()
    {
        f.openQuick();
        f.command(10)->click();
        QTRY_VERIFY(!f.window());
        QVERIFY(!f.main->link().port().isOpen());
        QCOMPARE(f.main->panelText(MainWindow::PortPanel), QStringLiteral("串口：未使用"));
    }
};

QTEST_MAIN(Sms3100WindowTest)
#include "test_sms3100_window.moc"
