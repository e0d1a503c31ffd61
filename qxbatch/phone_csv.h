#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace qxb {

// The number the window writes to erase an entry; a read shows an erased
// entry as twelve F.
inline constexpr QLatin1String kEraseNumber("FFFFFFFFFFF");
inline constexpr QLatin1String kErasedNumber("FFFFFFFFFFFF");

// One entry of the phone table as the window shows it: "00:01:" and "13900000001".
struct PhoneEntry {
    QString address;
    QString number;
    bool operator==(const PhoneEntry &) const = default;
};

// A phone table as CSV (address,number with a header line), and back: the
// refusal of the first line the window would refuse, with its line number.
QByteArray phonesToCsv(const QList<PhoneEntry> &entries);
struct PhonesFromCsv {
    QList<PhoneEntry> entries;
    QString refusal;
};
PhonesFromCsv phonesFromCsv(const QByteArray &csv);

} // namespace qxb
