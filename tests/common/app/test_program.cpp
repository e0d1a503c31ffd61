#include "program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTest>

namespace {

QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString earlierFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("probe"));
}

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ProgramTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        qx::identifyProgram(QStringLiteral("probe"));
    }

    void init()
    {
        QDir(dataFolder()).removeRecursively();
        QDir(earlierFolder()).removeRecursively();
    }

    void names()
    {
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("probe"));
        QVERIFY(!QCoreApplication::organizationName().isEmpty());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(qx::programVersion()).hasMatch());
        QCOMPARE(QCoreApplication::applicationVersion(), qx::programVersion());
        QVERIFY(qx::desktopId(QStringLiteral("probe")).endsWith(QLatin1String(".probe")));
        // The organisation names the data folder, so data of earlier builds sits elsewhere.
        QVERIFY(dataFolder() != earlierFolder());
    }

    void earlierDataMovesOnce()
    {
        write(earlierFolder() + QLatin1String("/phone_db.sqlite"), "table");
        QVERIFY(qx::adoptEarlierData());
        QCOMPARE(read(dataFolder() + QLatin1String("/phone_db.sqlite")), QByteArray("table"));
        QVERIFY(!QFileInfo::exists(earlierFolder()));
        QVERIFY(!qx::adoptEarlierData());
        QCOMPARE(read(dataFolder() + QLatin1String("/phone_db.sqlite")), QByteArray("table"));
    }

    void currentDataIsNeverReplaced()
    {
        write(earlierFolder() + QLatin1String("/phone_db.sqlite"), "old");
        write(dataFolder() + QLatin1String("/phone_db.sqlite"), "new");
        QVERIFY(!qx::adoptEarlierData());
        QCOMPARE(read(dataFolder() + QLatin1String("/phone_db.sqlite")), QByteArray("new"));
        QCOMPARE(read(earlierFolder() + QLatin1String("/phone_db.sqlite")), QByteArray("old"));
    }

    void nothingEarlier()
    {
        QVERIFY(!qx::adoptEarlierData());
        QVERIFY(!QFileInfo::exists(dataFolder()));
    }
};

QTEST_GUILESS_MAIN(ProgramTest)
#include "test_program.moc"
