#include "fake_port_device.h"
#include "frames.h"
#include "port_box.h"
#include "smsconf_dlg.h"
#include "smsconf_support.h"

#include <QComboBox>
#include <QEventLoop>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <chrono>

using namespace sms;
using smstest::doubleClickRow;

class DialogTest : public QObject
{
    Q_OBJECT
private slots:
    void startsWithItsDefaults()
    {
        CSmsconfDlg dlg;
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QString("组态短信设置软件-V1.0"));
        const QSize frame = dlg.frameGeometry().size().expandedTo(dlg.size() + QSize(16, 40));
        QVERIFY2(frame.width() <= 1366 && frame.height() <= 768, qPrintable(QString("%1x%2").arg(frame.width()).arg(frame.height())));

        auto *phones = dlg.phoneList();
        QCOMPARE(phones->rowCount(), 20);
        QCOMPARE(phones->horizontalHeaderItem(0)->text(), QString("序号"));
        QCOMPARE(phones->horizontalHeaderItem(1)->text(), QString("电话号码"));
        QCOMPARE(phones->columnWidth(0), 80);
        QCOMPARE(phones->columnWidth(1), 200);
        QCOMPARE(phones->item(0, 0)->text(), QString("1"));
        QCOMPARE(phones->item(19, 0)->text(), QString("20"));
        auto *messages = dlg.messageList();
        QCOMPARE(messages->rowCount(), 320);
        QCOMPARE(messages->horizontalHeaderItem(0)->text(), QString("寄存器位置"));
        QCOMPARE(messages->horizontalHeaderItem(1)->text(), QString("信息内容"));
        QCOMPARE(messages->columnWidth(1), 350);
        QCOMPARE(messages->item(0, 0)->text(), QString("0"));
        QCOMPARE(messages->item(319, 0)->text(), QString("319"));
        for (auto *list : {phones, messages}) {
            QVERIFY(list->showGrid());
            QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
            QCOMPARE(list->palette().color(QPalette::Inactive, QPalette::Highlight), QColor(30, 144, 255));
            QCOMPARE(list->palette().color(QPalette::Active, QPalette::HighlightedText), QColor(Qt::white));
            QCOMPARE(list->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::white));
        }

        QCOMPARE(dlg.pcBaudList()->count(), 9);
        QCOMPARE(dlg.pcBaudList()->currentText(), QString("9600"));
        QVERIFY(!dlg.pcBaudList()->isEditable());
        QCOMPARE(dlg.moduleList(SerialList::Baud)->currentText(), QString("9600"));
        QCOMPARE(dlg.moduleList(SerialList::Baud)->itemText(8), QString("115200"));
        QCOMPARE(dlg.moduleList(SerialList::DataBits)->currentText(), QString("8位"));
        QCOMPARE(dlg.moduleList(SerialList::Parity)->itemText(2), QString("偶校验"));
        QCOMPARE(dlg.moduleList(SerialList::Parity)->currentText(), QString("无校验"));
        QCOMPARE(dlg.moduleList(SerialList::StopBits)->currentText(), QString("1位"));
        QCOMPARE(dlg.portBox()->currentText(), QString("4"));
        QVERIFY(dlg.deviceAddressBox()->text().isEmpty());
        QVERIFY(dlg.registerAddressBox()->text().isEmpty());
        QVERIFY(dlg.positionBox()->text().isEmpty());
        QVERIFY(dlg.positionBox()->isReadOnly());

        QStringList captions;
        for (auto *b : dlg.operationGroup()) {
            captions << b->text();
            QVERIFY(!b->isEnabled());
        }
        QCOMPARE(captions, QStringList({"中断读取", "中断写入", "写入号码表", "读取号码表", "写信息表", "单次写入",
                                        "清空信息表", "设置", "读信息表"}));
        for (auto name : {"setDeviceAddress", "queryDeviceAddress", "setRegisterAddress", "queryRegisterAddress",
                          "querySerialParams", "openPort"})
            QVERIFY2(dlg.button(name)->isEnabled(), name);
        QCOMPARE(dlg.button("openPort")->text(), QString("打开串口"));
        for (auto *w : dlg.portGroup())
            QVERIFY(w->isEnabled());
        QCOMPARE(dlg.protocol().readState, 100);
        QCOMPARE(dlg.protocol().writeState, 100);
    }

    void refusesBadInputWithAMessage()
    {
        smstest::Messages msgs;
        qputenv("QXCOM4", "/nonexistent/tty");
        CSmsconfDlg dlg;
        dlg.show();
        dlg.button("openPort")->click();
        QVERIFY(msgs.saw("本机没有这个串口，请选择其它串口重试", "端口错误"));
        QCOMPARE(dlg.button("openPort")->text(), QString("打开串口"));
        QVERIFY(!dlg.button("readMessages")->isEnabled());

        dlg.button("setDeviceAddress")->click();
        dlg.registerAddressBox()->setText("12a");
        dlg.button("setRegisterAddress")->click();
        dlg.registerAddressBox()->setText("99999999999");
        dlg.button("setRegisterAddress")->click();
        QCOMPARE(msgs.count("您输入的设备地址错误"), 3);

        dlg.OnWriteSingle();
        QVERIFY(msgs.saw("请选择需要写入的编号", "提示"));

        // A typed value matches no entry: the list has no choice, and nothing goes out.
        dlg.moduleList(SerialList::Baud)->setEditText("12345");
        QCOMPARE(CSmsconfDlg::selectedIndex(dlg.moduleList(SerialList::Baud)), -1);
        const int before = msgs.seen.size();
        dlg.OnSetSerialParams();
        QCOMPARE(msgs.seen.size(), before + 1);
        QVERIFY(msgs.seen.last().first.startsWith("请从列表中选择"));
        // The query clears the four choices first.
        dlg.moduleList(SerialList::Baud)->setCurrentIndex(2);
        dlg.button("querySerialParams")->click();
        for (auto l : {SerialList::Baud, SerialList::DataBits, SerialList::Parity, SerialList::StopBits})
            QCOMPARE(CSmsconfDlg::selectedIndex(dlg.moduleList(l)), -1);
        dlg.moduleList(SerialList::Baud)->setEditText("9600");
        QCOMPARE(CSmsconfDlg::selectedIndex(dlg.moduleList(SerialList::Baud)), 3);
    }

    void clickAndDoubleClickEdit()
    {
        smstest::Messages msgs;
        CSmsconfDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto *messages = dlg.messageList();
        messages->scrollToItem(messages->item(7, 0));
        QTest::mouseClick(messages->viewport(), Qt::LeftButton, {}, messages->visualItemRect(messages->item(7, 1)).center());
        QCOMPARE(dlg.positionBox()->text(), QString("7"));

        // Phone: digits only, at most 20; cancel keeps the row; OK with nothing empties it.
        doubleClickRow(dlg.phoneList(), 2);
        QVERIFY(dlg.phoneInput());
        QCOMPARE(dlg.phoneInput()->windowTitle(), QString("请输入电话号码"));
        QVERIFY(dlg.phoneInput()->edit()->text().isEmpty());
        QTest::keyClicks(dlg.phoneInput()->edit(), "13a8-00");
        QCOMPARE(dlg.phoneInput()->edit()->text(), QString("13800"));
        dlg.phoneInput()->okButton()->click();
        QCOMPARE(dlg.phoneList()->item(2, 1)->text(), QString("13800"));
        doubleClickRow(dlg.phoneList(), 2);
        QTest::keyClicks(dlg.phoneInput()->edit(), "1");
        dlg.phoneInput()->cancelButton()->click();
        QCOMPARE(dlg.phoneList()->item(2, 1)->text(), QString("13800"));
        doubleClickRow(dlg.phoneList(), 2);
        QTest::keyClicks(dlg.phoneInput()->edit(), "123456789012345678901");
        dlg.phoneInput()->okButton()->click();
        QVERIFY(dlg.phoneInput() && dlg.phoneInput()->isVisible());
        QCOMPARE(msgs.count("电话号码不能超过20位"), 1);
        dlg.phoneInput()->edit()->clear();
        dlg.phoneInput()->okButton()->click();
        QCOMPARE(dlg.phoneList()->item(2, 1)->text(), QString());

        // Message: 59 units are taken, 60 are refused with the box still open and the text kept.
        doubleClickRow(messages, 300);
        QVERIFY(dlg.messageInput());
        QCOMPARE(dlg.messageInput()->windowTitle(), QString("信息内容"));
        const QString sixty(60, QChar(u'字'));
        dlg.messageInput()->edit()->setText(sixty);
        dlg.messageInput()->okButton()->click();
        QVERIFY(dlg.messageInput() && dlg.messageInput()->isVisible());
        QCOMPARE(dlg.messageInput()->edit()->text(), sixty);
        QVERIFY(msgs.seen.last().first.startsWith("信息内容不能超过59个字符"));
        QCOMPARE(messages->item(300, 1)->text(), QString());
        dlg.messageInput()->edit()->setText(sixty.left(59));
        dlg.messageInput()->okButton()->click();
        QCOMPARE(messages->item(300, 1)->text(), sixty.left(59));
    }

    void enterAndEscapeClose()
    {
        for (auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            CSmsconfDlg dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            dlg.messageList()->setFocus();
            QTest::keyClick(dlg.messageList(), key);
            QVERIFY(!dlg.isVisible());
        }
    }

    void enterInABoxKeepsTheDialog()
    {
        CSmsconfDlg dlg;
        dlg.show();
        dlg.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.deviceAddressBox()->setText("12");
        // The module lists take typing too.
        const QList<QWidget *> boxes = {dlg.deviceAddressBox(), dlg.registerAddressBox(), dlg.portBox(),
                                        dlg.positionBox(), dlg.moduleList(SerialList::Baud),
                                        dlg.moduleList(SerialList::StopBits)};
        for (auto *box : boxes) {
            for (auto key : {Qt::Key_Return, Qt::Key_Enter}) {
                box->setFocus();
                QCOMPARE(QApplication::focusWidget(), box);
                QTest::keyClick(box, key);
                QVERIFY2(dlg.isVisible(), qPrintable(box->objectName()));
            }
        }
        QCOMPARE(dlg.deviceAddressBox()->text(), QString("12"));
    }

    void closingWithUnsavedEditsAsksFirst()
    {
        smstest::Messages msgs;
        {
            // Nothing typed: nothing to ask.
            CSmsconfDlg dlg;
            dlg.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dlg));
            QTest::keyClick(dlg.messageList(), Qt::Key_Escape);
            QVERIFY(!dlg.isVisible());
            QVERIFY(msgs.questions.isEmpty());
        }

        CSmsconfDlg dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        doubleClickRow(dlg.phoneList(), 5);
        QTest::keyClicks(dlg.phoneInput()->edit(), "13800138000");
        dlg.phoneInput()->okButton()->click();
        QVERIFY(dlg.hasUnsavedEdits());

        // Every way out asks; "no" keeps the dialog and what was typed.
        QTest::keyClick(dlg.messageList(), Qt::Key_Escape);
        QVERIFY(dlg.isVisible());
        dlg.close();   // the close box
        QVERIFY(dlg.isVisible());
        QTest::keyClick(dlg.messageList(), Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        const auto asked = qMakePair(smstest::kUnsavedQuestion, QStringLiteral("提示"));
        const decltype(msgs.questions) threeTimes(3, asked);
        QCOMPARE(msgs.questions, threeTimes);
        QCOMPARE(dlg.phoneList()->item(5, 1)->text(), QString("13800138000"));

        msgs.answerYes = true;
        QTest::keyClick(dlg.messageList(), Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(msgs.questions.size(), 4);

        // A message typed in counts the same.
        CSmsconfDlg again;
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        msgs.answerYes = false;
        doubleClickRow(again.messageList(), 200);
        again.messageInput()->edit()->setText("新的信息");
        again.messageInput()->okButton()->click();
        again.close();
        QVERIFY(again.isVisible());
        QCOMPARE(msgs.questions.size(), 5);
    }

    // A page takes longer on the line than its acknowledgement window (as at
    // 2400 baud, 17 s against 15.1 s): the window counts only once the page is
    // out, so no page is sent twice.
    void writeLoopOnASlowLineSendsEachPageOnce()
    {
        timing::setScale(0.02);   // the window is about 300 ms here
        smstest::FakeLine line(std::chrono::microseconds(500'000 / 4109));   // half a second a page
        line.module = [](const QByteArray &request) {
            return request.size() == 4109 ? FrameHeader() + QByteArray::fromHex("E90100") + "OK" : QByteArray();
        };
        smstest::Messages msgs;
        {
            CSmsconfDlg dlg(line.factory());
            dlg.show();
            dlg.button("openPort")->click();
            dlg.button("writeMessages")->click();
            // A plain event loop: QTest's waits sleep between rounds, which would stretch the ticks.
            QEventLoop loop;
            QTimer check;
            connect(&check, &QTimer::timeout, &loop, [&] {
                if (msgs.count("写信息成功") + msgs.count("写信息失败") > 0)
                    loop.quit();
            });
            check.start(20);
            QTimer::singleShot(30000, &loop, &QEventLoop::quit);
            loop.exec();
            QCOMPARE(msgs.count("写信息成功"), 1);
        }
        timing::setScale(1.0);
        const QList<QByteArray> pages = line.requests();
        QCOMPARE(pages.size(), 10);
        for (int p = 0; p < 10; ++p)
            QCOMPARE(quint8(pages.at(p).at(10)), quint8(p));
    }
};

QTEST_MAIN(DialogTest)
#include "test_dialog.moc"
