#include "app/main_window.h"
#include "gprs/data_test_page.h"
#include "link/link.h"
#include "models/qx3200_datatest.h"
#include "ui/open_link.h"
#include "simulator.h"
#include "linktool_support.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using namespace lt;
using lt::qx3200::datatest::PassiveCommand;

namespace {

QByteArray hex(const char *h)
{
    return QByteArray::fromHex(h);
}

// A QX3200 that knows only the data test, in the modes the test gives it.
class DataModule : public qxsim::Model
{
public:
    qxsim::Qx3200DataTest data;
    int workForm = 0;
    int transForm = 0;
    void handle(const QByteArray &request, qxsim::ModuleLink &link) override
    {
        data.handle(request, link, workForm, transForm);
    }
};

} // namespace

// The page against a simulated module over a real pseudo-terminal.
class DataTestPageTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::MessageRecorder> messages;
    std::unique_ptr<MainWindow> main;
    DataTestPage *page = nullptr;
    QMdiSubWindow *sub = nullptr;
    std::unique_ptr<qxsim::Simulator> sim;
    DataModule *module = nullptr;

    template<class T>
    T *child(const char *name) const
    {
        T *w = page->findChild<T *>(QLatin1String(name));
        if (!w)
            qFatal("no control %s", name);
        return w;
    }
    QPlainTextEdit *area(const char *name) const { return child<QPlainTextEdit>(name); }
    QLineEdit *box(const char *name) const { return child<QLineEdit>(name); }
    void click(const char *name) { child<QPushButton>(name)->click(); }
    QString source() const { return area("Text1_3")->toPlainText(); }

    void modes(int workForm, int transForm)
    {
        main->link().module().workForm = module->workForm = workForm;
        main->link().module().transForm = module->transForm = transForm;
        page->showWorkForm(workForm != 0 ? WorkForm::Active : WorkForm::Passive);
        page->showTransForm(transForm != 0 ? TransForm::Format : TransForm::Transparent);
    }
    // Nothing reaches the module: wait out its quiet gap and look.
    void expectNothingSent()
    {
        QTest::qWait(80);
        QVERIFY(sim->requests().isEmpty());
    }

private slots:
    void init()
    {
        test::resetProgramState();
        messages = std::make_unique<test::MessageRecorder>();
        main = std::make_unique<MainWindow>();
        auto *host = new QWidget;
        auto *layout = new QVBoxLayout(host);
        page = new DataTestPage(*main, host);
        layout->addWidget(page);
        sub = main->addChild(host);
        main->link().registerParser(ParseMode::Qx3200, page, [this](const QByteArray &burst) { page->parse(burst); });
        main->link().setParseMode(ParseMode::Qx3200);

        auto model = std::make_unique<DataModule>();
        module = model.get();
        sim = std::make_unique<qxsim::Simulator>(std::move(model));
        QVERIFY(sim->start());
        qputenv("QXCOM1", sim->devicePath().toLocal8Bit());
        QVERIFY(open_link(main->link(), host, QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1")));
    }

    void cleanup()
    {
        main.reset();
        sim.reset();
        messages.reset();
    }

    void buttonsAndMarkedAreas()
    {
        const QList<QPushButton *> buttons{child<QPushButton>("Command1_1"), child<QPushButton>("Command1_3"),
                                           child<QPushButton>("Command1_7")};
        QCOMPARE(buttons.size(), 3);
        QCOMPARE(buttons.at(0)->objectName(), QStringLiteral("Command1_1"));
        QCOMPARE(buttons.at(0)->text(), QStringLiteral("发送数据"));
        QCOMPARE(buttons.at(1)->objectName(), QStringLiteral("Command1_3"));
        QCOMPARE(buttons.at(1)->text(), QStringLiteral("读取数据"));
        QCOMPARE(buttons.at(2)->objectName(), QStringLiteral("Command1_7"));
        QCOMPARE(buttons.at(2)->text(), QStringLiteral("判断内存"));
        // Module address and format boxes stay hidden until the module told its modes.
        QVERIFY(box("Text1_4")->isHidden());
        QVERIFY(box("Text1_5")->isHidden());
        QVERIFY(box("Text1_6")->isHidden());
        modes(1, 1);
        QVERIFY(buttons.at(1)->isHidden() && box("Text1_4")->isHidden());
        QVERIFY(!box("Text1_6")->isHidden() && !child<QWidget>("Label2_5")->isHidden());
        modes(0, 0);
        QVERIFY(!buttons.at(2)->isHidden() && !box("Text1_4")->isHidden());
        QVERIFY(box("Text1_5")->isHidden() && child<QWidget>("Label2_2")->isHidden());

        // The file menu empties the boxes marked as areas.
        area("Text1_1")->setPlainText(QStringLiteral("31:"));
        area("Text1_2")->setPlainText(QStringLiteral("32:"));
        area("Text1_3")->setPlainText(QStringLiteral("log"));
        main->mdi().setActiveSubWindow(sub);
        for (const char *name : {"clear_rece", "clear_send", "clear_yuan"})
            main->findChild<QAction *>(QLatin1String(name))->trigger();
        QVERIFY(area("Text1_1")->toPlainText().isEmpty());
        QVERIFY(area("Text1_2")->toPlainText().isEmpty());
        QVERIFY(area("Text1_3")->toPlainText().isEmpty());
    }

    void typingAid()
    {
        modes(0, 1);
        QTest::keyClicks(box("Text1_4"), QStringLiteral("3g031x"));
        QCOMPARE(box("Text1_4")->text(), QStringLiteral("30:31:"));
        QTest::keyClicks(box("Text1_4"), QStringLiteral("44"));
        QCOMPARE(box("Text1_4")->text(), QStringLiteral("30:31:"));
        QTest::keyClicks(box("Text1_6"), QStringLiteral("0005"));
        QCOMPARE(box("Text1_6")->text(), QStringLiteral("00:05:"));
        QTest::keyClicks(area("Text1_1"), QStringLiteral("a1b"));
        QCOMPARE(area("Text1_1")->toPlainText(), QStringLiteral("A1:B"));
        for (auto key : {Qt::Key_Return, Qt::Key_Enter})
            QTest::keyClick(area("Text1_1"), key);
        QCOMPARE(area("Text1_1")->toPlainText(), QStringLiteral("A1:B"));
    }

    void activeTransparent()
    {
        modes(1, 0);
        area("Text1_1")->setPlainText(QStringLiteral("31:32:3"));
        click("Command1_1");
        QCOMPARE(area("Text1_1")->toPlainText(), QStringLiteral("31:32:"));
        QCOMPARE(source(), QStringLiteral("发射数据：  31:32:\n"));
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：发射数据"));
        QTRY_COMPARE(sim->requests().size(), 1);
        QCOMPARE(sim->requests().at(0), hex("3132"));
        // The module sends the bytes back; they are shown after 200 ms of quiet.
        QTRY_COMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\n31:32:"));
        QCOMPARE(source(), QStringLiteral("发射数据：  31:32:\n接收数据：  31:32:\n"));
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：接收数据"));
        QVERIFY(page->receiver().collected().isEmpty());
    }

    void transparentBurstsShownTogether_data()
    {
        QTest::addColumn<int>("gap");
        QTest::newRow("one block") << 50;
        QTest::newRow("two blocks") << 150;
    }
    void transparentBurstsShownTogether()
    {
        QFETCH(int, gap);
        modes(1, 0);
        module->data.receiveFromCentre(*sim, hex("0102030405D70708"), 1, 0, 2, gap);
        QTRY_VERIFY(source().contains(QStringLiteral("接收数据")));
        QCOMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\n01:02:03:04:05:D7:07:08:"));
        QCOMPARE(source(), QStringLiteral("接收数据：  01:02:03:04:05:D7:07:08:\n"));
    }

    void activeFormat()
    {
        modes(1, 1);
        area("Text1_1")->setPlainText(QStringLiteral("41:42:"));
        box("Text1_6")->setText(QStringLiteral("00:05"));
        click("Command1_1");
        QTRY_COMPARE(sim->requests().size(), 1);
        QCOMPARE(sim->requests().at(0), hex("D7010005 0002 4142"));
        QCOMPARE(source().section(QLatin1Char('\n'), 0, 0), QStringLiteral("发射数据：  D7:01:00:05:00:02:41:42:"));
        QTRY_COMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\n41:42:"));
        QCOMPARE(box("Text1_5")->text(), QStringLiteral("00:05:"));

        // Data from another sender.
        sim->send(hex("D7010007000155"));
        QTRY_COMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\n55:"));
        QCOMPARE(box("Text1_5")->text(), QStringLiteral("00:07:"));
        QVERIFY(source().endsWith(QStringLiteral("接收数据：  D7:01:00:07:00:01:55:\n")));

        // A status byte, then a status and the data back in one burst.
        module->data.setOption(QStringLiteral("data-reply"), QStringLiteral("FC"));
        click("Command1_1");
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  D7:FC:\n")));
        module->data.setOption(QStringLiteral("data-reply"), QStringLiteral("FA+loop"));
        area("Text1_1")->setPlainText(QStringLiteral("D7:01:02:03:"));
        click("Command1_1");
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收数据：  D7:01:00:05:00:04:D7:01:02:03:\n")));
        QVERIFY(source().contains(QStringLiteral("接收  D7:FA:\n")));
        QCOMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\nD7:01:02:03:"));
    }

    void passiveTransparent()
    {
        modes(0, 0);
        page->showPassiveAddress(QStringLiteral("30:31:"));
        click("Command1_3");
        QCOMPARE(page->receiver().lastCommand(), PassiveCommand::Read);
        QTRY_VERIFY(source().contains(QStringLiteral("接收")));
        QCOMPARE(sim->requests().at(0), hex("243031520D"));
        QCOMPARE(source(), QStringLiteral("发送指令 24:30:31:52:0D:\n接收  21:30:31:00:00:0D:\n"));

        area("Text1_1")->setPlainText(QStringLiteral("31:32:"));
        click("Command1_1");
        QCOMPARE(page->receiver().lastCommand(), PassiveCommand::Write);
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  21:30:31:00:\n")));
        QCOMPARE(sim->requests().at(1), hex("24303157 0002 3132 0D"));
        QVERIFY(source().contains(QStringLiteral("发射数据：  24:30:31:57:00:02:31:32:0D:\n")));

        click("Command1_7");
        QCOMPARE(page->receiver().lastCommand(), PassiveCommand::MemoryCheck);
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  21:30:31:00:01:0D:\n")));
        QVERIFY(source().contains(QStringLiteral("发送指令 24:30:31:57:00:00:0D:\n")));

        click("Command1_3");
        QTRY_COMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\n31:32:"));
        QVERIFY(source().endsWith(QStringLiteral("接收数据：  21:30:31:00:02:31:32:0D:\n")));
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：接收数据"));

        // A "?" answer is logged with its mark twice.
        sim->send(hex("3F3031"));
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  3F:3F:30:31:\n")));
    }

    void passiveFormat()
    {
        modes(0, 1);
        page->showPassiveAddress(QStringLiteral("30:31:"));
        box("Text1_6")->setText(QStringLiteral("00:05:"));
        area("Text1_1")->setPlainText(QStringLiteral("31:32:"));
        click("Command1_1");
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  21:30:31:00:\n")));
        QCOMPARE(sim->requests().at(0), hex("24303157 0008 D7010005 0002 3132 0D"));
        click("Command1_3");
        QTRY_COMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\n31:32:"));
        QCOMPARE(box("Text1_5")->text(), QStringLiteral("00:05:"));
    }

    void passiveReadAnswerTooLongIsDropped()
    {
        modes(0, 0);
        page->receiver().commandSent(PassiveCommand::Read);
        sim->send(hex("2130318001550D"));
        QTest::qWait(450);
        QVERIFY(source().isEmpty());
        QVERIFY(area("Text1_2")->toPlainText().isEmpty());
        QVERIFY(page->receiver().collected().isEmpty());
    }

    void refusals()
    {
        const QString title = QStringLiteral("系统提示");
        modes(0, 1);
        area("Text1_1")->setPlainText(QStringLiteral("31:3"));
        for (const char *name : {"Command1_1", "Command1_3", "Command1_7"})
            click(name);
        QCOMPARE(messages->count(QStringLiteral("您还没有输入模块地址")), 3);
        QCOMPARE(messages->messages.at(0).title, title);
        page->showPassiveAddress(QStringLiteral("30:3"));
        click("Command1_3");
        QVERIFY(messages->saw(QStringLiteral("您输入的模块地址错误，模块地址是 2 个字节")));
        page->showPassiveAddress(QStringLiteral("30:31:"));
        click("Command1_1");
        QVERIFY(messages->saw(QStringLiteral("您还没有输入接收方地址")));
        box("Text1_6")->setText(QStringLiteral("00:"));
        modes(1, 1);
        click("Command1_1");
        QVERIFY(messages->saw(QStringLiteral("您输入的接收方地址错误，接收方地址是 2 个字节")));
        modes(1, 0);
        area("Text1_1")->setPlainText(QStringLiteral("3"));
        click("Command1_1");
        QVERIFY(messages->saw(QStringLiteral("发送区没有数据")));
        // A refused send leaves everything as it was.
        QCOMPARE(area("Text1_1")->toPlainText(), QStringLiteral("3"));
        QCOMPARE(page->receiver().lastCommand(), PassiveCommand::None);
        QVERIFY(source().isEmpty());
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：未使用"));
        expectNothingSent();

        // Too much for the 16-bit length.
        modes(1, 1);
        box("Text1_6")->setText(QStringLiteral("00:05:"));
        area("Text1_1")->setPlainText(QStringLiteral("00:").repeated(0x10000));
        click("Command1_1");
        QVERIFY(messages->saw(QStringLiteral("发送区数据太长，一次最多发送 65535 个字节")));
        expectNothingSent();

        // A closed port is said so, not logged as sent.
        main->link().port().close();
        area("Text1_1")->setPlainText(QStringLiteral("31:"));
        click("Command1_1");
        QVERIFY(messages->saw(QStringLiteral("串口没有打开，请先连接模块")));
        QVERIFY(source().isEmpty());
        // Refused before the send area is cut to whole groups.
        area("Text1_1")->setPlainText(QStringLiteral("31:3"));
        click("Command1_1");
        QCOMPARE(area("Text1_1")->toPlainText(), QStringLiteral("31:3"));
    }

    void linkLostShowsWhatWasCollected()
    {
        modes(1, 0);
        sim->send(hex("3132"));
        QTRY_VERIFY(!page->receiver().collected().isEmpty());
        page->linkLost();
        QCOMPARE(area("Text1_2")->toPlainText(), QStringLiteral("\n31:32:"));
        QVERIFY(page->receiver().collected().isEmpty());
        QTest::qWait(300);
        QCOMPARE(source(), QStringLiteral("接收数据：  31:32:\n"));
    }
};

QTEST_MAIN(DataTestPageTest)
#include "test_datatest_page.moc"
