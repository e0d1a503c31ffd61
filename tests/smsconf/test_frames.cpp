#include "command_protocol.h"
#include "crc_framing.h"
#include "frames.h"
#include "models/smsconf_model.h"
#include "reply_shape.h"

#include <QTest>

using namespace sms;

namespace {

QByteArray head()
{
    return QByteArray::fromHex("1A2A3A4A5A6A7A8A");
}

// The dialog reduced to what the protocol touches.
class FakeView : public ConfigView
{
public:
    QStringList phones = QStringList(20, QString());
    QStringList texts = QStringList(320, QString());
    int selection[4] = {3, 0, 0, 0};
    QString device, reg;
    int progress = -1;
    QList<Loop> ended;
    QList<Loop> stepped;
    QList<QStringList> storedPhones;
    QList<QPair<int, QStringList>> storedPages;
    QStringList messages;

    QString phoneNumber(int row) const override { return phones.value(row); }
    void setPhoneNumber(int row, const QString &n) override { phones[row] = n; }
    QString messageText(int row) const override { return texts.value(row); }
    void setMessageText(int row, const QString &t) override
    {
        if (row >= 0 && row < texts.size())
            texts[row] = t;
    }
    void selectSerialParam(SerialList l, int i) override { selection[int(l)] = i; }
    void setDeviceAddress(const QString &t) override { device = t; }
    void setRegisterAddress(const QString &t) override { reg = t; }
    void setProgress(int v) override { progress = v; }
    void loopEnded(Loop l) override { ended << l; }
    void loopStepped(Loop l) override { stepped << l; }
    void phonesStored(const QStringList &n) override { storedPhones << n; }
    void pageStored(int page, const QStringList &t) override { storedPages << qMakePair(page, t); }
    void showMessage(const QString &text, const QString &title) override { messages << title + "|" + text; }
};

struct Rig
{
    FakeView view;
    QList<QByteArray> sent;
    int discards = 0;
    CommandProtocol proto{view, Transport{[this](const QByteArray &b) {
                                              sent << b;
                                              return int(b.size());
                                          },
                                          [this] { ++discards; }}};
};

QByteArray block(int b, const QStringList &texts)
{
    QByteArray out = head() + QByteArray::fromHex("E903") + QByteArray(1, char(b));
    for (int k = 0; k < 8; ++k)
        out += encodeRecord(texts.value(k));
    qx::appendCrc(out);
    return out;
}

// The module's answers to one request, as the simulated module sends them.
class Answers : public qxsim::ModuleLink
{
public:
    void reply(const QByteArray &bytes, int) override { all += bytes; }
    void sendUnsolicited(const QByteArray &bytes, int) override { all += bytes; }
    void goSilent(int) override {}
    QByteArray all;
};

QByteArray moduleAnswer(qxsim::SmsconfModel &module, const QByteArray &request)
{
    Answers answers;
    module.handle(request, answers);
    return answers.all;
}

} // namespace

class FramesTest : public QObject
{
    Q_OBJECT
private slots:
    void crcKnownAnswerAndOrder()
    {
        QByteArray f("123456789");
        qx::appendCrc(f);
        QCOMPARE(f.right(2), QByteArray::fromHex("374B"));
        QVERIFY(qx::crcValid(f));
        f[3] = 'x';
        QVERIFY(!qx::crcValid(f));
        QVERIFY(!qx::crcValid(QByteArray()));
    }

    void requestsByteForByte()
    {
        QCOMPARE(phoneTableRequest(), head() + QByteArray::fromHex("EB02"));
        QCOMPARE(clearMessagesRequest(), head() + QByteArray::fromHex("EA"));
        QCOMPARE(messageBlockRequest(39), head() + QByteArray::fromHex("E90227"));
        QCOMPARE(serialParamsQuery(), head() + QByteArray::fromHex("F202"));
        QCOMPARE(deviceAddressSet(25), QByteArray("QX+ADDR=25"));
        QCOMPARE(deviceAddressQuery(), QByteArray("QX+ADDR?"));
        QCOMPARE(registerAddressSet(0), QByteArray("QX+VREG=0"));
        QCOMPARE(registerAddressQuery(), QByteArray("QX+VREG?"));
        // Indexes of 115200, 9 bits, even, 2 stop bits; and all four lists empty.
        QCOMPARE(serialParamsSet(8, 1, 2, 1), head() + QByteArray::fromHex("F20109090202"));
        QCOMPARE(serialParamsSet(-1, -1, -1, -1), head() + QByteArray::fromHex("F20100 07 FF 00"));
    }

    void phoneTableFrame()
    {
        QStringList numbers(20, QString());
        numbers[0] = "13800138000";
        numbers[19] = "123456789012345678901234";   // cut to 20
        const QByteArray f = phoneTableWrite(numbers);
        QCOMPARE(f.size(), 412);
        QCOMPARE(f.left(10), head() + QByteArray::fromHex("EB01"));
        QCOMPARE(f.mid(10, 20), QByteArray("13800138000") + QByteArray(9, char(0xFF)));
        QCOMPARE(f.mid(30, 20), QByteArray(20, char(0xFF)));
        QCOMPARE(f.mid(390, 20), QByteArray("12345678901234567890"));
        QVERIFY(qx::crcValid(f));
        QCOMPARE(decodePhoneSlot(QByteArray("138a5") + QByteArray(15, char(0xFF))), QString("138"));
        QCOMPARE(decodePhoneSlot(QByteArray("12345678901234567890")), QString("12345678901234567890"));
        QCOMPARE(decodePhoneSlot(QByteArray("12")), QString("12"));   // short reply: stops at its end
    }

    void recordsAndPage()
    {
        const QString t59(59, QChar(u'短'));
        QByteArray r = encodeRecord(t59);
        QCOMPARE(r.size(), 128);
        QCOMPARE(quint8(r[0]), quint8(118));
        QCOMPARE(r.mid(1, 2), QByteArray::fromHex("77ED"));
        QCOMPARE(r.mid(119), QByteArray(9, char(0xFF)));
        QCOMPARE(decodeRecord(r), t59);
        QCOMPARE(encodeRecord(QString(60, 'a')), QByteArray(128, char(0xFF)));
        QCOMPARE(encodeRecord(QString()), QByteArray(128, char(0xFF)));
        QCOMPARE(decodeRecord(QByteArray(128, char(0xFF))), QString());
        // Odd length byte: the odd byte is ignored.
        QByteArray odd = encodeRecord("AB");
        odd[0] = char(5);
        QCOMPARE(decodeRecord(odd), QString("AB"));
        odd[0] = char(119);
        QCOMPARE(decodeRecord(odd).size(), 59);
        odd[0] = char(120);
        QCOMPARE(decodeRecord(odd), QString());
        QCOMPARE(decodeRecord(QByteArray::fromHex("0600410042")), QString("AB"));   // cut record

        QStringList texts(32, QString());
        texts[0] = "Hello";
        texts[31] = "你好";
        const QByteArray page = messagePageWrite(3, texts);
        QCOMPARE(page.size(), 4109);
        QCOMPARE(page.left(11), head() + QByteArray::fromHex("E90103"));
        QCOMPARE(page.mid(11, 11), QByteArray::fromHex("0A00480065006C006C006F"));
        QCOMPARE(page.mid(11 + 31 * 128, 5), QByteArray::fromHex("044F60597D"));
        const quint16 crc = quint16(quint8(page[4107]) | quint8(page[4108]) << 8);
        QByteArray body = page.left(4107);
        qx::appendCrc(body);
        QCOMPARE(body.right(2), page.right(2));
        QVERIFY(crc != 0);
        QVERIFY(qx::crcValid(page));
    }

    void applyReplies()
    {
        Rig rig;
        Q_UNUSED(rig.proto);
        rig.proto.ApplyReply(head() + QByteArray::fromHex("EB0100") + "OK");
        rig.proto.ApplyReply(head() + QByteArray::fromHex("EB0100") + "NO");
        rig.proto.ApplyReply(head() + QByteArray::fromHex("EB01"));   // too short: not OK, nothing read past it
        QCOMPARE(rig.view.messages, QStringList({"提示|号码表写入成功", "警告|号码表写入失败", "警告|号码表写入失败"}));

        QByteArray phones = head() + QByteArray::fromHex("EB03");
        phones += QByteArray("1390000") + QByteArray(13, char(0xFF));
        phones += QByteArray("12-34") + QByteArray(15, char(0xFF));
        rig.proto.ApplyReply(phones);   // only two slots arrived
        QCOMPARE(rig.view.phones.mid(0, 3), QStringList({"1390000", "12", ""}));

        rig.view.messages.clear();
        rig.proto.ApplyReply(head() + QByteArray::fromHex("EA"));
        QCOMPARE(rig.discards, 1);
        QCOMPARE(rig.view.messages, QStringList({"提示|信息表清除成功"}));

        rig.proto.ApplyReply(head() + QByteArray::fromHex("F202") + "9920");   // parity 2, stop '0' out of range
        QCOMPARE(QList<int>(rig.view.selection, rig.view.selection + 4), QList<int>({8, 1, 2, 0}));
        rig.proto.ApplyReply(head() + QByteArray::fromHex("F201") + "1811");   // set ack: ignored
        QCOMPARE(rig.view.selection[0], 8);

        rig.proto.ApplyReply("QX_ADDR=123\r\n");
        rig.proto.ApplyReply("QX_VREG=x");
        QCOMPARE(rig.view.device, QString("123"));
        QCOMPARE(rig.view.reg, QString("0"));
        rig.proto.ApplyReply("QX+ADDR=7");   // the request's echo is not an answer
        rig.proto.ApplyReply(QByteArray::fromHex("00") + head());
        QCOMPARE(rig.view.device, QString("123"));

        // Single write acknowledgement, only with the write loop idle.
        rig.view.messages.clear();
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "OK");
        QVERIFY(rig.proto.writeAcked);
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "ER");
        QVERIFY(rig.proto.writeFailed);
        QCOMPARE(rig.view.messages, QStringList({"提示|单次写入成功"}));
    }

    void blocks()
    {
        Rig rig;
        QStringList texts = {"one", "", QString(59, 'x'), "四"};
        rig.proto.ApplyReply(block(2, texts));
        QVERIFY(rig.proto.readGood);
        QCOMPARE(rig.view.texts.mid(16, 5), QStringList({"one", "", QString(59, 'x'), "四", ""}));

        QByteArray bad = block(3, texts);
        bad[500] = char(bad[500] ^ 1);
        rig.proto.ApplyReply(bad);
        QVERIFY(rig.proto.readBad);
        QCOMPARE(rig.view.texts[24], QString());
        rig.proto.readBad = false;
        rig.proto.ApplyReply(QByteArray(1, 'J') + block(3, texts));   // stray byte in front: no head, dropped
        QVERIFY(!rig.proto.readBad && rig.view.texts[24].isEmpty());
        QByteArray shortBlock = head() + QByteArray::fromHex("E90300");
        qx::appendCrc(shortBlock);
        rig.proto.ApplyReply(shortBlock);
        QVERIFY(rig.proto.readBad);

        // While reading block 5, block 6 fills its own rows but does not stand in for block 5.
        rig.proto.StartRead();
        rig.proto.readBlock = 5;
        rig.proto.readState = 1;
        rig.proto.readGood = false;
        rig.proto.ApplyReply(block(6, {"six"}));
        QCOMPARE(rig.view.texts[48], QString("six"));
        QVERIFY(!rig.proto.readGood);
        rig.proto.ApplyReply(block(5, {"five"}));
        QVERIFY(rig.proto.readGood);
    }

    void readLoopRetriesAndGivesUp()
    {
        Rig rig;
        rig.proto.StartRead();
        rig.proto.ReadLoopTick();
        QCOMPARE(rig.sent, QList<QByteArray>({messageBlockRequest(0)}));
        QCOMPARE(rig.view.progress, 1);
        // 50 ticks of waiting are fine, the 51st asks again.
        for (int i = 0; i < 50; ++i)
            rig.proto.ReadLoopTick();
        QCOMPARE(rig.proto.readState, 1);
        rig.proto.ReadLoopTick();
        QCOMPARE(rig.proto.readState, 0);
        QCOMPARE(rig.proto.readRetries, 1);
        // A good block resets the retries and moves on.
        rig.proto.ReadLoopTick();
        rig.proto.ApplyReply(block(0, {"a"}));
        rig.proto.ReadLoopTick();
        QCOMPARE(rig.proto.readBlock, 1);
        QCOMPARE(rig.proto.readRetries, 0);
        // Four bad answers in a row end the loop.
        for (int attempt = 0; attempt < 4; ++attempt) {
            rig.proto.ReadLoopTick();
            QCOMPARE(rig.sent.last(), messageBlockRequest(1));
            rig.proto.readBad = true;
            rig.proto.ReadLoopTick();
        }
        QCOMPARE(rig.proto.readState, 100);
        QCOMPARE(rig.view.ended, QList<Loop>({Loop::Read}));
        QCOMPARE(rig.view.messages, QStringList({"提示|读取信息失败"}));
        QCOMPARE(rig.view.texts[0], QString("a"));
        const int sent = rig.sent.size();
        rig.proto.ReadLoopTick();
        QCOMPARE(rig.sent.size(), sent);
    }

    void readLoopCompletes()
    {
        Rig rig;
        rig.proto.StartRead();
        for (int b = 0; b < 40; ++b) {
            rig.proto.ReadLoopTick();
            rig.proto.ApplyReply(block(b, {QString::number(b)}));
            rig.proto.ReadLoopTick();
        }
        QCOMPARE(rig.view.messages, QStringList({"提示|读取信息成功"}));
        QCOMPARE(rig.view.texts[312], QString("39"));
        QCOMPARE(rig.view.progress, 40);
    }

    void writeLoop()
    {
        Rig rig;
        rig.view.texts[33] = "page one";
        rig.proto.StartWrite();
        rig.proto.WriteLoopTick();
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "OK");
        QVERIFY(rig.view.messages.isEmpty());   // no single-write message while the loop runs
        rig.proto.WriteLoopTick();
        rig.proto.WriteLoopTick();
        QCOMPARE(rig.sent.last(), messagePageWrite(1, rig.view.texts.mid(32, 32)));
        QCOMPARE(rig.view.progress, 2);
        for (int i = 0; i < 150; ++i)
            rig.proto.WriteLoopTick();
        QCOMPARE(rig.proto.writeState, 1);
        rig.proto.WriteLoopTick();
        QCOMPARE(rig.proto.writeRetries, 1);
        for (int attempt = 0; attempt < 3; ++attempt) {
            rig.proto.WriteLoopTick();
            rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "ER");
            rig.proto.WriteLoopTick();
        }
        QCOMPARE(rig.proto.writeState, 100);
        QCOMPARE(rig.view.messages, QStringList({"提示|写信息失败"}));

        Rig ok;
        ok.proto.StartWrite();
        for (int p = 0; p < 10; ++p) {
            ok.proto.WriteLoopTick();
            ok.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "OK");
            ok.proto.WriteLoopTick();
        }
        QCOMPARE(ok.sent.size(), 10);
        QCOMPARE(ok.view.messages, QStringList({"提示|写信息成功"}));
    }

    // What the program takes for a whole answer is what the module sends.
    void replyShapesFitTheModulesAnswers()
    {
        qxsim::SmsconfModel module;
        module.setMessageRecord(42, encodeRecord(QStringLiteral("四十二")));
        struct Case
        {
            QByteArray request;
            Wholeness whole;
        };
        const QList<Case> cases = {
            {messageBlockRequest(5), Wholeness::Whole},
            {messagePageWrite(2, QStringList(32, QStringLiteral("页"))), Wholeness::WholeIfNothingFollows},
            {phoneTableWrite(QStringList(20, QStringLiteral("13800138000"))), Wholeness::WholeIfNothingFollows},
            {phoneTableRequest(), Wholeness::WholeIfNothingFollows},
            {serialParamsQuery(), Wholeness::WholeIfNothingFollows},
            {deviceAddressQuery(), Wholeness::Whole},
            {registerAddressQuery(), Wholeness::Whole},
        };
        for (const Case &c : cases) {
            const QByteArray answer = moduleAnswer(module, c.request);
            const ReplyShape shape = replyShapeFor(c.request);
            QVERIFY2(!answer.isEmpty(), c.request.toHex().constData());
            QCOMPARE(wholeness(shape, answer), c.whole);
            // One byte short, or one too many, is not the whole answer.
            QCOMPARE(wholeness(shape, answer.chopped(1)), Wholeness::NotWhole);
            QCOMPARE(wholeness(shape, answer + answer.right(1)), Wholeness::NotWhole);
        }
        QByteArray damaged = moduleAnswer(module, messageBlockRequest(5));
        damaged[200] = char(damaged[200] ^ 1);
        QCOMPARE(wholeness(replyShapeFor(messageBlockRequest(5)), damaged), Wholeness::NotWhole);
        // Answers the program has no fixed shape for are left to the quiet gap.
        for (const QByteArray &request : {clearMessagesRequest(), serialParamsSet(3, 0, 0, 0), deviceAddressSet(5),
                                          registerAddressSet(5), QByteArray("QX+"), QByteArray()})
            QVERIFY2(!replyShapeFor(request).known(), request.toHex().constData());
    }

    // With step on reply the loop sends its next request when the answer is
    // in, not on its next tick; failures still wait for the tick.
    void stepOnReply()
    {
        Rig rig;
        rig.proto.setStepOnReply(true);
        rig.proto.StartRead();
        rig.proto.ReadLoopTick();
        rig.proto.ReadLoopTick();
        rig.proto.ApplyReply(block(0, {"zero"}));
        QCOMPARE(rig.sent, QList<QByteArray>({messageBlockRequest(0), messageBlockRequest(1)}));
        QCOMPARE(rig.view.stepped, QList<Loop>({Loop::Read}));
        QCOMPARE(rig.proto.readState, 1);
        QCOMPARE(rig.proto.readWaitTicks, 0);
        QCOMPARE(rig.view.progress, 2);
        // A bad block is asked again on the ticks, as before.
        QByteArray bad = block(1, {"one"});
        bad[20] = char(bad[20] ^ 1);
        rig.proto.ApplyReply(bad);
        QCOMPARE(rig.sent.size(), 2);
        rig.proto.ReadLoopTick();
        rig.proto.ReadLoopTick();
        QCOMPARE(rig.sent.last(), messageBlockRequest(1));
        QCOMPARE(rig.proto.readRetries, 1);
        // The last block ends the loop without another request.
        rig.proto.readBlock = 39;
        rig.proto.ReadLoopTick();
        rig.proto.ReadLoopTick();
        const int sent = rig.sent.size();
        rig.proto.ApplyReply(block(39, {"last"}));
        QCOMPARE(rig.sent.size(), sent);
        QCOMPARE(rig.proto.readState, 100);
        QCOMPARE(rig.view.ended, QList<Loop>({Loop::Read}));
        QCOMPARE(rig.view.messages, QStringList({"提示|读取信息成功"}));

        rig.view.stepped.clear();
        rig.proto.StartWrite();
        rig.proto.WriteLoopTick();
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "ER");
        QCOMPARE(rig.view.stepped, QList<Loop>());
        rig.proto.WriteLoopTick();
        rig.proto.WriteLoopTick();
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "OK");
        QCOMPARE(rig.view.stepped, QList<Loop>({Loop::Write}));
        QCOMPARE(rig.proto.writePage, 1);
        QCOMPARE(rig.sent.last(), messagePageWrite(1, rig.view.texts.mid(32, 32)));
        // An answer with no loop waiting for it sends nothing.
        rig.proto.StopLoops();
        const int before = rig.sent.size();
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "OK");
        rig.proto.ApplyReply(block(2, {}));
        QCOMPARE(rig.sent.size(), before);

        // Without it (the default), only the ticks move a loop on.
        Rig ticks;
        ticks.proto.StartRead();
        ticks.proto.ReadLoopTick();
        ticks.proto.ApplyReply(block(0, {}));
        QCOMPARE(ticks.sent.size(), 1);
        QCOMPARE(ticks.view.stepped, QList<Loop>());
    }

    void acknowledgementsTellWhatWasStored()
    {
        Rig rig;
        QStringList phones(20, QString());
        phones[4] = "13912345678";
        rig.proto.SendPhoneTable(phones);
        rig.proto.ApplyReply(head() + QByteArray::fromHex("EB0100") + "NO");
        QVERIFY(rig.view.storedPhones.isEmpty());
        rig.proto.ApplyReply(head() + QByteArray::fromHex("EB0100") + "OK");
        QCOMPARE(rig.view.storedPhones, QList<QStringList>({phones}));

        rig.view.texts[70] = "seventy";
        rig.proto.WriteSinglePage(70);
        rig.view.texts[70] = "changed after sending";
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "ER");
        QVERIFY(rig.view.storedPages.isEmpty());
        rig.proto.ApplyReply(head() + QByteArray::fromHex("E90100") + "OK");
        QCOMPARE(rig.view.storedPages.size(), 1);
        QCOMPARE(rig.view.storedPages.first().first, 2);
        QCOMPARE(rig.view.storedPages.first().second.at(70 - 64), QString("seventy"));
    }

    void singlePage()
    {
        Rig rig;
        rig.view.texts[40] = "forty";
        rig.proto.WriteSinglePage(40);
        QCOMPARE(rig.sent, QList<QByteArray>({messagePageWrite(1, rig.view.texts.mid(32, 32))}));
        QCOMPARE(rig.view.progress, -1);
    }
};

QTEST_GUILESS_MAIN(FramesTest)
#include "test_frames.moc"
