#include "tools/address_calc.h"
#include "tools/unicode_codes.h"

#include "core_english.h"

#include <QTest>

using namespace lt;
using addr::Coding;
using addr::Error;

class ConversionsTest : public QObject
{
    Q_OBJECT
private slots:
    void codingTextsRoundTrip()
    {
        QCOMPARE(addr::codingText(1), QStringLiteral("ASCII"));
        QCOMPARE(addr::codingText(2), QStringLiteral("十六进制"));
        QCOMPARE(addr::codingText(3), QStringLiteral("BCD码"));
        for (int p : {1, 2, 3})
            QVERIFY(addr::codingFromText(addr::codingText(p)) != Coding::None);
        QCOMPARE(addr::codingFromText(QString()), Coding::None);
        QCOMPARE(addr::codingFromText(QStringLiteral("ascii")), Coding::None);
    }

    // The calculator shows the coding's name and reads its choice back from
    // that name: in English too, each name stands for its own coding.
    void codingsInEnglish()
    {
        test::EnglishCore english;
        QVERIFY(english.loaded());
        QCOMPARE(addr::codingText(2), QStringLiteral("Hex"));
        QCOMPARE(addr::codingText(3), QStringLiteral("BCD"));
        const Coding byPosition[] = {Coding::Ascii, Coding::Hex, Coding::Bcd};
        for (int p : {1, 2, 3})
            QCOMPARE(addr::codingFromText(addr::codingText(p)), byPosition[p - 1]);
        QCOMPARE(addr::codingText(4), QString());
        QCOMPARE(addr::errorText(Error::NoCoding), QStringLiteral("First choose the coding with the arrows"));
    }

    void stationValues()
    {
        QCOMPARE(addr::stationValue(QStringLiteral("12:34:"), false), 0x34);
        QCOMPARE(addr::stationValue(QStringLiteral("12:34:"), true), 0x234);
        QCOMPARE(addr::stationValue(QStringLiteral("FF:FF:"), true), 0xFFF);
        QCOMPARE(addr::stationValue(QStringLiteral("12:34"), false), -1);
        QCOMPARE(addr::stationValue(QStringLiteral("12:3G:"), false), -1);
        QCOMPARE(addr::stationValue(QStringLiteral("1中:34:"), true), -1);
        QCOMPARE(addr::stationValue(QStringLiteral("12-34:"), false), -1);
    }

    void lineFormats()
    {
        QCOMPARE(addr::addressLine(0x0234, Coding::Ascii), QStringLiteral("30:32:33:34:\r\n"));
        QCOMPARE(addr::addressLine(0xABCD, Coding::Ascii), QStringLiteral("41:42:43:44:\r\n"));
        QCOMPARE(addr::addressLine(0x0234, Coding::Hex), QStringLiteral("02:34:\r\n"));
        QCOMPARE(addr::addressLine(0xFFFF, Coding::Hex), QStringLiteral("FF:FF:\r\n"));
        QCOMPARE(addr::addressLine(1234, Coding::Bcd), QStringLiteral("12:34:\r\n"));
        QCOMPARE(addr::addressLine(9999, Coding::Bcd), QStringLiteral("99:99:\r\n"));
        QCOMPARE(addr::addressLine(7, Coding::Bcd), QStringLiteral("00:07:\r\n"));
        // Beyond what the coding carries there is no line rather than a wrong one.
        QCOMPARE(addr::addressLine(0x10000, Coding::Hex), QString());
        QCOMPARE(addr::addressLine(0x10000, Coding::Ascii), QString());
        QCOMPARE(addr::addressLine(10000, Coding::Bcd), QString());
        QCOMPARE(addr::addressLine(-1, Coding::Hex), QString());
        QCOMPARE(addr::addressLine(5, Coding::None), QString());
    }

    void calculations()
    {
        auto r = addr::calculate(QStringLiteral("00:05:"), 4, Coding::Hex, false);
        QCOMPARE(r.error, Error::None);
        QCOMPARE(r.lines, QStringLiteral("00:14:\r\n00:13:\r\n00:12:\r\n00:11:\r\n"));

        r = addr::calculate(QStringLiteral("01:23:"), 1, Coding::Bcd, true);
        QCOMPARE(r.error, Error::None);
        QCOMPARE(r.lines, QStringLiteral("02:91:\r\n"));

        // The plain variant ignores the first byte.
        r = addr::calculate(QStringLiteral("01:23:"), 1, Coding::Bcd, false);
        QCOMPARE(r.lines, QStringLiteral("00:35:\r\n"));

        r = addr::calculate(QStringLiteral("00:02:"), 255, Coding::Ascii, false);
        QCOMPARE(r.error, Error::None);
        QCOMPARE(r.lines.count(QStringLiteral("\r\n")), 255);
        QVERIFY(r.lines.startsWith(QStringLiteral("30:31:46:45:\r\n")));   // 0x01FE
        QVERIFY(r.lines.endsWith(QStringLiteral("30:31:30:30:\r\n")));     // 0x0100
    }

    void refusedCalculations_data()
    {
        QTest::addColumn<QString>("station");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("coding");
        QTest::addColumn<bool>("k");
        QTest::addColumn<int>("error");
        const int hex = int(Coding::Hex), bcd = int(Coding::Bcd), ascii = int(Coding::Ascii);
        QTest::newRow("five characters") << "00:05" << 4 << hex << false << int(Error::StationLength);
        QTest::newRow("seven characters") << "00:05:1" << 4 << hex << false << int(Error::StationLength);
        QTest::newRow("empty station") << "" << 4 << hex << false << int(Error::StationLength);
        QTest::newRow("not hexadecimal") << "0中:05:" << 4 << hex << false << int(Error::StationDigits);
        QTest::newRow("no group size") << "00:05:" << 0 << hex << false << int(Error::NoGroupSize);
        QTest::newRow("no coding") << "00:05:" << 4 << int(Coding::None) << false << int(Error::NoCoding);
        // K variant, station 0xFFF: 0xFFF * 17 = 0x10FEF does not fit two bytes.
        QTest::newRow("hex above FFFF") << "0F:FF:" << 17 << hex << true << int(Error::OutOfRange);
        QTest::newRow("ascii above FFFF") << "0F:FF:" << 17 << ascii << true << int(Error::OutOfRange);
        // 0x271 * 16 = 10000: the thousands digit would no longer be one BCD digit.
        QTest::newRow("bcd above 9999") << "02:71:" << 16 << bcd << true << int(Error::OutOfRange);
        // Station 0 with more than one module would count below address 0.
        QTest::newRow("below zero") << "00:00:" << 3 << hex << false << int(Error::OutOfRange);
    }

    void refusedCalculations()
    {
        QFETCH(QString, station);
        QFETCH(int, group);
        QFETCH(int, coding);
        QFETCH(bool, k);
        QFETCH(int, error);
        const auto r = addr::calculate(station, group, Coding(coding), k);
        QCOMPARE(int(r.error), error);
        QVERIFY(r.lines.isEmpty());
        QVERIFY(!addr::errorText(r.error).isEmpty());
    }

    void limitsStillAccepted()
    {
        // The highest addresses each coding carries are still listed: 0xFFF * 16 = 0xFFF0, 0x270 * 16 = 9984.
        QCOMPARE(addr::calculate(QStringLiteral("0F:FF:"), 16, Coding::Hex, true).lines.left(8),
                 QStringLiteral("FF:F0:\r\n"));
        QCOMPARE(addr::calculate(QStringLiteral("02:70:"), 16, Coding::Bcd, true).lines.left(8),
                 QStringLiteral("99:84:\r\n"));
        QCOMPARE(addr::calculate(QStringLiteral("00:00:"), 1, Coding::Bcd, false).lines, QStringLiteral("00:00:\r\n"));
        QCOMPARE(addr::errorText(Error::StationLength), QStringLiteral("发射区没有需要发射的数据，请重新输入"));
    }

    void unicodeCodeUnits()
    {
        auto text = [](const QString &s) { return unicode::codeUnitText(unicode::codeUnitArray(s)); };
        QCOMPARE(text(QStringLiteral("中")), QStringLiteral("4E:2D:\r\n"));
        QCOMPARE(text(QStringLiteral("AB")), QStringLiteral("00:41:00:42:\r\n"));
        QCOMPARE(text(QString()), QStringLiteral("\r\n"));
        QCOMPARE(text(QString::fromUcs4(U"\U0001F600")), QStringLiteral("D8:3D:DE:00:\r\n"));
        QCOMPARE(text(QStringLiteral("é\u00FF\u0100")), QStringLiteral("00:E9:00:FF:01:00:\r\n"));

        // The array leads with an element that is never shown.
        const QByteArray array = unicode::codeUnitArray(QStringLiteral("A"));
        QCOMPARE(array, QByteArray("\x00\x00\x41", 3));
        QCOMPARE(unicode::codeUnitArray(QString()), QByteArray(1, '\0'));
        QCOMPARE(unicode::codeUnitText(QByteArray()), QStringLiteral("\r\n"));
    }
};

QTEST_GUILESS_MAIN(ConversionsTest)
#include "test_conversions.moc"
