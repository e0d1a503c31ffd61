#pragma once

#include <QByteArray>
#include <QString>

namespace lt {
struct ModuleState;
}

namespace lt::qx3100 {

// Where the frame half of the QX3100 reply parser puts what it decoded: the
// window's information panel and controls, the phone table, the read chain;
// or a recorder, or a program without a window.
class FrameView
{
public:
    virtual ~FrameView() = default;
    virtual void initialisationFinished() = 0;                         // kStatus, byte 9 = 1
    virtual void showWorkForm(bool passive) = 0;                       // kWorkForm
    virtual void showTransForm(bool transparent) = 0;                  // kTransForm
    virtual void showReceiver(const QString &number) = 0;              // kReceiver
    virtual void showPasswordUse(bool used) = 0;                       // kPasswordUse
    virtual void showPassword(const QString &colonText) = 0;           // kPassword
    virtual void showVersion(const QString &version) = 0;              // kVersion
    virtual void showPassiveAddress(const QString &colonText) = 0;     // kPassiveAddress
    virtual void showRestartTime(double seconds) = 0;                  // kRestartTime
    virtual void showTransparentMode(int mode) = 0;                    // kTransparentMode: 1 or 2
    virtual void showAddressParameters(int start, int length, int maxInGroup, int type) = 0;   // kAddressSettings
    virtual void showPowerSaving(bool on) = 0;                         // kPowerSaving
    virtual void showWakeDelays(double idleSeconds, double dataSeconds) = 0;   // kWakeTimes
    virtual void showWakeMode(int mode) = 0;                           // kWakeMode: 1 or 2
    // kPhoneEntry read answer, assembled as a 22-byte write frame and CRC-checked.
    virtual void phoneEntryRead(const QByteArray &record) = 0;
    // kPhoneEntry write answer: the address the module wrote.
    virtual void phoneEntryWritten(int high, int low) = 0;
    // The answer just decoded names the next step of the read chain (see read::).
    virtual void readNext(int step) = 0;
};

// The frame half of the QX3100 reply parser: a state machine that decodes
// the replies of a received block and keeps the module's work and transfer
// form in module.
class FrameParser
{
public:
    FrameParser(FrameView &view, ModuleState &module) : m_view(view), m_module(module) {}

    // Decodes every frame of the received block; a frame that is shorter than
    // the bytes its reply carries is dropped whole.
    void parse(const QByteArray &block);
    // 0 between blocks: a pass never leaves the parser inside a reply.
    qint16 state() const { return m_state; }

private:
    qint16 run(const QByteArray &b, qint16 state);
    FrameView &m_view;
    ModuleState &m_module;
    qint16 m_state = 0;
    // The phone-table answer being assembled (head, code, operation, entry, CRC).
    QByteArray m_entry;
};

// True when the block is a phone-table answer: those reach the frame half
// whichever half is selected, since the phone table sits on the SMS-test tab.
bool isPhoneTableAnswer(const QByteArray &block);

} // namespace lt::qx3100
