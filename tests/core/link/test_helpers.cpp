#include "link/frame.h"
#include "link/helpers.h"
#include "link/module_port.h"

#include "crc16.h"

#include <QTest>

using namespace lt;

class HelpersTest : public QObject
{
    Q_OBJECT
private slots:
    void crcKnownAnswerAndByteOrder()
    {
        const QByteArray text("123456789");
        auto crc = [](const QByteArray &bytes) {
            return qx::crc16(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
        };
        QCOMPARE(crc(text), 0x4B37);
        QCOMPARE(crc(QByteArray::fromHex("01030000000A")), 0xCDC5);
        // On the wire the CRC goes low byte first; the CRC over frame plus CRC is then 0.
        const std::uint16_t reg = crc(text);
        QByteArray framed = text;
        framed.append(char(reg & 0xFF)).append(char(reg >> 8));
        QCOMPARE(crc(framed), 0);
    }

    void hexHelpers()
    {
        QCOMPARE(byte_hex(10), QStringLiteral("0A"));
        QCOMPARE(byte_hex(0), QStringLiteral("00"));
        QCOMPARE(byte_hex(255), QStringLiteral("FF"));
        QCOMPARE(hex_value('a'), 0);
        QCOMPARE(hex_value('F'), 15);
        QCOMPARE(hex_value('7'), 7);
        QCOMPARE(hex_key('b'), int('B'));
        for (int k : {'g', 'G', ' ', '-', ':'})
            QCOMPARE(hex_key(k), 0);
        QCOMPARE(hex_key(8), 8);
        QCOMPARE(hex_key(0x4E2D), 0x4E2D);   // double-byte characters pass
        QCOMPARE(hex_key(-5), -5);
        QCOMPARE(num_key('5'), int('5'));
        QCOMPARE(num_key('A'), 0);
        QCOMPARE(num_key(8), 8);
        QCOMPARE(hex_text(QByteArray::fromHex("0a4f")), QStringLiteral("0A:4F:"));
        QCOMPARE(hex_text({}), QString());
        QCOMPARE(hex_pair(QStringLiteral("12:AB:"), 3), 0xAB);
        QCOMPARE(hex_pair(QStringLiteral("12:ab:"), 3), 0);     // lower case is not a digit here
        QCOMPARE(hex_pair(QStringLiteral("1"), 0), 0x10);        // past the end counts as 0
        QCOMPARE(hex_pair(QStringLiteral("12"), 5), 0);
    }

    void setPortChoices()
    {
        ModulePort comm;
        comm.select(QStringLiteral("COM9"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(comm.portNumber(), 1);
        QCOMPARE(comm.settings(), QStringLiteral("9600,n,8,1"));
        comm.select(QStringLiteral("COM3"), QStringLiteral("300bps"), QStringLiteral("n,8,1"));
        QCOMPARE(comm.portNumber(), 3);
        QCOMPARE(comm.settings(), QStringLiteral("9600,n,8,1"));
        comm.select(QStringLiteral("COM8"), QStringLiteral("115200bps"), QStringLiteral("E,7,2"));
        QCOMPARE(comm.portNumber(), 8);
        QCOMPARE(comm.settings(), QStringLiteral("115200,E,7,2"));
        comm.select(QStringLiteral("9600"), QStringLiteral("9600"), QStringLiteral("n,8,1"));
        QCOMPARE(comm.portNumber(), 1);
        QCOMPARE(comm.portName(), QStringLiteral("COM1"));

        // A device path is that device, named as chosen; COMn takes over again.
        comm.select(QStringLiteral("/dev/serial/by-id/usb-FTDI-if00"), QStringLiteral("19200bps"), QStringLiteral("n,8,1"));
        QCOMPARE(comm.portNumber(), 0);
        QCOMPARE(comm.portName(), QStringLiteral("/dev/serial/by-id/usb-FTDI-if00"));
        QCOMPARE(comm.device(), QStringLiteral("/dev/serial/by-id/usb-FTDI-if00"));
        QCOMPARE(comm.settings(), QStringLiteral("19200,n,8,1"));
        qputenv("QXCOM4", "/tmp/qx-sim-4");
        comm.select(QStringLiteral("COM4"), QStringLiteral("9600bps"), QStringLiteral("n,8,1"));
        QCOMPARE(comm.portNumber(), 4);
        QCOMPARE(comm.portName(), QStringLiteral("COM4"));
        QCOMPARE(comm.device(), QStringLiteral("/tmp/qx-sim-4"));
        qunsetenv("QXCOM4");
    }

    void frameEnvelope()
    {
        QCOMPARE(frame::read_request(0xF8), QByteArray::fromHex("1A2A3A4A5A6A7A8AF803"));
        QCOMPARE(frame::write_request(0xDA, QByteArray(1, '\x01')), QByteArray::fromHex("1A2A3A4A5A6A7A8ADA0101"));
        const QByteArray good = QByteArray::fromHex("1A2A3A4A5A6A7A8AFD0380");
        QVERIFY(frame::headAt(good));
        QByteArray badSig = good;
        badSig[4] = 0x5B;
        QVERIFY(frame::startByteAt(badSig) && !frame::signatureAt(badSig));
        QVERIFY(!frame::headAt(good.left(8)));
        QVERIFY(!frame::startByteAt(QByteArray::fromHex("00") + good));
        QVERIFY(frame::headAt(QByteArray::fromHex("00") + good, 1));
    }
};

QTEST_GUILESS_MAIN(HelpersTest)
#include "test_helpers.moc"
