#include "models/qx3200_datatest.h"

#include <QTest>

using namespace qxsim;

namespace {

QByteArray hex(const char *h)
{
    return QByteArray::fromHex(h);
}

// The line as the module model sees it: every answer and unsolicited burst recorded.
class RecordingLink : public ModuleLink
{
public:
    QList<QByteArray> replies;
    void reply(const QByteArray &bytes, int) override { replies << bytes; }
    void sendUnsolicited(const QByteArray &bytes, int) override { replies << bytes; }
    void goSilent(int) override {}
    QByteArray take()
    {
        return replies.isEmpty() ? QByteArray("<none>") : replies.takeFirst();
    }
};

} // namespace

// The simulated QX3200's side of the data test.
class DataTestSimTest : public QObject
{
    Q_OBJECT
private slots:
    void passiveReadWriteAndMemoryCheck()
    {
        Qx3200DataTest m;
        RecordingLink link;
        QVERIFY(m.handle(hex("243031520D"), link, 0, 0));
        QCOMPARE(link.take(), hex("2130310000 0D"));
        QVERIFY(m.handle(hex("24303157 0002 3132 0D"), link, 0, 0));
        QCOMPARE(link.take(), hex("21303100"));
        QVERIFY(m.handle(hex("24303157 0000 0D"), link, 0, 0));
        QCOMPARE(link.take(), hex("2130310001 0D"));
        QVERIFY(m.handle(hex("243031520D"), link, 0, 0));
        QCOMPARE(link.take(), hex("2130310002 3132 0D"));
        QCOMPARE(m.waiting(), 0);
        QVERIFY(link.replies.isEmpty());
    }

    void passiveFormat()
    {
        Qx3200DataTest m;
        RecordingLink link;
        QVERIFY(m.handle(hex("24303157 0008 D7010005 0002 3132 0D"), link, 0, 1));
        QCOMPARE(link.take(), hex("21303100"));
        // Read back as a format message from the address the data went to.
        QVERIFY(m.handle(hex("243031520D"), link, 0, 1));
        QCOMPARE(link.take(), hex("2130310008 D7010005 0002 3132 0D"));
        // A format write without a sound format head is malformed.
        QVERIFY(m.handle(hex("24303157 0002 3132 0D"), link, 0, 1));
        QCOMPARE(link.take(), hex("3F3031"));
    }

    void passiveMalformedAndOtherAddresses()
    {
        Qx3200DataTest m;
        RecordingLink link;
        for (const char *bad : {"243031580D", "2430315200", "24303157 0003 3132 0D", "24303157 0002 3132 00", "2430", "24"}) {
            QVERIFY(m.handle(hex(bad), link, 0, 0));
            const QByteArray expected = QByteArray(bad).startsWith("243031") ? hex("3F3031") : QByteArray("?") + hex(bad).mid(1, 2).leftJustified(2, '\0');
            QCOMPARE(link.take(), expected);
        }
        // Only "$" commands are data-test traffic for a passive module.
        QVERIFY(!m.handle(hex("1A2A3A4A5A6A7A8AF803"), link, 0, 0));
        QVERIFY(!m.handle(hex("3132"), link, 0, 0));
        // With its own address set, commands for another module get no answer.
        QVERIFY(m.setOption(QStringLiteral("data-address"), QStringLiteral("3030")));
        QVERIFY(m.handle(hex("243031520D"), link, 0, 0));
        QVERIFY(link.replies.isEmpty());
        QVERIFY(m.handle(hex("243030520D"), link, 0, 0));
        QCOMPARE(link.take(), hex("2130300000 0D"));
    }

    void activeFormatAnswers()
    {
        Qx3200DataTest m;
        RecordingLink link;
        QVERIFY(m.handle(hex("D7010005 0002 4142"), link, 1, 1));
        QCOMPARE(link.take(), hex("D7010005 0002 4142"));
        QVERIFY(m.handle(hex("D7010005 0003 4142"), link, 1, 1));
        QCOMPARE(link.take(), hex("D7FC"));
        QVERIFY(m.setOption(QStringLiteral("data-reply"), QStringLiteral("FF")));
        QVERIFY(m.handle(hex("D7010005 0002 4142"), link, 1, 1));
        QCOMPARE(link.take(), hex("D7FF"));
        QVERIFY(m.setOption(QStringLiteral("data-reply"), QStringLiteral("FA+loop")));
        QVERIFY(m.handle(hex("D7010005 0001 41"), link, 1, 1));
        QCOMPARE(link.take(), hex("D7FA D7010005 0001 41"));
        QVERIFY(m.setOption(QStringLiteral("data-reply"), QStringLiteral("quiet")));
        QVERIFY(m.handle(hex("D7010005 0001 41"), link, 1, 1));
        QVERIFY(link.replies.isEmpty());
        QVERIFY(!m.handle(hex("4142"), link, 1, 1));
        QVERIFY(!m.handle(hex("1A2A3A4A5A6A7A8AF903"), link, 1, 1));
    }

    void activeTransparentAnswers()
    {
        Qx3200DataTest m;
        RecordingLink link;
        QVERIFY(m.handle(hex("3132"), link, 1, 0));
        QCOMPARE(link.take(), hex("3132"));
        QVERIFY(!m.handle(hex("1A2A3A4A5A6A7A8AF903"), link, 1, 0));
        QVERIFY(m.setOption(QStringLiteral("data-reply"), QStringLiteral("55")));
        QVERIFY(m.handle(hex("3132"), link, 1, 0));
        QCOMPARE(link.take(), hex("55"));
    }

    void dataFromTheCentre()
    {
        Qx3200DataTest m;
        QVERIFY(m.setOption(QStringLiteral("data-sender"), QStringLiteral("0007")));
        QCOMPARE(m.incoming(hex("55"), 1, 1), QList<QByteArray>{hex("D7010007000155")});
        QCOMPARE(m.incoming(hex("0102030405"), 1, 0, 2), (QList<QByteArray>{hex("0102"), hex("030405")}));
        QCOMPARE(m.incoming(hex("01"), 1, 0, 5), QList<QByteArray>{hex("01")});
        // A passive module keeps it for the next read.
        QVERIFY(m.incoming(hex("55"), 0, 0).isEmpty());
        QCOMPARE(m.waiting(), 1);
        RecordingLink link;
        m.handle(hex("243031520D"), link, 0, 1);
        QCOMPARE(link.take(), hex("2130310007 D7010007000155 0D"));
    }

    void options()
    {
        Qx3200DataTest m;
        for (const auto &[k, v] : {std::pair{"data-address", "30"}, {"data-address", "zzzz"}, {"data-reply", "loud"},
                                   {"data-ack", "100"}, {"data-inbox", "xy"}, {"data-inbox", ""}, {"restart-ms", "5"}})
            QVERIFY2(!m.setOption(QLatin1String(k), QLatin1String(v)), k);
        QVERIFY(m.setOption(QStringLiteral("data-ack"), QStringLiteral("59")));
        QVERIFY(m.setOption(QStringLiteral("data-inbox"), QStringLiteral("4142")));
        QVERIFY(m.setOption(QStringLiteral("data-address"), QStringLiteral("any")));
        QCOMPARE(m.waiting(), 1);
        RecordingLink link;
        m.handle(hex("24303157 0001 31 0D"), link, 0, 0);
        QCOMPARE(link.take(), hex("21303159"));
        QCOMPARE(m.optionHelp().size(), 5);
    }
};

QTEST_GUILESS_MAIN(DataTestSimTest)
#include "test_datatest_sim.moc"
