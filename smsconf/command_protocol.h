#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

namespace sms {

// The module-parameter lists of the dialog.
enum class SerialList { Baud, DataBits, Parity, StopBits };
enum class Loop { Read, Write };

// What the protocol reads from and writes into the dialog. The tables live
// only in the dialog's lists; rows are 0-based.
class ConfigView
{
public:
    virtual ~ConfigView() = default;
    virtual QString phoneNumber(int row) const = 0;
    virtual void setPhoneNumber(int row, const QString &number) = 0;
    virtual QString messageText(int row) const = 0;
    virtual void setMessageText(int row, const QString &text) = 0;
    virtual void selectSerialParam(SerialList list, int index) = 0;
    virtual void setDeviceAddress(const QString &text) = 0;
    virtual void setRegisterAddress(const QString &text) = 0;
    virtual void setProgress(int value) = 0;
    // A loop ended or failed: its timer stops, the operation group is idle again.
    virtual void loopEnded(Loop loop) = 0;
    // A loop sent its next request as soon as its reply came in, between two
    // of its ticks: the wait for the new answer counts from here.
    virtual void loopStepped(Loop loop) = 0;
    // The module acknowledged what was sent: the 20 numbers, or the 32 texts of a page.
    virtual void phonesStored(const QStringList &numbers) = 0;
    virtual void pageStored(int page, const QStringList &texts) = 0;
    virtual void showMessage(const QString &text, const QString &title) = 0;
    // Added to the message of a loop the module stopped answering: what on
    // this computer may keep its answers away (a line break first), or nothing.
    virtual QString noAnswerNote() const { return {}; }
};

// Where requests go and how a clear acknowledgement drops what came after it.
struct Transport
{
    std::function<int(const QByteArray &)> write;
    std::function<void()> discardReceived;
};

// Requests, reply handling and the two paged transfer loops.
class CommandProtocol
{
    Q_DECLARE_TR_FUNCTIONS(sms::CommandProtocol)
public:
    static constexpr int kIdle = 100;
    static constexpr int kReadWaitLimit = 50;     // ticks beyond which a block is asked again
    static constexpr int kWriteWaitLimit = 150;   // ticks beyond which a page is sent again
    static constexpr int kRetryLimit = 3;

    CommandProtocol(ConfigView &view, Transport transport);

    void SendPhoneTable(const QStringList &numbers);
    void RequestPhoneTable();
    void ClearMessageTable();
    void SendMessagePage(int page, const QStringList &texts);
    void RequestMessageBlock(int block);
    void SetSerialParams(int baud, int dataBits, int parity, int stopBits);
    void QuerySerialParams();
    void SetDeviceAddress(int value);
    void SetRegisterAddress(int value);
    void QueryDeviceAddress();
    void QueryRegisterAddress();

    // The phone numbers and the texts of one page, as the dialog holds them.
    QStringList phoneNumbers() const;
    QStringList pageTexts(int page) const;
    // Sends the page that holds the given message position.
    void WriteSinglePage(int position);

    // A complete reply (the bytes received before the quiet gap).
    void ApplyReply(const QByteArray &reply);

    void StartRead();
    void StartWrite();
    void ReadLoopTick();
    void WriteLoopTick();
    // Both loops go idle at once (interrupt, or the port went away).
    void StopLoops();
    // With step on reply, a loop whose answer a reply brought sends its next
    // request at once instead of on its next tick; retries still wait for
    // the tick, so a failing module is asked no faster than before.
    void setStepOnReply(bool step) { m_stepOnReply = step; }

    int readState = kIdle;
    int readBlock = 0;
    int readWaitTicks = 0;
    int readRetries = 0;
    bool readGood = false;
    bool readBad = false;

    int writeState = kIdle;
    int writePage = 0;
    int writeWaitTicks = 0;
    int writeRetries = 0;
    bool writeAcked = false;
    bool writeFailed = false;

private:
    void send(const QByteArray &bytes);
    void applyFrame(const QByteArray &r);
    void applyBlock(const QByteArray &r);
    // The answered block or page is done: on to the next, or the loop ends.
    void blockDone();
    void pageDone();
    void stepOnReply();

    ConfigView &m_view;
    Transport m_transport;
    bool m_stepOnReply = false;
    // What the last write requests carried, for when the module acknowledges them.
    QStringList m_phonesSent;
    int m_pageSent = -1;
    QStringList m_pageTextsSent;
};

} // namespace sms
