#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>

// Requests of the configurator and the encodings of the two tables, as plain
// bytes: nothing here knows about widgets or the port.
namespace sms {

enum FunctionCode : std::uint8_t {
    FN_MESSAGE_TABLE = 0xE9,   // 1 write page / its ack, 2 request block, 3 block data
    FN_CLEAR_MESSAGES = 0xEA,
    FN_PHONE_TABLE = 0xEB,     // 1 write table / its ack, 2 request table, 3 table data
    FN_SERIAL_PARAMS = 0xF2,   // 1 set, 2 query
};

inline constexpr int kPhoneSlots = 20;
inline constexpr int kPhoneSlotLen = 20;
inline constexpr int kMessageCount = 320;
inline constexpr int kRecordLen = 128;
inline constexpr int kPageRecords = 32;
inline constexpr int kPageCount = 10;
inline constexpr int kBlockRecords = 8;
inline constexpr int kBlockCount = 40;
inline constexpr int kMaxTextUnits = 59;          // longest text a record holds
inline constexpr int kBlockReplyLen = 11 + kBlockRecords * kRecordLen + 2;   // 1037
// Answers whose length the program knows without a checksum: a write
// acknowledgement (head, code, 1, one byte, "OK"), the phone table (head,
// code, 3, 20 slots) and the serial parameters (head, code, sub, 4 digits).
inline constexpr int kAckLen = 13;
inline constexpr int kPhoneTableReplyLen = 10 + kPhoneSlots * kPhoneSlotLen;   // 410
inline constexpr int kSerialParamsReplyLen = 14;

// Byte i of a reply, or -1 past its end: decoders read only received bytes.
inline int byteAt(QByteArrayView bytes, qsizetype i)
{
    return i >= 0 && i < bytes.size() ? std::uint8_t(bytes[i]) : -1;
}

QByteArray FrameHeader();

// 128-byte record: length byte (2 x UTF-16 units), the units high byte first,
// 0xFF to the end. Empty texts and texts longer than 59 units give 128 x 0xFF.
QByteArray encodeRecord(const QString &text);
bool textFitsRecord(const QString &text);
// Text of a record (up to 128 bytes are looked at; missing bytes end it).
QString decodeRecord(QByteArrayView record);

// 20-byte phone slot: one ASCII byte per character (low byte), 0xFF padding.
QByteArray encodePhoneSlot(const QString &number);
// The run of ASCII digits from the slot's start, at most 20.
QString decodePhoneSlot(QByteArrayView slot);

QByteArray phoneTableWrite(const QStringList &numbers);           // 412 bytes
QByteArray phoneTableRequest();                                   // 10
QByteArray clearMessagesRequest();                                // 9
QByteArray messagePageWrite(int page, const QStringList &texts);  // 4,109
QByteArray messageBlockRequest(int block);                        // 11
// Selected indexes of the module's baud, data-bit, parity and stop-bit lists.
QByteArray serialParamsSet(int baud, int dataBits, int parity, int stopBits);   // 14
QByteArray serialParamsQuery();                                   // 10
QByteArray deviceAddressSet(int value);
QByteArray deviceAddressQuery();
QByteArray registerAddressSet(int value);
QByteArray registerAddressQuery();

// The decimal number made of the leading digits; 0 when there is none.
int leadingNumber(QByteArrayView text);

} // namespace sms
