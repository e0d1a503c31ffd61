#include "link/params_compare.h"

#include "qx3100/settings.h"
#include "qx3200/settings.h"

#include <QTest>

using namespace lt;

class ParamsCompareTest : public QObject
{
    Q_OBJECT

    static qx3100::Settings read3100()
    {
        qx3100::Settings s;
        s.version = QStringLiteral("13800000000");
        s.baud = 9600;
        s.restart_seconds = 60;
        s.password = QStringLiteral("12:34:56:78:");
        s.work_form = WorkForm::Passive;
        s.passive_address = QStringLiteral("00:01:");
        s.trans_form = TransForm::Format;
        return s;
    }

    static QList<params::Comparison> compare3100(const QJsonObject &file, const QJsonObject &read)
    {
        return params::compare(qx3100::fieldNames(), file, read,
                               [](const QString &f) { return qx3100::groupOf(f).has_value(); });
    }
    static QList<params::Comparison> compare3200(const QJsonObject &file, const QJsonObject &read)
    {
        return params::compare(qx3200::fieldNames(), file, read,
                               [](const QString &f) { return qx3200::groupOf(f).has_value(); });
    }

private slots:
    void sameValuesChangeNothing()
    {
        const QJsonObject params = qx3100::toParams(read3100());
        const auto rows = compare3100(params, params);
        QCOMPARE(rows.size(), params.size());
        QVERIFY(params::changedFields(rows).isEmpty());
    }

    void listsExactlyTheChangedFieldsInFieldOrder()
    {
        qx3100::Settings file = read3100();
        file.restart_seconds = 90;
        file.work_form = WorkForm::Active;
        file.power_saving = true;   // not read at all: it would change
        file.version = QStringLiteral("13900000000");   // differs, but no write sends it
        qx3100::Settings read = read3100();
        read.wake_mode = 2;         // read but not in the file: not a row
        const auto rows = compare3100(qx3100::toParams(file), qx3100::toParams(read));

        QStringList fields;
        for (const auto &row : rows)
            fields << row.field;
        // The model's order, not the JSON object's alphabetical one.
        QCOMPARE(fields, (QStringList{"version", "baud", "restart_seconds", "password", "work_form", "passive_address",
                                      "trans_form", "power_saving"}));
        QCOMPARE(params::changedFields(rows), (QStringList{"restart_seconds", "work_form", "power_saving"}));
        QCOMPARE(rows.at(2), (params::Comparison{"restart_seconds", 90, 60, true, true}));
        QCOMPARE(rows.at(0), (params::Comparison{"version", "13900000000", "13800000000", false, false}));
        QCOMPARE(rows.at(4).inFile, QJsonValue("active"));
        QCOMPARE(rows.at(4).read, QJsonValue("passive"));
        QVERIFY(rows.at(7).read.isUndefined());
    }

    void aNumberEqualsItselfWhateverItsForm()
    {
        // 400 read back as a double equals 400 written as a whole number.
        const QJsonObject file{{"wake_idle_ms", 400}};
        const QJsonObject read{{"wake_idle_ms", 400.0}};
        QVERIFY(params::changedFields(compare3200(file, read)).isEmpty());
        const QJsonObject other{{"wake_idle_ms", 800.0}};
        QCOMPARE(params::changedFields(compare3200(file, other)), QStringList{"wake_idle_ms"});
    }
};

QTEST_GUILESS_MAIN(ParamsCompareTest)
#include "test_params_compare.moc"
