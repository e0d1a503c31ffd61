#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

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


// A piece of source as the scan below sees it: a string literal (its text
// between the quotes) or one other token.
struct Token {
    bool literal = false;
    QString text;
    int line = 0;
};

bool isCjk(QChar c)
{
    const ushort u = c.unicode();
    return (u >= 0x3000 && u <= 0x9fff) || (u >= 0xff00 && u <= 0xffef);
}

// Comments and character literals are dropped; an encoding prefix (u8, u, L)
// stays a token of its own before its literal.
QList<Token> tokens(const QString &code)
{
    QList<Token> out;
    int line = 1;
    const int n = code.size();
    for (int i = 0; i < n;) {
        const QChar c = code[i];
        if (c == QLatin1Char('\n')) {
            ++line;
            ++i;
        } else if (c.isSpace()) {
            ++i;
        } else if (code.mid(i, 2) == QLatin1String("//")) {
            while (i < n && code[i] != QLatin1Char('\n'))
                ++i;
        } else if (code.mid(i, 2) == QLatin1String("/*")) {
            const int end = code.indexOf(QLatin1String("*/"), i + 2);
            const int stop = end < 0 ? n : end + 2;
            line += code.mid(i, stop - i).count(QLatin1Char('\n'));
            i = stop;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            Token t{c == QLatin1Char('"'), {}, line};
            for (++i; i < n && code[i] != c && code[i] != QLatin1Char('\n'); ++i) {
                if (code[i] == QLatin1Char('\\') && i + 1 < n)
                    t.text += code[i++];
                t.text += code[i];
            }
            ++i;
            if (t.literal)
                out << t;
        } else if (c.isLetterOrNumber() || c == QLatin1Char('_')) {
            Token t{false, {}, line};
            while (i < n && (code[i].isLetterOrNumber() || code[i] == QLatin1Char('_')))
                t.text += code[i++];
            out << t;
        } else {
            out << Token{false, QString(c), line};
            ++i;
        }
    }
    return out;
}

bool isToken(const QList<Token> &t, int i, const char *text)
{
    return i >= 0 && !t[i].literal && t[i].text == QLatin1String(text);
}

// The string literals holding Chinese that no translation marker takes, as
// "line: text": what a user would see in Chinese whatever the language.
// Marked are tr("…"), QT_TR_NOOP("…") and translate("context", "…") or
// QT_TRANSLATE_NOOP("context", "…"), literals split over lines included.
QStringList unmarkedTexts(const QString &code)
{
    const QList<Token> t = tokens(code);
    QStringList found;
    for (int i = 0; i < t.size(); ++i) {
        if (!t[i].literal || std::none_of(t[i].text.begin(), t[i].text.end(), isCjk))
            continue;
        int first = i;
        while (first > 0 && (t[first - 1].literal || isToken(t, first - 1, "u8") || isToken(t, first - 1, "u")
                             || isToken(t, first - 1, "L")))
            --first;
        const int before = first - 1;
        const bool marked = (isToken(t, before, "(")
                             && (isToken(t, before - 1, "tr") || isToken(t, before - 1, "QT_TR_NOOP")))
            || (isToken(t, before, ",") && before >= 2 && t[before - 1].literal && isToken(t, before - 2, "(")
                && (isToken(t, before - 3, "translate") || isToken(t, before - 3, "QT_TRANSLATE_NOOP")));
        if (!marked)
            found << QStringLiteral("%1: %2").arg(t[i].line).arg(t[i].text);
    }
    return found;
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

    void unmarkedTexts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("tr") << QStringLiteral("x = tr(\"提示\");") << QStringList();
        QTest::newRow("class tr") << QStringLiteral("x = QObject::tr(\"提示\");") << QStringList();
        QTest::newRow("literal") << QStringLiteral("x = QStringLiteral(\"提示\");") << QStringList{QStringLiteral("1: 提示")};
        QTest::newRow("utf8") << QStringLiteral("x = QString::fromUtf8(u8\"提示\");") << QStringList{QStringLiteral("1: 提示")};
        QTest::newRow("translate") << QStringLiteral("QCoreApplication::translate(\"Ctx\",\n  \"提示\")") << QStringList();
        QTest::newRow("noop table") << QStringLiteral("{QT_TRANSLATE_NOOP(\"Ctx\", \"甲\"), 1}") << QStringList();
        QTest::newRow("split over lines") << QStringLiteral("tr(\"甲\"\n   \"乙\")") << QStringList();
        QTest::newRow("second argument") << QStringLiteral("f(tr(\"甲\"),\n  \"乙\")") << QStringList{QStringLiteral("2: 乙")};
        QTest::newRow("context holds Chinese") << QStringLiteral("translate(\"甲\", \"乙\")") << QStringList{QStringLiteral("1: 甲")};
        QTest::newRow("comments") << QStringLiteral("// \"甲\"\n/* \"乙\"\n */ tr(\"丙\\\"\")") << QStringList();
        QTest::newRow("full-width colon") << QStringLiteral("QStringLiteral(\"a：\")") << QStringList{QStringLiteral("1: a：")};
        QTest::newRow("ascii") << QStringLiteral("QStringLiteral(\"COM1\")") << QStringList();
    }

    void unmarkedTexts()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, expected);
        QCOMPARE(::unmarkedTexts(code), expected);
    }

    // Every Chinese text in the programs' sources goes through a translation
    // marker, but those kept in Chinese on purpose.
    void everyChineseTextIsMarked()
    {
        // file name ending, text: why it stays Chinese in every language
        static const QList<QPair<QString, QString>> kept = {
            {QStringLiteral("common/app/language_menu.cpp"), QStringLiteral("中文")},   // each language names itself
        };
        const Catalogs catalogs = readCatalogList();
        QVERIFY(!catalogs.files.isEmpty());
        QStringList found;
        for (const auto &catalog : catalogs.files) {
            for (const QString &path : catalog.second) {
                QFile file(path);
                QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
                for (const QString &text : ::unmarkedTexts(QString::fromUtf8(file.readAll()))) {
                    const QString literal = text.section(QLatin1String(": "), 1);
                    const bool isKept = std::any_of(kept.begin(), kept.end(), [&](const auto &k) {
                        return path.endsWith(k.first) && literal == k.second;
                    });
                    if (!isKept)
                        found << path + QLatin1Char(':') + text;
                }
            }
        }
        found.removeDuplicates();
        // One line each: a test message this long would be cut.
        for (const QString &text : std::as_const(found))
            qWarning("no tr(): %s", qPrintable(text));
        QVERIFY2(found.isEmpty(), qPrintable(QStringLiteral("%1 Chinese texts without tr()").arg(found.size())));
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
