#include "models/qx3100_smstest.h"

#include <QTest>

using namespace qxsim;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// Records what the module puts on the line.
struct Recorder : ModuleLink
{
    struct Out {
        QByteArray bytes;
        int delay;
        bool unsolicited;
    };
    QList<Out> out;
    void reply(const QByteArray &bytes, int delayMs) override { out.append({bytes, delayMs, false}); }
    void sendUnsolicited(const QByteArray &bytes, int delayMs) override { out.append({bytes, delayMs, true}); }
    void goSilent(int) override {}
    QByteArray all() const
    {
        QByteArray b;
        for (const auto &o : out)
            b += o.bytes;
        return b;
    }
};

} // namespace

class SmsTestSimTest : public QObject
{
    Q_OBJECT
private slots:
    void activeFormat()
    {
        Qx3100SmsTest m;
        Recorder link;
        QVERIFY(!m.handle(hex("1A2A3A4A5A6A7A8AF803"), link, 1, 1));
        QVERIFY(!m.handle(hex("55"), link, 1, 1));
        QVERIFY(m.handle(hex("D701013800138000 0004 4F60597D"), link, 1, 1));
        QCOMPARE(link.all(), hex("D7FA"));
        QCOMPARE(m.sent().last(), hex("4F60597D"));
        QVERIFY(m.setOption(QStringLiteral("sms_ack"), QStringLiteral("0xFF")));
        link.out.clear();
        QVERIFY(m.handle(hex("D801013800138000 0002 4F4B"), link, 1, 1));
        QCOMPARE(link.all(), hex("D7FF"));
        link.out.clear();
        QVERIFY(m.handle(hex("D701013800138000 0009 4F60"), link, 1, 1));   // length does not match
        QCOMPARE(link.all(), hex("D7FC"));
    }

    void passiveRequests()
    {
        Qx3100SmsTest m;
        Recorder link;
        QVERIFY(m.handle(hex("241234520D"), link, 0, 1));
        QCOMPARE(link.all(), hex("2112340000 0D"));
        link.out.clear();
        QVERIFY(m.setOption(QStringLiteral("sms_status"), QStringLiteral("2")));
        QVERIFY(m.handle(hex("24123457 0000 0D"), link, 0, 1));
        QCOMPARE(link.all(), hex("2112340002 0D"));
        link.out.clear();
        QVERIFY(m.handle(hex("24123457 000E D701 013800138000 0004 4F60597D 0D"), link, 0, 1));
        QCOMPARE(link.all(), hex("21123400 0D"));
        link.out.clear();
        QVERIFY(m.handle(hex("24123457 0004 4F60597D 0D"), link, 0, 0));
        QCOMPARE(link.all(), hex("21123400 0D"));
        link.out.clear();
        // Malformed: wrong length field, missing CR, unknown letter.
        for (const char *bad : {"24123457 0005 4F60597D 0D", "241234520E", "241234580D", "24123457 0004 4F60597D 0D"}) {
            link.out.clear();
            QVERIFY(m.handle(hex(bad), link, 0, 1));
            QCOMPARE(link.all(), hex("3F1234 0D"));
        }
        // Another module's address is not answered.
        QVERIFY(m.setOption(QStringLiteral("sms_address"), QStringLiteral("0x1234")));
        link.out.clear();
        QVERIFY(m.handle(hex("245678520D"), link, 0, 1));
        QVERIFY(link.out.isEmpty());
        QVERIFY(!m.handle(hex("4F60"), link, 0, 1));
    }

    void incomingMessages()
    {
        Qx3100SmsTest m;
        Recorder link;
        QVERIFY(m.setOption(QStringLiteral("sms_sender"), QStringLiteral("13912345678")));
        QVERIFY(m.setOption(QStringLiteral("sms_bursts"), QStringLiteral("2")));
        QVERIFY(!m.setOption(QStringLiteral("sms_sender"), QStringLiteral("1391234567")));
        QVERIFY(!m.setOption(QStringLiteral("nonsense"), QStringLiteral("1")));

        m.deliver(link, m.configuredMessage(), 1, 1);
        QCOMPARE(link.out.size(), 2);
        QVERIFY(link.out[0].unsolicited);
        QCOMPARE(link.out[1].delay, 150);
        const QByteArray af = link.all();
        QCOMPARE(af.size(), 10 + 4 + 6);
        QCOMPARE(af.left(14), hex("D701 013912345678 0004 4F60597D"));

        link.out.clear();
        m.deliver(link, m.configuredMessage(), 1, 0);
        QCOMPARE(link.all(), hex("4F60597D"));

        // Passive: held until read, then carried by the read reply.
        link.out.clear();
        m.deliver(link, m.configuredMessage(), 0, 1);
        QVERIFY(link.out.isEmpty());
        QVERIFY(m.holding());
        QVERIFY(m.handle(hex("241234520D"), link, 0, 1));
        const QByteArray pf = link.all();
        QCOMPARE(pf.left(19), hex("2112340001 D701 013912345678 0004 4F60597D"));
        QCOMPARE(pf.size(), 5 + 14 + 7);
        QCOMPARE(pf.back(), '\r');
        QVERIFY(!m.holding());

        link.out.clear();
        QVERIFY(m.setOption(QStringLiteral("sms_bursts"), QStringLiteral("1")));
        m.deliver(link, m.configuredMessage(), 0, 0);
        QVERIFY(m.handle(hex("241234520D"), link, 0, 0));
        QCOMPARE(link.all(), hex("2112340001 4F60597D 0D"));
    }

    void loopbackAndTimer()
    {
        Qx3100SmsTest m;
        Recorder link;
        QVERIFY(m.setOption(QStringLiteral("sms_loopback"), QStringLiteral("1")));
        QVERIFY(m.handle(hex("D701013800138000 0004 4F60597D"), link, 1, 1));
        QCOMPARE(link.out.size(), 2);
        QCOMPARE(link.out[1].bytes.left(14), hex("D701 013800138000 0004 4F60597D"));
        QCOMPARE(link.out[1].delay, 500);

        link.out.clear();
        QVERIFY(m.handle(hex("24123457 0004 4F60597D 0D"), link, 0, 0));
        QVERIFY(m.holding());

        link.out.clear();
        m.attach(&link, 1, 0);
        QVERIFY(m.setOption(QStringLiteral("sms_every"), QStringLiteral("30")));
        QTRY_VERIFY(link.out.size() >= 2);
        QCOMPARE(link.out[0].bytes, hex("4F60597D"));
        QVERIFY(m.setOption(QStringLiteral("sms_every"), QStringLiteral("0")));
    }
};

QTEST_GUILESS_MAIN(SmsTestSimTest)
#include "test_smstest_sim.moc"
