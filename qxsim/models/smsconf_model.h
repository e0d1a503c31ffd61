#pragma once

#include "frame_model.h"

#include <QHash>

namespace qxsim {

// The SMS module as the message-table configurator sees it: a phone table,
// a 320-entry message table, device and register addresses and the module's
// own serial parameters, reached by frames (E9, EA, EB, F2) and by the text
// commands QX+ADDR and QX+VREG.
class SmsconfModel : public FrameModel
{
public:
    SmsconfModel();

    void handle(const QByteArray &request, ModuleLink &link) override;

    // The stored tables, raw: 20 slots of 20 bytes, 320 records of 128 bytes.
    const QByteArray &phoneTable() const { return m_phones; }
    const QByteArray &messageTable() const { return m_messages; }
    void setMessageRecord(int position, const QByteArray &record);
    int deviceAddress() const { return m_deviceAddress; }
    int registerAddress() const { return m_registerAddress; }
    // Baud code 1..9, data bits, parity code, stop bits.
    QList<int> serialParams() const { return {m_baudCode, m_dataBits, m_parity, m_stopBits}; }

private:
    using TextHandler = std::function<void(const QByteArray &argument, ModuleLink &link)>;

    void messageTable(const Frame &f, ModuleLink &link);
    void writePage(const Frame &f, ModuleLink &link);
    void sendBlock(int block, ModuleLink &link);
    void phoneTable(const Frame &f, ModuleLink &link);
    void serialParams(const Frame &f, ModuleLink &link);
    // Whether this request is one the module lets go unanswered (fault options).
    bool dropsReply();
    bool failsFirstAttempt(int kind, int number);

    QByteArray m_phones;
    QByteArray m_messages;
    int m_deviceAddress = 1;
    int m_registerAddress = 0;
    int m_baudCode = 4;      // 9600
    int m_dataBits = 8;
    int m_parity = 0;
    int m_stopBits = 1;
    QHash<QByteArray, TextHandler> m_textCommands;

    // Fault options.
    int m_dropReplies = 0;           // swallow the next N replies
    int m_onlyRetry = 0;             // 1: each block and page is answered only when asked again
    int m_badCrcBlock = -1;          // this block goes out with a broken checksum...
    int m_badCrcTimes = 1;           // ...this many times (-1: always)
    int m_refusePage = -1;           // this page is refused...
    int m_refuseTimes = 1;           // ...this many times (-1: always)
    int m_blockBursts = 0;           // send each block in this many bursts (0/1: one)
    int m_burstGapMs = 100;          // pause between the bursts
    int m_otherBlock = 0;            // answer block b with block (b + N) mod 40
    QHash<int, int> m_attempts;      // first-attempt bookkeeping: kind*100 + number
};

} // namespace qxsim
