#include "phone_csv.h"

#include <QCoreApplication>
#include <QStringList>

namespace qxb {

QByteArray phonesToCsv(const QList<PhoneEntry> &entries)
{
    QByteArray csv = "address,number\n";
    for (const PhoneEntry &e : entries)
        csv += e.address.toLatin1() + ',' + e.number.toLatin1() + '\n';
    return csv;
}

namespace {

bool isHex(const QString &text)
{
    for (QChar c : text)
        if (!c.isDigit() && !(c.toUpper() >= QLatin1Char('A') && c.toUpper() <= QLatin1Char('F')))
            return false;
    return true;
}

// The window's own refusal of an entry, or nothing.
QString refusalOf(const PhoneEntry &e, const QStringList &numbersSoFar)
{
    const bool addressOk = e.address.size() == 6 && e.address.at(2) == QLatin1Char(':') && e.address.at(5) == QLatin1Char(':')
                           && isHex(e.address.left(2) + e.address.mid(3, 2));
    if (!addressOk)
        return QCoreApplication::translate("qxbatch", "您输入的地址不正确");
    if (e.number.size() != 11 || !isHex(e.number))
        return QCoreApplication::translate("qxbatch", "您输入的电话号码不正确");
    if (e.number != kEraseNumber && numbersSoFar.contains(e.number))
        return QCoreApplication::translate("qxbatch", "电话号码有重复，请检查电话号码");
    return {};
}

} // namespace

PhonesFromCsv phonesFromCsv(const QByteArray &csv)
{
    PhonesFromCsv out;
    QStringList numbers;
    const QList<QByteArray> lines = csv.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.isEmpty() || (i == 0 && line.startsWith(QLatin1String("address"))))
            continue;
        const QStringList cells = line.split(QLatin1Char(','));
        PhoneEntry entry{cells.value(0).trimmed().remove(QLatin1Char('"')).toUpper(),
                         cells.value(1).trimmed().remove(QLatin1Char('"')).toUpper()};
        const QString refusal = cells.size() == 2 ? refusalOf(entry, numbers)
                                                  : QCoreApplication::translate("qxbatch", "每行应有地址和电话号码两项");
        if (!refusal.isEmpty()) {
            out.entries.clear();
            out.refusal = QCoreApplication::translate("qxbatch", "第 %1 行：%2").arg(i + 1).arg(refusal);
            return out;
        }
        numbers << entry.number;
        out.entries << entry;
    }
    return out;
}

} // namespace qxb
