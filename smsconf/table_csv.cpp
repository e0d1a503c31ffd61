#include "table_csv.h"

#include "frames.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringDecoder>

namespace sms {

namespace {

// A bad file names this many lines; the rest are counted.
constexpr int kProblemsShown = 15;

const char kBom[] = "\xEF\xBB\xBF";

struct Shape {
    const char *head;     // the head line's two names
    int rows;
    int firstKey;         // the key of row 0: phone rows count from 1, positions from 0
};

Shape shapeOf(TableKind kind)
{
    return kind == TableKind::Phones ? Shape{"row,number", kPhoneSlots, 1} : Shape{"position,text", kMessageCount, 0};
}

QByteArray csvField(const QString &value)
{
    // Quoted when a spreadsheet would otherwise split, join or trim it.
    const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"'))
                       || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))
                       || value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' '));
    if (!quote)
        return value.toUtf8();
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return '"' + quoted.toUtf8() + '"';
}

// One record of the file: its fields and the line it starts on. Quoted
// fields may hold commas, doubled quotes and line breaks.
struct Record {
    int line = 0;
    QStringList fields;
    bool unclosedQuote = false;
    bool textAfterQuote = false;
};

QList<Record> records(const QString &text)
{
    QList<Record> out;
    int line = 1;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        Record rec;
        rec.line = line;
        QString field;
        bool quoted = false;     // the field began with a quote
        bool inQuotes = false;
        for (;;) {
            if (i >= n) {
                rec.unclosedQuote = inQuotes;
                rec.fields << field;
                break;
            }
            const QChar c = text.at(i);
            if (inQuotes) {
                if (c == QLatin1Char('"') && i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    i += 2;
                    continue;
                }
                if (c == QLatin1Char('"'))
                    inQuotes = false;
                else
                    field += c;
                line += c == QLatin1Char('\n');
                ++i;
            } else if (c == QLatin1Char(',')) {
                rec.fields << field;
                field.clear();
                quoted = false;
                ++i;
            } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
                rec.fields << field;
                i += c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n') ? 2 : 1;
                ++line;
                break;
            } else if (c == QLatin1Char('"') && field.isEmpty() && !quoted) {
                quoted = inQuotes = true;
                ++i;
            } else {
                rec.textAfterQuote |= quoted;
                field += c;
                ++i;
            }
        }
        out << rec;
    }
    return out;
}

bool isBlank(const Record &rec)
{
    return rec.fields.size() == 1 && rec.fields.first().trimmed().isEmpty() && !rec.unclosedQuote;
}

// The value's problem, or an empty text when the table can hold it.
QString valueProblem(TableKind kind, const QString &value)
{
    if (kind == TableKind::Messages) {
        if (!textFitsRecord(value))
            return QCoreApplication::translate("sms::TableCsv",
                    "信息内容不能超过%1个字符（现有%2个）").arg(kMaxTextUnits).arg(value.size());
        return {};
    }
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    if (!digits.match(value).hasMatch() || value.size() > kPhoneSlotLen)
        return QCoreApplication::translate("sms::TableCsv", "电话号码只能是数字，最多%1位（现为“%2”）").arg(kPhoneSlotLen).arg(value);
    return {};
}

} // namespace

QByteArray exportTable(TableKind kind, const QStringList &values)
{
    const Shape shape = shapeOf(kind);
    QByteArray out = QByteArray(kBom) + shape.head + "\r\n";
    for (int row = 0; row < shape.rows; ++row)
        out += QByteArray::number(shape.firstKey + row) + ',' + csvField(values.value(row)) + "\r\n";
    return out;
}

TableImport importTable(TableKind kind, const QByteArray &file)
{
    const Shape shape = shapeOf(kind);
    TableImport result;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(file.startsWith(kBom) ? file.mid(3) : file);
    if (utf8.hasError()) {
        result.unreadable = QCoreApplication::translate("sms::TableCsv",
                "文件不是 UTF-8 编码，表格没有改动。请在电子表格程序里把它另存为“CSV UTF-8”后再导入。");
        return result;
    }

    const QString lastKey = QString::number(shape.firstKey + shape.rows - 1);
    const QString first = QString::number(shape.firstKey);
    QStringList values(shape.rows);
    QHash<int, int> lineOfRow;
    bool seenHead = false;
    for (const Record &rec : records(text)) {
        if (isBlank(rec))
            continue;
        const QString where = QCoreApplication::translate("sms::TableCsv", "第 %1 行：").arg(rec.line);
        const bool isHead = !seenHead && rec.fields.size() == 2
                            && (rec.fields.at(0).trimmed() + QLatin1Char(',') + rec.fields.at(1).trimmed())
                                       .compare(QLatin1String(shape.head), Qt::CaseInsensitive)
                                   == 0;
        seenHead = true;
        if (isHead)
            continue;
        if (rec.unclosedQuote) {
            result.problems << where + QCoreApplication::translate("sms::TableCsv", "引号没有结束");
            continue;
        }
        bool numbered = false;
        const int key = rec.fields.first().trimmed().toInt(&numbered);
        if (rec.fields.size() != 2 || rec.textAfterQuote || !numbered) {
            result.problems << where
                                   + (kind == TableKind::Phones ? QCoreApplication::translate("sms::TableCsv",
                                           "格式不对，应为“序号,电话号码”")
                                                                : QCoreApplication::translate("sms::TableCsv",
                                                                        "格式不对，应为“位置,信息内容”"));
            continue;
        }
        const int row = key - shape.firstKey;
        if (row < 0 || row >= shape.rows) {
            result.problems << where
                                   + (kind == TableKind::Phones ? QCoreApplication::translate("sms::TableCsv",
                                           "序号 %1 超出范围（%2–%3）")
                                                                : QCoreApplication::translate("sms::TableCsv",
                                                                        "位置 %1 超出范围（%2–%3）"))
                                         .arg(key)
                                         .arg(first, lastKey);
            continue;
        }
        if (lineOfRow.contains(row)) {
            result.problems << where
                                   + (kind == TableKind::Phones ? QCoreApplication::translate("sms::TableCsv",
                                           "序号 %1 与第 %2 行重复")
                                                                : QCoreApplication::translate("sms::TableCsv",
                                                                        "位置 %1 与第 %2 行重复"))
                                         .arg(key)
                                         .arg(lineOfRow.value(row));
            continue;
        }
        lineOfRow.insert(row, rec.line);
        // A spreadsheet may pad a number with spaces; a text keeps them.
        const QString value = kind == TableKind::Phones ? rec.fields.at(1).trimmed() : rec.fields.at(1);
        const QString problem = valueProblem(kind, value);
        if (!problem.isEmpty()) {
            result.problems << where + problem;
            continue;
        }
        values[row] = value;
    }
    if (result.problems.isEmpty())
        result.values = values;
    return result;
}

QString TableImport::refusal() const
{
    if (!unreadable.isEmpty())
        return unreadable;
    QStringList shown = problems.mid(0, kProblemsShown);
    if (problems.size() > kProblemsShown)
        shown << QCoreApplication::translate("sms::TableCsv", "……另有 %1 行不正确").arg(problems.size() - kProblemsShown);
    return QCoreApplication::translate("sms::TableCsv",
            "文件中有 %1 行不正确，表格没有改动：").arg(problems.size()) + QLatin1Char('\n')
           + shown.join(QLatin1Char('\n'));
}

} // namespace sms
