#pragma once

#include <QByteArray>
#include <QString>

namespace lt {

struct ModuleState;

// Where the frame half of the QX3100 reply parser puts what it decoded: the
// window's information panel and controls, and the phone table.
class SmsFrameView
{
public:
    virtual ~SmsFrameView() = default;
    virtual void initialisationFinished() = 0;                         // 0xFD, byte 9 = 1
    virtual void showWorkForm(bool passive) = 0;                       // 0xF8
    virtual void showTransForm(bool transparent) = 0;                  // 0xF9
    virtual void showReceiver(const QString &number) = 0;              // 0xA2
    virtual void showPasswordUse(bool used) = 0;                       // 0xA1
    virtual void showPassword(const QString &colonText) = 0;           // 0xF1
    virtual void showVersion(const QString &version) = 0;              // 0xEC
    virtual void showPassiveAddress(const QString &colonText) = 0;     // 0xE2
    virtual void showRestartTime(double seconds) = 0;                  // 0xA3
    virtual void showTransparentMode(int mode) = 0;                    // 0xFB: 1 or 2
    virtual void showAddressParameters(int start, int length, int maxInGroup, int type) = 0;   // 0xE1
    virtual void showPowerSaving(bool on) = 0;                         // 0xD3
    virtual void showWakeDelays(double idleSeconds, double dataSeconds) = 0;   // 0xD2
    virtual void showWakeMode(int mode) = 0;                           // 0xDB: 1 or 2
    // 0xD4 read answer, assembled as a 22-byte write frame and CRC-checked.
    virtual void phoneEntryRead(const QByteArray &phoneRec) = 0;
    // 0xD4 write answer: the address the module wrote.
    virtual void phoneEntryWritten(int high, int low) = 0;
};

// The frame half of sms_parser: a state machine that decodes the replies of
// a received block, advances the parameter read sequence and keeps the
// module's work and transfer form in module.
class SmsFrameParser
{
public:
    SmsFrameParser(SmsFrameView &view, ModuleState &module) : m_view(view), m_module(module) {}

    // Decodes every frame of the received block; a frame that is shorter than
    // the bytes its reply carries is dropped whole.
    void parse(const QByteArray &block);
    // 0 between blocks: a pass never leaves the parser inside a reply.
    qint16 state() const { return m_state; }

    // 0..12: next query of the read sequence; 13 and 100: nothing to send.
    qint16 read_step = 100;
    // The 0xD4 answer being assembled (head, code, operation, entry, CRC).
    QByteArray phone_rec;

private:
    qint16 run(const QByteArray &b, qint16 state);
    SmsFrameView &m_view;
    ModuleState &m_module;
    qint16 m_state = 0;
};

// True when the block is a phone-table answer: those reach the frame half
// whichever half is selected, since the phone table sits on the SMS-test tab.
bool isPhoneTableAnswer(const QByteArray &block);

} // namespace lt
