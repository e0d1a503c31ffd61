#include "link/helpers.h"
#include "qx3100/sms_test_replies.h"
#include "qx3100/sms_test_requests.h"

#include "core_english.h"

#include <QSet>
#include <QTest>

using namespace lt::smstest;
using lt::hex_text;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

Body body(const QString &text, Encoding encoding)
{
    Body b;
    const BodyCheck check = encodeBody(text, encoding, b);
    if (check != BodyCheck::Ok)
        qFatal("refused body");
    return b;
}

// 13800138000 packed: 01 38 00 13 80 00
const char *const kNumber = "13800138000";

} // namespace

class SmsTestProtocolTest : public QObject
{
    Q_OBJECT
private slots:
    void encodings()
    {
        QCOMPARE(body(QStringLiteral("你好"), Encoding::Chinese).bytes, hex("4F60597D"));
        QCOMPARE(body(QStringLiteral("你好"), Encoding::Chinese).type, code::kTypeWide);
        QCOMPARE(body(QStringLiteral("Hi!"), Encoding::English).bytes, QByteArray("Hi!"));
        QCOMPARE(body(QStringLiteral("Hi!"), Encoding::English).type, code::kTypeByte);
        QCOMPARE(body(QStringLiteral("AB:CD"), Encoding::Hex).bytes, hex("ABCD"));
        QCOMPARE(body(QStringLiteral("AB:C"), Encoding::Hex).bytes, hex("AB"));
        QCOMPARE(body(QStringLiteral("AB:"), Encoding::Hex).bytes, hex("AB"));
        QCOMPARE(body(QStringLiteral("AB:CD:0F:"), Encoding::Hex).bytes, hex("ABCD0F"));
        QCOMPARE(body(QStringLiteral("AB:CD"), Encoding::Hex).type, code::kTypeWide);

        Body b;
        QCOMPARE(encodeBody(QStringLiteral("AB"), Encoding::Hex, b), BodyCheck::Unfit);
        QCOMPARE(encodeBody(QString(), Encoding::Chinese, b), BodyCheck::Unfit);
        QCOMPARE(encodeBody(QString(), Encoding::English, b), BodyCheck::Unfit);
        // Only what the hex typing aid produces is sent; nothing else counts as 0.
        QCOMPARE(encodeBody(QStringLiteral("ab:cd:"), Encoding::Hex, b), BodyCheck::Unfit);
        QCOMPARE(encodeBody(QStringLiteral("中A:12:"), Encoding::Hex, b), BodyCheck::Unfit);
        QCOMPARE(encodeBody(QStringLiteral("Hé"), Encoding::English, b), BodyCheck::NotAscii);

        QCOMPARE(sendCount(QStringLiteral("你好"), Encoding::Chinese), 4);
        QCOMPARE(sendCount(QStringLiteral("abc"), Encoding::English), 3);
        QCOMPARE(sendCount(QStringLiteral("AB:CD"), Encoding::Hex), 1);
        QCOMPARE(sendCount(QStringLiteral("AB:CD:"), Encoding::Hex), 2);
    }

    void numbersAndAddresses()
    {
        QCOMPARE(packNumber(QLatin1String(kNumber)), hex("013800138000"));
        QCOMPARE(packNumber(QStringLiteral("19876543210")), hex("019876543210"));
        QVERIFY(numberValid(QLatin1String(kNumber)));
        QVERIFY(!numberValid(QStringLiteral("1380013800")));
        QVERIFY(!numberValid(QStringLiteral("1380013800X")));
        QCOMPARE(moduleAddress(QStringLiteral("12:34:")), hex("1234"));
        QVERIFY(addressValid(QStringLiteral("0A:FF:")));
        QVERIFY(!addressValid(QStringLiteral("12:34")));
        QVERIFY(!addressValid(QStringLiteral("12:3G:")));
    }

    void requestLayouts()
    {
        const QByteArray addr = hex("1234");
        const QByteArray num = packNumber(QLatin1String(kNumber));
        const Body ni = body(QStringLiteral("你好"), Encoding::Chinese);

        QCOMPARE(readRequest(addr), hex("241234520D"));
        QCOMPARE(statusRequest(addr), hex("24123457 00000D"));

        QCOMPARE(sendRequest({false, true}, addr, num, ni), hex("D701 013800138000 0004 4F60597D"));
        QCOMPARE(sendRequest({false, false}, addr, num, ni), hex("4F60597D"));
        const QByteArray passiveFormat = sendRequest({true, true}, addr, num, ni);
        QCOMPARE(passiveFormat, hex("24123457 000E D701 013800138000 0004 4F60597D 0D"));
        QCOMPARE(passiveFormat.size(), 21);
        QCOMPARE(sendRequest({true, false}, addr, num, ni), hex("24123457 0004 4F60597D 0D"));

        const Body en = body(QStringLiteral("OK"), Encoding::English);
        QCOMPARE(sendRequest({false, true}, addr, num, en), hex("D801 013800138000 0002 4F4B"));

        const Body hx = body(QStringLiteral("AB:CD"), Encoding::Hex);
        QCOMPARE(sendRequest({true, false}, addr, num, hx), hex("24123457 0002 ABCD 0D"));

        // Length fields are signed 16-bit: the widest one must stay within 32,767.
        QVERIFY(lengthFits({false, false}, 32767));
        QVERIFY(!lengthFits({false, false}, 32768));
        QVERIFY(lengthFits({true, true}, 32757));
        QVERIFY(!lengthFits({true, true}, 32758));
        Body big;
        big.bytes = QByteArray(300, 'x');
        const QByteArray f = sendRequest({true, true}, addr, num, big);
        QCOMPARE(quint8(f[4]), quint8(0x01));
        QCOMPARE(quint8(f[5]), quint8(0x36));   // 310
        QCOMPARE(quint8(f[14]), quint8(0x01));
        QCOMPARE(quint8(f[15]), quint8(0x2C));  // 300
    }

    void logging()
    {
        QCOMPARE(hex_text(hex("241234520D")), QStringLiteral("24:12:34:52:0D:"));
        QCOMPARE(logLines(sendPrefix(), hex_text(hex("241234520D"))),
                 QStringList{QStringLiteral("发射  24:12:34:52:0D:")});
        const QByteArray sixteen = hex("000102030405060708090A0B0C0D0E0F");
        const QStringList lines = logLines(sendPrefix(), hex_text(sixteen));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("发射  00:01:02:03:04:05:06:07:08:09:0A:0B:0C:0D:0E:"));
        QCOMPARE(lines[1], QStringLiteral("0F:"));
        QCOMPARE(logLines(sendPrefix(), hex_text(sixteen.left(14))).size(), 1);
        QCOMPARE(bytesFromHexText(QStringLiteral("4F:60:59:7D:")), hex("4F60597D"));
        QCOMPARE(bytesFromHexText(QStringLiteral("4F:6")), hex("4F"));
    }

    // The words the module-status panel shows, and the log's prefixes: as
    // they always read in Chinese, each status its own word in English.
    void statusWordsInBothLanguages()
    {
        const Status all[] = {Status::Sent,      Status::SendFailed, Status::Offline,  Status::Sending,
                              Status::Receiving, Status::ReadEmpty,  Status::FormatOk, Status::FormatError};
        QStringList chinese;
        for (Status s : all)
            chinese << statusText(s);
        QCOMPARE(chinese, (QStringList{"发送成功", "发送失败", "没有上网", "正在发送", "接收短信", "读短信空", "格式正确",
                                       "格式错误"}));
        test::EnglishCore english;
        QVERIFY(english.loaded());
        QSet<QString> words;
        for (Status s : all) {
            QVERIFY2(statusText(s).at(0).isLetter() && statusText(s).at(0).unicode() < 0x80, qPrintable(statusText(s)));
            words << statusText(s);
        }
        QCOMPARE(int(words.size()), int(std::size(all)));
        QCOMPARE(statusText(Status::FormatOk), QStringLiteral("Format OK"));
        QCOMPARE(logLines(sendPrefix(), QStringLiteral("24:")), QStringList{QStringLiteral("TX  24:")});
        QCOMPARE(parseBurst(hex("D7FF"), ReplyContext{1, 1, Request::Send, false}).log,
                 QStringList{QStringLiteral("RX  D7:FF:")});
    }

    void activeFormatReplies()
    {
        const ReplyContext af{1, 1, Request::Send, false};
        ReplyOutcome o = parseBurst(hex("D7FA"), af);
        QCOMPARE(o.log, QStringList{QStringLiteral("接收  D7:FA:")});
        QCOMPARE(o.status, std::optional(Status::Sent));
        QVERIFY(!o.collectedAny);
        QCOMPARE(parseBurst(hex("D7FC"), af).status, std::optional(Status::SendFailed));
        QCOMPARE(parseBurst(hex("D7FF"), af).status, std::optional(Status::Offline));
        QVERIFY(parseBurst(hex("D7"), af).log.isEmpty());
        QVERIFY(parseBurst(hex("5566"), af).log.isEmpty());

        const QByteArray message = hex("D701 013800138000 0004 4F60597D 250102030405");
        o = parseBurst(message, af);
        QCOMPARE(o.status, std::optional(Status::Receiving));
        QCOMPARE(o.collected, message);
        QVERIFY(o.log.isEmpty());

        const QByteArray english = hex("D801 013800138000 0002 4F4B 250102030405");
        o = parseBurst(english, af);
        QVERIFY(!o.status);
        QCOMPARE(o.collected, english);

        // An acknowledgement and a message in one burst: the scan finds the message.
        o = parseBurst(hex("D7FA") + message, af);
        QCOMPARE(o.log, QStringList{QStringLiteral("接收  D7:FA:")});
        QCOMPARE(o.status, std::optional(Status::Receiving));
        QCOMPARE(o.collected, message);

        // Two acknowledgements: the second one wins; a trailing D7 with too few bytes after it is left.
        o = parseBurst(hex("D7FA D7FC00 D7FF00"), af);
        QCOMPARE(o.log.size(), 2);
        QCOMPARE(o.status, std::optional(Status::SendFailed));

        // A 0xD7 inside a collected message is part of the message, not a new reply.
        const QByteArray withD7 = hex("D701 013800138000 0004 D701D7FA 250102030405");
        o = parseBurst(withD7, af);
        QCOMPARE(o.collected, withD7);
        QCOMPARE(o.status, std::optional(Status::Receiving));
        QVERIFY(o.log.isEmpty());

        // Any non-zero transfer form is the format form.
        QCOMPARE(parseBurst(hex("D7FA"), ReplyContext{1, 2, Request::Send, false}).status, std::optional(Status::Sent));
    }

    void activeTransparentAndContinuation()
    {
        const ReplyContext at{1, 0, Request::None, false};
        const QByteArray raw = hex("414243D7010203");
        ReplyOutcome o = parseBurst(raw, at);
        QCOMPARE(o.collected, raw);   // once, though it holds a 0xD7 with bytes after it
        QVERIFY(!o.status);

        // The second half of a message: it fits no rule but a message is being collected.
        const ReplyContext afCollecting{1, 1, Request::None, true};
        o = parseBurst(hex("597D250102030405"), afCollecting);
        QCOMPARE(o.collected, hex("597D250102030405"));
        // Without a message coming in it is dropped.
        QVERIFY(!parseBurst(hex("597D250102030405"), ReplyContext{1, 1, Request::None, false}).collectedAny);
        // A status reply right after a message is still a status reply.
        o = parseBurst(hex("D7FA"), afCollecting);
        QVERIFY(!o.collectedAny);
        QCOMPARE(o.status, std::optional(Status::Sent));
    }

    void passiveReplies()
    {
        // Read without content.
        ReplyOutcome o = parseBurst(hex("2112340000 0D"), ReplyContext{0, 1, Request::Read, false});
        QCOMPARE(o.log, QStringList{QStringLiteral("接收  21:12:34:00:00:0D:")});
        QCOMPARE(o.status, std::optional(Status::ReadEmpty));
        // Read with content: the whole burst is the message.
        const QByteArray held = hex("2112340001 D701 013800138000 0004 4F60597D 250102030405 0D");
        o = parseBurst(held, ReplyContext{0, 1, Request::Read, false});
        QCOMPARE(o.collected, held);
        QCOMPARE(o.status, std::optional(Status::Receiving));
        QVERIFY(o.log.isEmpty());
        // A read reply too short for its flags reads as empty, and nothing past it is read.
        o = parseBurst(hex("211234"), ReplyContext{0, 1, Request::Read, false});
        QCOMPARE(o.log, QStringList{QStringLiteral("接收  21:12:34:")});
        QCOMPARE(o.status, std::optional(Status::ReadEmpty));

        // Send status: byte 4.
        const ReplyContext status{0, 0, Request::Status, false};
        QCOMPARE(parseBurst(hex("2112340000 0D"), status).status, std::optional(Status::Sent));
        QCOMPARE(parseBurst(hex("2112340001 0D"), status).status, std::optional(Status::SendFailed));
        QCOMPARE(parseBurst(hex("2112340002 0D"), status).status, std::optional(Status::Sending));
        o = parseBurst(hex("2112340005 0D"), status);
        QCOMPARE(o.log, QStringList{QStringLiteral("接收  21:12:34:00:05:0D:")});
        QVERIFY(!o.status);

        // Send.
        o = parseBurst(hex("21123400 0D"), ReplyContext{0, 1, Request::Send, false});
        QCOMPARE(o.log, QStringList{QStringLiteral("接收  21:12:34:00:")});
        QCOMPARE(o.status, std::optional(Status::FormatOk));

        // Malformed request: the line shows the bytes as received.
        o = parseBurst(hex("3F1234 0D"), ReplyContext{0, 1, Request::Send, false});
        QCOMPARE(o.log, QStringList{QStringLiteral("接收  3F:12:34:")});
        QCOMPARE(o.status, std::optional(Status::FormatError));

        // "!" with no request sent.
        o = parseBurst(hex("2112340000 0D"), ReplyContext{0, 1, Request::None, false});
        QVERIFY(o.log.isEmpty());
        QVERIFY(!o.status);
        QVERIFY(!o.collectedAny);
        QVERIFY(parseBurst(hex("55"), ReplyContext{0, 1, Request::Read, false}).log.isEmpty());
    }

    void decoding()
    {
        const QByteArray af = hex("D701 013800138000 0004 4F60597D 250102030405");
        DecodedMessage m = decodeMessage(af, 1, 1, Encoding::Chinese);
        QVERIFY(m.hasSender);
        QCOMPARE(m.sender, QStringLiteral("13800138000"));
        QCOMPARE(m.text, QStringLiteral("你好"));
        QCOMPARE(decodeMessage(af, 1, 1, Encoding::Hex).text, QStringLiteral("4F:60:59:7D:"));
        QCOMPARE(decodeMessage(af, 1, 1, Encoding::English).text, QString::fromLatin1("\x4F\x60\x59\x7D"));

        m = decodeMessage(hex("414243"), 1, 0, Encoding::English);
        QVERIFY(!m.hasSender);
        QCOMPARE(m.text, QStringLiteral("ABC"));
        QCOMPARE(decodeMessage(hex("C9"), 1, 0, Encoding::English).text, QString(QChar(0xC9)));

        const QByteArray pf = hex("2112340001 D701 019876543210 0004 4F60597D 250102030405 0D");
        m = decodeMessage(pf, 0, 1, Encoding::Chinese);
        QCOMPARE(m.sender, QStringLiteral("19876543210"));
        QCOMPARE(m.text, QStringLiteral("你好"));

        const QByteArray pt = hex("2112340001 4F60597D 0D");
        m = decodeMessage(pt, 0, 0, Encoding::Chinese);
        QVERIFY(!m.hasSender);
        QCOMPARE(m.text, QStringLiteral("你好"));

        // Odd byte count: what was decoded so far.
        QCOMPARE(decodeMessage(hex("4F60597D7E"), 1, 0, Encoding::Chinese).text, QStringLiteral("你好"));
        // Too short for the body range or even the sender: nothing past the bytes is read.
        m = decodeMessage(hex("D70101"), 1, 1, Encoding::Chinese);
        QCOMPARE(m.sender, QStringLiteral("1"));
        QVERIFY(m.text.isEmpty());
        QVERIFY(decodeMessage(QByteArray(), 0, 1, Encoding::Hex).text.isEmpty());
        QVERIFY(decodeMessage(hex("21"), 0, 0, Encoding::Hex).text.isEmpty());
    }
};

QTEST_GUILESS_MAIN(SmsTestProtocolTest)
#include "test_smstest_protocol.moc"
