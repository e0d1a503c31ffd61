#include "frames.h"
#include "language.h"
#include "smsconf_dlg.h"
#include "smsconf_support.h"
#include "start_options.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

using namespace sms;

namespace {

// 320 texts of every kind a record holds: Chinese, English, empty, the longest.
QStringList sampleTexts()
{
    QStringList texts;
    for (int i = 0; i < kMessageCount; ++i) {
        switch (i % 4) {
        case 0: texts << QStringLiteral("水位超限报警%1号").arg(i); break;
        case 1: texts << QStringLiteral("Pump %1 stopped").arg(i); break;
        case 2: texts << QString(); break;
        default: texts << QString(59, QChar(i % 2 ? u'温' : u'Z')); break;
        }
    }
    return texts;
}

// Block b of the module's table counted in requests.
int blockRequests(qxsim::Simulator &sim, int block)
{
    return int(sim.requests().count(messageBlockRequest(block)));
}

} // namespace

class EndToEndTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::SimModule> module;
    std::unique_ptr<smstest::Messages> msgs;
    std::unique_ptr<CSmsconfDlg> dlg;

    qxsim::SmsconfModel &model() { return module->modelAs<qxsim::SmsconfModel>(); }

    void openPort()
    {
        dlg->button("openPort")->click();
        QCOMPARE(dlg->button("openPort")->text(), QString("关闭串口"));
    }
    void setTexts(const QStringList &texts)
    {
        for (int i = 0; i < texts.size(); ++i)
            dlg->messageList()->item(i, 1)->setText(texts.at(i));
    }
    QStringList texts() const
    {
        QStringList out;
        for (int i = 0; i < kMessageCount; ++i)
            out << dlg->messageList()->item(i, 1)->text();
        return out;
    }
    bool waitFor(const QString &text, int ms)
    {
        QElapsedTimer t;
        t.start();
        while (msgs->count(text) == 0 && t.elapsed() < ms)
            QTest::qWait(20);
        return msgs->count(text) > 0;
    }

private slots:
    void init()
    {
        // The loops count ticks, so a quarter of the tick keeps their shape: a reply
        // still needs six quiet ticks (about 80 ms here, far above the reader's 10 ms
        // poll and the module's 20 ms request gap).
        timing::setScale(0.25);
        module = std::make_unique<test::SimModule>(QStringLiteral("smsconf"), 4);
        msgs = std::make_unique<smstest::Messages>();
        dlg = std::make_unique<CSmsconfDlg>();
        dlg->show();
    }
    void cleanup()
    {
        dlg.reset();
        msgs.reset();
        module.reset();
        timing::setScale(1.0);
    }

    void fullWriteThenFullRead()
    {
        openPort();
        const QStringList sample = sampleTexts();
        setTexts(sample);
        dlg->button("writeMessages")->click();
        QVERIFY(dlg->button("stopWrite")->isEnabled());
        QVERIFY(!dlg->button("readMessages")->isEnabled());
        QCOMPARE(dlg->progressBar()->maximum(), 10);
        QVERIFY(waitFor("写信息成功", 30000));
        QCOMPARE(dlg->progressBar()->value(), 10);
        for (int i = 0; i < kMessageCount; ++i)
            QCOMPARE(model().messageTable().mid(i * kRecordLen, kRecordLen), encodeRecord(sample.at(i)));
        for (auto *b : dlg->operationGroup())
            QVERIFY(b->isEnabled());

        setTexts(QStringList(kMessageCount, QStringLiteral("stale")));
        dlg->button("readMessages")->click();
        QCOMPARE(dlg->messageList()->item(319, 1)->text(), QString());   // emptied at the start
        QVERIFY(dlg->button("stopRead")->isEnabled());
        QVERIFY(!dlg->button("writeMessages")->isEnabled());
        QVERIFY(waitFor("读取信息成功", 60000));
        QCOMPARE(texts(), sample);
        QCOMPARE(dlg->progressBar()->value(), 40);
        QVERIFY(!dlg->readTimer().isActive());
        QCOMPARE(msgs->seen.size(), 2);   // nothing else was said
    }

    void readRetriesABadBlockAndTakesBursts()
    {
        for (int i = 0; i < kMessageCount; ++i)
            model().setMessageRecord(i, encodeRecord(QString::number(i)));
        module->set("bad-crc-block", 5);
        module->set("bad-crc-times", 1);
        module->set("split-block", 3);
        module->set("split-gap-ms", 30);
        openPort();
        dlg->button("readMessages")->click();
        QVERIFY(waitFor("读取信息成功", 60000));
        QVERIFY(blockRequests(module->sim(), 5) >= 2);   // one more when a loaded machine cut a reply
        QCOMPARE(blockRequests(module->sim(), 6), 1);
        QCOMPARE(dlg->messageList()->item(47, 1)->text(), QString("47"));
        QCOMPARE(dlg->messageList()->item(319, 1)->text(), QString("319"));
    }

    void fourFailuresInARowStopTheRead()
    {
        for (int i = 0; i < kMessageCount; ++i)
            model().setMessageRecord(i, encodeRecord(QString::number(i)));
        module->set("bad-crc-block", 2);
        module->set("bad-crc-times", -1);
        openPort();
        dlg->button("readMessages")->click();
        QVERIFY(waitFor("读取信息失败", 30000));
        QCOMPARE(blockRequests(module->sim(), 2), 4);
        QCOMPARE(blockRequests(module->sim(), 3), 0);
        QCOMPARE(dlg->messageList()->item(15, 1)->text(), QString("15"));
        QCOMPARE(dlg->messageList()->item(16, 1)->text(), QString());
        QVERIFY(dlg->button("readMessages")->isEnabled());
        QVERIFY(!dlg->readTimer().isActive());
    }

    void anotherBlockNumberIsNotTheBlockAskedFor()
    {
        for (int i = 0; i < kMessageCount; ++i)
            model().setMessageRecord(i, encodeRecord(QString::number(i)));
        module->set("other-block", 1);
        openPort();
        dlg->button("readMessages")->click();
        QVERIFY(waitFor("读取信息失败", 30000));
        QCOMPARE(blockRequests(module->sim(), 0), 4);
        QCOMPARE(dlg->messageList()->item(8, 1)->text(), QString("8"));   // block 1's rows, as sent
        QCOMPARE(dlg->messageList()->item(0, 1)->text(), QString());
        QVERIFY(!msgs->count("读取信息成功"));
    }

    void interruptLeavesTheRestEmpty()
    {
        for (int i = 0; i < kMessageCount; ++i)
            model().setMessageRecord(i, encodeRecord(QString::number(i)));
        openPort();
        setTexts(QStringList(kMessageCount, QStringLiteral("old")));
        dlg->button("readMessages")->click();
        QTRY_VERIFY_WITH_TIMEOUT(dlg->protocol().readBlock >= 3, 20000);
        dlg->button("stopRead")->click();
        for (auto *b : dlg->operationGroup())
            QVERIFY(b->isEnabled());
        QTest::qWait(400);   // a block still on its way fills its rows, nothing more is asked
        const int asked = int(module->sim().requests().size());
        QTest::qWait(300);
        QCOMPARE(int(module->sim().requests().size()), asked);
        QCOMPARE(dlg->messageList()->item(0, 1)->text(), QString("0"));
        QCOMPARE(dlg->messageList()->item(8 * 6, 1)->text(), QString());
        QCOMPARE(dlg->messageList()->item(319, 1)->text(), QString());
        QVERIFY(msgs->seen.isEmpty());
    }

    void writeRetriesARefusedPageAndSingleWrite()
    {
        openPort();
        dlg->messageList()->item(40, 1)->setText(QStringLiteral("单页"));
        module->set("answer-only-retry", 1);
        dlg->positionBox()->setText("40");
        dlg->button("writeSingle")->click();
        QTest::qWait(600);
        QCOMPARE(msgs->count("单次写入成功"), 0);   // the first attempt goes unanswered
        dlg->button("writeSingle")->click();
        QVERIFY(waitFor("单次写入成功", 5000));
        QCOMPARE(model().messageTable().mid(40 * kRecordLen, kRecordLen), encodeRecord(QStringLiteral("单页")));
        QCOMPARE(module->sim().requests().last(), messagePageWrite(1, [&] {
                     QStringList t;
                     for (int i = 32; i < 64; ++i)
                         t << dlg->messageList()->item(i, 1)->text();
                     return t;
                 }()));

        module->set("answer-only-retry", 0);
        module->set("refuse-page", 7);
        module->set("refuse-times", 2);
        dlg->button("writeMessages")->click();
        QVERIFY(waitFor("写信息成功", 30000));
        QCOMPARE(int(module->sim().requests().count(messagePageWrite(7, dlg->protocol().pageTexts(7)))), 3);
        QCOMPARE(msgs->count("单次写入成功"), 1);
    }

    void phoneTableAddressesAndSerialParams()
    {
        // The address buttons work with the port closed; the requests go nowhere.
        dlg->deviceAddressBox()->setText("9");
        dlg->button("setDeviceAddress")->click();
        QVERIFY(msgs->seen.isEmpty());
        openPort();

        for (int r = 0; r < 20; ++r)
            dlg->phoneList()->item(r, 1)->setText(r % 3 ? QString("1380013%1").arg(r, 4, 10, QChar('0')) : QString());
        dlg->button("writePhoneTable")->click();
        QVERIFY(waitFor("号码表写入成功", 5000));
        QVERIFY(msgs->saw("号码表写入成功", "提示"));
        QCOMPARE(model().phoneTable().mid(20, 20), QByteArray("13800130001") + QByteArray(9, char(0xFF)));
        for (int r = 0; r < 20; ++r)
            dlg->phoneList()->item(r, 1)->setText("x");
        dlg->button("readPhoneTable")->click();
        QTRY_COMPARE(dlg->phoneList()->item(1, 1)->text(), QString("13800130001"));
        QCOMPARE(dlg->phoneList()->item(0, 1)->text(), QString());
        QCOMPARE(dlg->phoneList()->item(19, 1)->text(), QString("13800130019"));

        dlg->deviceAddressBox()->setText("25");
        dlg->button("setDeviceAddress")->click();
        QTRY_COMPARE(model().deviceAddress(), 25);
        dlg->registerAddressBox()->setText("40001");
        dlg->button("setRegisterAddress")->click();
        QTRY_COMPARE(model().registerAddress(), 40001);
        QTest::qWait(200);
        dlg->button("queryDeviceAddress")->click();
        QVERIFY(dlg->deviceAddressBox()->text().isEmpty());
        QTRY_COMPARE(dlg->deviceAddressBox()->text(), QString("25"));
        dlg->button("queryRegisterAddress")->click();
        QTRY_COMPARE(dlg->registerAddressBox()->text(), QString("40001"));

        dlg->moduleList(SerialList::Baud)->setCurrentIndex(8);
        dlg->moduleList(SerialList::DataBits)->setCurrentIndex(1);
        dlg->moduleList(SerialList::Parity)->setCurrentIndex(2);
        dlg->moduleList(SerialList::StopBits)->setCurrentIndex(1);
        dlg->button("setSerialParams")->click();
        QTRY_COMPARE(model().serialParams(), QList<int>({9, 9, 2, 2}));
        QTest::qWait(200);
        dlg->button("querySerialParams")->click();
        QCOMPARE(CSmsconfDlg::selectedIndex(dlg->moduleList(SerialList::Baud)), -1);
        QTRY_COMPARE(dlg->moduleList(SerialList::Baud)->currentText(), QString("115200"));
        QCOMPARE(dlg->moduleList(SerialList::DataBits)->currentText(), QString("9位"));
        QCOMPARE(dlg->moduleList(SerialList::Parity)->currentText(), QString("偶校验"));
        QCOMPARE(dlg->moduleList(SerialList::StopBits)->currentText(), QString("2位"));

        dlg->button("clearMessages")->click();
        QVERIFY(waitFor("信息表清除成功", 5000));
        QCOMPARE(model().messageTable(), QByteArray(kMessageCount * kRecordLen, char(0xFF)));
    }

    // What the buttons and lists decide goes by what they stand for, not by
    // their words: in English the port opens and closes, and the module's
    // serial lists are set and read back.
    void worksInEnglish()
    {
        QVERIFY(qx::useLanguage(qx::Language::English, program()));
        auto back = qScopeGuard([] { qx::useLanguage(qx::Language::Chinese, program()); });
        dlg = std::make_unique<CSmsconfDlg>();
        dlg->show();
        QCOMPARE(dlg->button("openPort")->text(), QString("Open port"));
        dlg->button("openPort")->click();
        QVERIFY(dlg->port().isOpen());
        QCOMPARE(dlg->button("openPort")->text(), QString("Close port"));

        dlg->moduleList(SerialList::DataBits)->setCurrentIndex(1);
        dlg->moduleList(SerialList::Parity)->setCurrentIndex(1);
        QCOMPARE(dlg->moduleList(SerialList::Parity)->currentText(), QString("Odd"));
        dlg->button("setSerialParams")->click();
        QTRY_COMPARE(model().serialParams().mid(1), QList<int>({9, 1, 1}));
        QTest::qWait(200);
        dlg->moduleList(SerialList::DataBits)->setCurrentIndex(0);
        dlg->moduleList(SerialList::Parity)->setCurrentIndex(0);
        dlg->button("querySerialParams")->click();
        QTRY_COMPARE(dlg->moduleList(SerialList::DataBits)->currentText(), QString("9 bits"));
        QCOMPARE(dlg->moduleList(SerialList::Parity)->currentText(), QString("Odd"));
        QVERIFY(msgs->seen.isEmpty());

        dlg->button("openPort")->click();
        QVERIFY(!dlg->port().isOpen());
        QCOMPARE(dlg->button("openPort")->text(), QString("Open port"));
    }

    void closingDuringALoopStopsIt()
    {
        openPort();
        module->sim().faults().silent = true;
        dlg->button("writeMessages")->click();
        QTest::qWait(100);
        dlg->button("openPort")->click();
        QCOMPARE(dlg->button("openPort")->text(), QString("打开串口"));
        QCOMPARE(dlg->protocol().writeState, 100);
        QVERIFY(!dlg->writeTimer().isActive());
        QTest::qWait(300);
        for (auto *b : dlg->operationGroup())
            QVERIFY(!b->isEnabled());
        QVERIFY(msgs->seen.isEmpty());
    }

    void vanishedModuleDuringALoop_data()
    {
        QTest::addColumn<bool>("writing");
        QTest::newRow("read loop") << false;
        QTest::newRow("write loop") << true;
    }

    void vanishedModuleDuringALoop()
    {
        QFETCH(bool, writing);
        openPort();
        if (writing) {
            setTexts(sampleTexts());
            dlg->button("writeMessages")->click();
            QTRY_VERIFY_WITH_TIMEOUT(dlg->protocol().writePage >= 2, 20000);
        } else {
            dlg->button("readMessages")->click();
            QTRY_VERIFY_WITH_TIMEOUT(dlg->protocol().readBlock >= 2, 20000);
        }
        module->sim().vanish();
        QTRY_COMPARE_WITH_TIMEOUT(msgs->seen.size(), 1, 3000);
        QCOMPARE(msgs->seen.first(), qMakePair(QStringLiteral("串口已断开，请检查连接后重新打开串口"), QStringLiteral("提示")));
        QCOMPARE(dlg->button("openPort")->text(), QString("打开串口"));
        QVERIFY(dlg->button("openPort")->isEnabled());
        QCOMPARE(dlg->protocol().readState, 100);
        QCOMPARE(dlg->protocol().writeState, 100);
        QVERIFY(!dlg->readTimer().isActive());
        QVERIFY(!dlg->writeTimer().isActive());
        QVERIFY(!dlg->port().isOpen());
        for (auto *b : dlg->operationGroup())
            QVERIFY(!b->isEnabled());
        QVERIFY2(test::cpuMillisWhileWaiting(1000) < 300, "the dialog keeps busy after the module vanished");
        QCOMPARE(msgs->seen.size(), 1);

        module->restart();
        openPort();
        dlg->button("readPhoneTable")->click();
        QTRY_VERIFY(module->sim().requests().contains(phoneTableRequest()));
    }

    void loopsFinishThroughSplitAndDroppedReplies()
    {
        const QStringList sample = sampleTexts();
        module->set("split-block", 3);
        module->set("split-gap-ms", 30);
        module->set("drop-reply", 1);
        openPort();
        setTexts(sample);
        dlg->button("writeMessages")->click();
        QVERIFY(waitFor("写信息成功", 30000));
        QCOMPARE(int(module->sim().requests().count(messagePageWrite(0, sample.mid(0, 32)))), 2);
        for (int i = 0; i < kMessageCount; ++i)
            QCOMPARE(model().messageTable().mid(i * kRecordLen, kRecordLen), encodeRecord(sample.at(i)));

        module->set("drop-reply", 2);
        dlg->button("readMessages")->click();
        QVERIFY(waitFor("读取信息成功", 60000));
        QCOMPARE(blockRequests(module->sim(), 0), 3);
        QCOMPARE(texts(), sample);
        QCOMPARE(msgs->seen.size(), 2);
    }

    // Taking replies whole changes when requests go out, never which or in what order.
    void sameRequestsUnderBothRules()
    {
        QList<QByteArray> heard[2];
        for (auto rule : {ReplyRule::QuietGap, ReplyRule::WholeReply}) {
            module->restart();
            dlg = std::make_unique<CSmsconfDlg>();
            dlg->setReplyRule(rule);
            dlg->show();
            openPort();
            setTexts(sampleTexts());
            dlg->button("writeMessages")->click();
            QVERIFY(waitFor("写信息成功", 30000));
            dlg->button("readMessages")->click();
            QVERIFY(waitFor("读取信息成功", 60000));
            QCOMPARE(texts(), sampleTexts());
            heard[int(rule == ReplyRule::WholeReply)] = module->sim().requests();
            msgs->seen.clear();
        }
        QCOMPARE(heard[0].size(), 10 + 40);
        QCOMPARE(heard[1], heard[0]);
    }

    // At the real tick: a block is asked for as soon as the one before is in,
    // which waiting for the loop's ticks (two of 100 ms at least) never allows.
    void nextBlockGoesOutWhenTheReplyIsIn()
    {
        dlg.reset();
        timing::setScale(1.0);
        dlg = std::make_unique<CSmsconfDlg>();
        dlg->show();
        QElapsedTimer clock;
        clock.start();
        QList<qint64> asked;
        connect(&module->sim(), &qxsim::Simulator::requestReceived, this, [&](const QByteArray &) { asked << clock.elapsed(); });
        openPort();
        dlg->button("readMessages")->click();
        QVERIFY(waitFor("读取信息成功", 60000));
        QCOMPARE(asked.size(), 40);
        QList<qint64> gaps;
        for (int i = 1; i < asked.size(); ++i)
            gaps << asked.at(i) - asked.at(i - 1);
        std::sort(gaps.begin(), gaps.end());
        QVERIFY2(gaps.at(gaps.size() / 2) < 150, qPrintable(QStringLiteral("median gap %1 ms").arg(gaps.at(gaps.size() / 2))));
    }

    // Rows the module acknowledged, or that a read replaced, are no reason to ask before closing.
    void storedOrReadBackEditsNeedNoQuestion()
    {
        openPort();
        auto editMessage = [this](int row, const QString &text) {
            smstest::doubleClickRow(dlg->messageList(), row);
            dlg->messageInput()->edit()->setText(text);
            dlg->messageInput()->okButton()->click();
        };
        editMessage(40, QStringLiteral("改过的"));
        QVERIFY(dlg->hasUnsavedEdits());
        dlg->positionBox()->setText("0");   // another page: row 40 is still only in the list
        dlg->button("writeSingle")->click();
        QVERIFY(waitFor("单次写入成功", 5000));
        QVERIFY(dlg->hasUnsavedEdits());
        dlg->positionBox()->setText("40");
        dlg->button("writeSingle")->click();
        QTRY_COMPARE_WITH_TIMEOUT(msgs->count("单次写入成功"), 2, 5000);
        QVERIFY(!dlg->hasUnsavedEdits());

        smstest::doubleClickRow(dlg->phoneList(), 3);
        dlg->phoneInput()->edit()->setText("13900001111");
        dlg->phoneInput()->okButton()->click();
        QVERIFY(dlg->hasUnsavedEdits());
        dlg->button("writePhoneTable")->click();
        QVERIFY(waitFor("号码表写入成功", 5000));
        QVERIFY(!dlg->hasUnsavedEdits());
        QCOMPARE(model().phoneTable().mid(60, 11), QByteArray("13900001111"));

        editMessage(300, QStringLiteral("写完整个表"));
        dlg->button("writeMessages")->click();
        QVERIFY(waitFor("写信息成功", 30000));
        QVERIFY(!dlg->hasUnsavedEdits());

        editMessage(7, QStringLiteral("读回来就没了"));
        smstest::doubleClickRow(dlg->phoneList(), 9);
        dlg->phoneInput()->edit()->setText("123");
        dlg->phoneInput()->okButton()->click();
        dlg->button("readPhoneTable")->click();
        dlg->button("readMessages")->click();
        QVERIFY(waitFor("读取信息成功", 60000));
        QVERIFY(!dlg->hasUnsavedEdits());
        QCOMPARE(dlg->messageList()->item(300, 1)->text(), QStringLiteral("写完整个表"));

        QTest::keyClick(dlg->messageList(), Qt::Key_Escape);
        QVERIFY(!dlg->isVisible());
        QVERIFY(msgs->questions.isEmpty());
    }

    // Full transfers at the real tick, for the timing report; run with SMSCONF_TIMING=1.
    void realTimeTransfers()
    {
        if (qEnvironmentVariableIsEmpty("SMSCONF_TIMING"))
            QSKIP("set SMSCONF_TIMING=1 to time full transfers at the real tick");
        dlg.reset();
        timing::setScale(1.0);
        dlg = std::make_unique<CSmsconfDlg>();
        dlg->show();
        dlg->pcBaudList()->setCurrentText("115200");
        openPort();
        setTexts(sampleTexts());
        QElapsedTimer t;
        t.start();
        dlg->button("writeMessages")->click();
        QVERIFY(waitFor("写信息成功", 60000));
        qInfo("full write: %lld ms", t.elapsed());
        t.restart();
        dlg->button("readMessages")->click();
        QVERIFY(waitFor("读取信息成功", 120000));
        qInfo("full read: %lld ms", t.elapsed());
        QCOMPARE(texts(), sampleTexts());
    }
};

QTEST_MAIN(EndToEndTest)
#include "test_end_to_end.moc"
