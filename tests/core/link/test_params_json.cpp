#include "link/params_json.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTest>

#include <limits>

using namespace lt;
using namespace lt::params;

// What both settings models read their JSON values with: only the form a
// value is written in is taken, so a file cannot slip in a value the window
// would never have shown.
class ParamsJsonTest : public QObject
{
    Q_OBJECT
private slots:
    void readersTakeOnlyTheirKind()
    {
        QCOMPARE(text(QJsonValue(QStringLiteral("12:34:"))), QStringLiteral("12:34:"));
        QVERIFY(!text(QJsonValue(12)));
        QVERIFY(!text(QJsonValue()));
        QCOMPARE(flag(QJsonValue(false)), false);
        QVERIFY(!flag(QJsonValue(0)));
        QVERIFY(!flag(QJsonValue(QStringLiteral("true"))));
        QCOMPARE(number(QJsonValue(2.5)), 2.5);
        QVERIFY(!number(QJsonValue(QStringLiteral("60"))));
        QVERIFY(!number(QJsonValue(std::numeric_limits<double>::infinity())));
        QCOMPARE(whole(QJsonValue(255), 0, 255), 255);
        QCOMPARE(whole(QJsonValue(0.0), 0, 255), 0);
        QVERIFY(!whole(QJsonValue(256), 0, 255));
        QVERIFY(!whole(QJsonValue(-1), 0, 255));
        QVERIFY(!whole(QJsonValue(1.5), 0, 255));
        QVERIFY(!whole(QJsonValue(QJsonArray{1}), 0, 255));
        QVERIFY(!whole(QJsonValue(1e12), 0, std::numeric_limits<int>::max()));
    }

    void namesBothWays()
    {
        for (const auto &n : kWorkFormNames)
            QCOMPARE(named(kWorkFormNames, QJsonValue(nameOf(kWorkFormNames, n.value))), n.value);
        for (const auto &n : kTransFormNames)
            QCOMPARE(named(kTransFormNames, QJsonValue(nameOf(kTransFormNames, n.value))), n.value);
        for (const auto &n : kAddressTypeNames)
            QCOMPARE(named(kAddressTypeNames, QJsonValue(nameOf(kAddressTypeNames, n.value))), n.value);
        QCOMPARE(nameOf(kWorkFormNames, WorkForm::Active), QStringLiteral("active"));
        QCOMPARE(nameOf(kTransFormNames, TransForm::Format), QStringLiteral("format"));
        QCOMPARE(nameOf(kAddressTypeNames, AddressType::R50), QStringLiteral("r50"));
        // Written as they are written, nothing else.
        QVERIFY(!named(kWorkFormNames, QJsonValue(QStringLiteral("Passive"))));
        QVERIFY(!named(kWorkFormNames, QJsonValue(0)));
        QVERIFY(!named(kAddressTypeNames, QJsonValue(QStringLiteral("ASCII"))));
    }

    void refusalsNameTheirField()
    {
        const Refusal unknown = unknownKey(QStringLiteral("colour"));
        const Refusal bad = badValue(QStringLiteral("baud"));
        const Refusal missing = missingValue(QStringLiteral("wake_mode"));
        QCOMPARE(unknown.field, QStringLiteral("colour"));
        QCOMPARE(bad.field, QStringLiteral("baud"));
        QCOMPARE(missing.field, QStringLiteral("wake_mode"));
        // Three different things to tell, under one title.
        QVERIFY(!unknown.message.isEmpty());
        QVERIFY(unknown.message != bad.message && bad.message != missing.message && unknown.message != missing.message);
        QCOMPARE(bad.title, unknown.title);
        QCOMPARE(missing.title, unknown.title);
    }
};

QTEST_GUILESS_MAIN(ParamsJsonTest)
#include "test_params_json.moc"
