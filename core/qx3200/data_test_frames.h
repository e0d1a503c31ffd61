#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The frames the data test sends through a QX3200: a passive module's "$"
// commands, format data led by D7 01, and transparent raw data.
namespace lt::qx3200::datatest {

// The send area cut to whole "hh:" groups: an unfinished last group is dropped.
QString cutToGroups(const QString &text);

// Bytes of a hex text: characters 1-2, 4-5, 7-8, ... (counted from 1) as high and
// low digit; one byte per whole group of three characters.
QByteArray hexBytes(const QString &text);

// The two bytes of an address box ("hh:hh:" or "hh:hh"); nothing when the box
// holds fewer than the five characters that carry both bytes.
std::optional<QByteArray> addressBytes(const QString &text);

// Longest data a frame's 16-bit length field can announce.
constexpr int kMaxLength = 0xFFFF;
// Largest data count each sender can put in one frame (the passive format
// write counts its 6-byte format head in its length; active transparent data
// has no length field).
int maxData(bool passive, bool format);

// "$" a1 a2 "R" CR: read what the module holds.
QByteArray readFrame(const QByteArray &address);
// "$" a1 a2 "W" 00 00 CR: memory check.
QByteArray memoryCheckFrame(const QByteArray &address);
// Passive write: "$" a1 a2 "W" length data CR, the data in a format head when
// receiver is given.
QByteArray passiveWriteFrame(const QByteArray &address, const QByteArray &data,
                             const std::optional<QByteArray> &receiver);
// Active format data: D7 01 r1 r2 length data.
QByteArray formatFrame(const QByteArray &receiver, const QByteArray &data);

} // namespace lt::qx3200::datatest
