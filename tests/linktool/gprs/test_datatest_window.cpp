#include "gprs/data_test_page.h"
#include "gprs/qx3200_window.h"

#include "app/main_window.h"
#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "models/qx3200_model.h"

#include "qx3200_window_fixture.h"
#include "linktool_support.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace lt;

// The data test inside the QX3200 window, against the simulated QX3200, in the
// modes the window's read chain found.
class DataTestWindowTest : public Qx3200WindowFixture
{
    Q_OBJECT


    QString source() { return w<QPlainTextEdit>("Text1_3")->toPlainText(); }

    void openAndWaitForChain()
    {
        main->link().port().select(QStringLiteral("COM1"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(main->link().port().open(), ModulePort::Opened);
        openQx3200Window(*main, WorkMode::DataCommunication);
        QVERIFY(window());
        QTRY_VERIFY_WITH_TIMEOUT(!w<QTimer>("Timer6")->isActive(), 3000);
        QTRY_VERIFY_WITH_TIMEOUT(!w<QTimer>("Timer2")->isActive(), 8000);
        QVERIFY(!window()->replyParser().parameterMode());
        w<QTabWidget>("SSTab1")->setCurrentIndex(1);
    }

private slots:
    void init() { setUpWindowTest(); }
    void cleanup() { tearDownWindowTest(); }

    void activeFormat()
    {
        sim->set("f8", "1");
        sim->set("f9", "1");
        openAndWaitForChain();
        QVERIFY(w("Command1_3")->isHidden() && !w("Text1_6")->isHidden());
        QTest::keyClicks(w("Text1_6"), QStringLiteral("0005"));
        QTest::keyClicks(w("Text1_1"), QStringLiteral("4142"));
        sim->sim().clearRequests();
        w<QPushButton>("Command1_1")->click();
        QTRY_COMPARE(w<QPlainTextEdit>("Text1_2")->toPlainText(), QStringLiteral("\n41:42:"));
        QCOMPARE(sim->sim().requests().value(0), QByteArray::fromHex("D70100050002 4142"));
        QCOMPARE(w<QLineEdit>("Text1_5")->text(), QStringLiteral("00:05:"));
        QCOMPARE(source(), QStringLiteral("发射数据：  D7:01:00:05:00:02:41:42:\n接收数据：  D7:01:00:05:00:02:41:42:\n"));
    }

    void activeFormatMessageInTwoBlocks()
    {
        sim->set("f8", "1");
        sim->set("f9", "1");
        openAndWaitForChain();
        QTest::keyClicks(w("Text1_6"), QStringLiteral("0005"));
        QTest::keyClicks(w("Text1_1"), QStringLiteral("41D7FA42"));
        // The echo reaches the PC in two blocks, a 0xD7 inside the second.
        sim->sim().faults().splitAt = 6;
        sim->sim().faults().splitGapMs = 150;
        w<QPushButton>("Command1_1")->click();
        QTRY_COMPARE_WITH_TIMEOUT(w<QPlainTextEdit>("Text1_2")->toPlainText(), QStringLiteral("\n41:D7:FA:42:"), 3000);
        QCOMPARE(source(), QStringLiteral("发射数据：  D7:01:00:05:00:04:41:D7:FA:42:\n"
                                          "接收数据：  D7:01:00:05:00:04:41:D7:FA:42:\n"));
    }

    void activeTransparent()
    {
        sim->set("f8", "1");
        sim->set("f9", "0");
        openAndWaitForChain();
        QVERIFY(w("Text1_6")->isHidden());
        QTest::keyClicks(w("Text1_1"), QStringLiteral("31323"));
        w<QPushButton>("Command1_1")->click();
        QCOMPARE(w<QPlainTextEdit>("Text1_1")->toPlainText(), QStringLiteral("31:32:"));
        QTRY_COMPARE(w<QPlainTextEdit>("Text1_2")->toPlainText(), QStringLiteral("\n31:32:"));
        QCOMPARE(main->panelText(MainWindow::ModulePanel), QStringLiteral("模块状态：接收数据"));
    }

    void passive()
    {
        sim->set("f8", "0");
        sim->set("f9", "0");
        sim->set("passive", "0x3031");
        openAndWaitForChain();
        // The window's read chain filled in the module address.
        QCOMPARE(w<QLineEdit>("Text1_4")->text(), QStringLiteral("30:31:"));
        QVERIFY(!w("Command1_3")->isHidden());
        QTest::keyClicks(w("Text1_1"), QStringLiteral("55"));
        w<QPushButton>("Command1_1")->click();
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  21:30:31:00:\n")));
        w<QPushButton>("Command1_7")->click();
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  21:30:31:00:01:0D:\n")));
        w<QPushButton>("Command1_3")->click();
        QTRY_COMPARE(w<QPlainTextEdit>("Text1_2")->toPlainText(), QStringLiteral("\n55:"));
        w<QPushButton>("Command1_3")->click();
        QTRY_VERIFY(source().endsWith(QStringLiteral("接收  21:30:31:00:00:0D:\n")));
    }
};

QTEST_MAIN(DataTestWindowTest)
#include "test_datatest_window.moc"
