#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// One entry of the module's phone table: which module (its two-byte identity
// address) is reached at which number, in transparent mode 2.
namespace lt::qx3100 {

// Read one entry by its number (high and low byte), 14 bytes.
QByteArray phoneRead(quint8 high, quint8 low);
// Write one entry: address twice, the six number bytes (six 0xFF erase the
// entry), then the CRC over bytes 0..19, low byte first. 22 bytes.
QByteArray phoneWrite(quint8 high, quint8 low, const QByteArray &sixNumberBytes);
// The number bytes that erase an entry.
QByteArray erasedNumber();

// A read entry as the parser puts it together: laid out like the write frame
// (operation byte 1) and whole, its CRC over all 22 bytes 0.
bool entryValid(QByteArrayView record);

// Texts of an entry: "HH:LL:" and the number as the module holds it (first
// byte without a leading zero, then five pairs: "1" and ten digits, or twelve F).
QString addressText(int high, int low);
QString numberText(QByteArrayView sixBytes);
// The same two texts of a record as entryValid() takes it.
QString entryAddress(QByteArrayView record);
QString entryNumber(QByteArrayView record);

} // namespace lt::qx3100
