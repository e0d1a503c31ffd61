#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

// The entries of a .ts that would still show the Chinese source text:
// marked unfinished (new, or changed since it was translated) or with an
// empty translation, as "context: source". Vanished and obsolete entries
// are no longer shown anywhere.
QStringList untranslated(QIODevice &ts, int *messages = nullptr)
{
    QStringList found;
    QXmlStreamReader xml(&ts);
    QString context, source;
    int count = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("message")) {
            ++count;
        } else if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            QString text;
            bool numerus = false;
            bool emptyForm = false;
            while (!(xml.isEndElement() && xml.name() == QLatin1String("translation")) && !xml.atEnd()) {
                xml.readNext();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    numerus = true;
                    emptyForm |= xml.readElementText().isEmpty();
                } else if (xml.isCharacters()) {
                    text += xml.text();
                }
            }
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                continue;
            if (type == QLatin1String("unfinished") || (numerus ? emptyForm : text.isEmpty()))
                found << context + QLatin1String(": ") + source;
        }
    }
    if (xml.hasError())
        found << QStringLiteral("unreadable: ") + xml.errorString();
    if (messages)
        *messages = count;
    return found;
}

QStringList untranslated(const QByteArray &ts)
{
    QByteArray copy = ts;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return untranslated(buffer);
}

QByteArray tsWith(const QByteArray &messages)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
           "<TS version=\"2.1\" language=\"en_US\" sourcelanguage=\"zh_CN\">\n<context>\n<name>ctx</name>\n"
           + messages + "</context>\n</TS>\n";
}

// The catalogs as the build knows them: lupdate, its options, each .ts with its sources.
struct Catalogs {
    QString lupdate;
    QStringList options;
    QList<QPair<QString, QStringList>> files;
};

Catalogs readCatalogList()
{
    Catalogs c;
    QFile list(QStringLiteral(QX_CATALOG_LIST));
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return c;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        const QString kind = line.section(QLatin1Char(' '), 0, 0);
        const QString value = line.section(QLatin1Char(' '), 1);
        if (kind == QLatin1String("lupdate"))
            c.lupdate = value;
        else if (kind == QLatin1String("option"))
            c.options << value;
        else if (kind == QLatin1String("ts"))
            c.files.append({value, {}});
        else if (kind == QLatin1String("source") && !c.files.isEmpty())
            c.files.last().second << value;
    }
    return c;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT
private slots:
    void untranslatedEntries_data()
    {
        QTest::addColumn<QByteArray>("messages");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("translated") << QByteArray("<message><source>提示</source><translation>Notice</translation></message>")
                                    << QStringList();
        QTest::newRow("new") << QByteArray("<message><source>提示</source><translation type=\"unfinished\"></translation></message>")
                             << QStringList{QStringLiteral("ctx: 提示")};
        // lupdate keeps the old translation of a changed text but marks it unfinished.
        QTest::newRow("changed") << QByteArray("<message><source>提示</source><translation type=\"unfinished\">Notice</translation></message>")
                                 << QStringList{QStringLiteral("ctx: 提示")};
        QTest::newRow("empty") << QByteArray("<message><source>提示</source><translation></translation></message>")
                               << QStringList{QStringLiteral("ctx: 提示")};
        QTest::newRow("vanished") << QByteArray("<message><source>旧</source><translation type=\"vanished\">Old</translation></message>")
                                  << QStringList();
        QTest::newRow("obsolete") << QByteArray("<message><source>旧</source><translation type=\"obsolete\"></translation></message>")
                                  << QStringList();
        QTest::newRow("numerus one form missing")
            << QByteArray("<message numerus=\"yes\"><source>%n 条</source><translation><numerusform>%n message</numerusform>"
                          "<numerusform></numerusform></translation></message>")
            << QStringList{QStringLiteral("ctx: %n 条")};
        QTest::newRow("numerus complete")
            << QByteArray("<message numerus=\"yes\"><source>%n 条</source><translation><numerusform>%n message</numerusform>"
                          "<numerusform>%n messages</numerusform></translation></message>")
            << QStringList();
        QTest::newRow("one of two")
            << QByteArray("<message><source>甲</source><translation>A</translation></message>"
                          "<message><source>乙</source><translation type=\"unfinished\"></translation></message>")
            << QStringList{QStringLiteral("ctx: 乙")};
    }

    void untranslatedEntries()
    {
        QFETCH(QByteArray, messages);
        QFETCH(QStringList, expected);
        QCOMPARE(untranslated(tsWith(messages)), expected);
    }

    void brokenFileIsReported()
    {
        const QStringList found = untranslated(QByteArray("<TS><context><name>x</name><message>"));
        QCOMPARE(found.size(), 1);
        QVERIFY(found[0].startsWith(QLatin1String("unreadable")));
    }

    // Every text of every catalog, as the sources have it now, is translated.
    void everyTextIsTranslated()
    {
        const Catalogs catalogs = readCatalogList();
        QVERIFY2(!catalogs.lupdate.isEmpty(), "no catalog list from the build");
        QVERIFY(!catalogs.files.isEmpty());
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const auto &[ts, sources] : catalogs.files) {
            const QString copy = dir.filePath(QFileInfo(ts).fileName());
            QVERIFY2(QFile::copy(ts, copy), qPrintable(ts));
            QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
            QProcess lupdate;
            lupdate.setProcessChannelMode(QProcess::MergedChannels);
            lupdate.start(catalogs.lupdate, QStringList(catalogs.options) << sources << QStringLiteral("-ts") << copy);
            QVERIFY(lupdate.waitForFinished(60000));
            QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                     lupdate.readAll().constData());

            QFile file(copy);
            QVERIFY(file.open(QIODevice::ReadOnly));
            int messages = 0;
            const QStringList missing = untranslated(file, &messages);
            QVERIFY2(messages > 0, qPrintable(ts + QLatin1String(": lupdate found no texts in the sources")));
            QVERIFY2(missing.isEmpty(),
                     qPrintable(QStringLiteral("%1 lacks translations (build the lupdate target, then translate):\n  %2")
                                    .arg(ts, missing.join(QLatin1String("\n  ")))));
        }
    }
};

QTEST_GUILESS_MAIN(TranslationsTest)
#include "test_translations.moc"
