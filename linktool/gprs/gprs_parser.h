#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QWidget;

namespace lt {
struct ModuleState;
}

namespace lt::gprs {

// Steps of the parameter read chain and of the write sequences, and the
// pending identity write: shared by the QX3200 window and its reply parser.
struct ParamSteps
{
    qint16 para_step = 0;   // 100: waiting for a reply, or nothing pending
    bool slave_pending = false;
};

// What the parameter replies write into the QX3200 window. Texts arrive
// ready to show; the window only places them.
class ParamView
{
public:
    virtual ~ParamView() = default;
    virtual QWidget *messageParent() = 0;

    virtual void showIdentity(const QString &address, const QString &project, const QString &site,
                              const QString &internalCode) = 0;
    virtual void showVersion(const QString &text) = 0;
    virtual void showPassiveAddress(const QString &address) = 0;
    virtual void showTarget(const QString &address, const QString &project, const QString &site) = 0;
    virtual void showHeartbeat(const QString &seconds) = 0;
    // Selecting a list item runs the list's own behaviour.
    virtual void showWorkForm(bool active) = 0;
    virtual void showTransForm(bool format) = 0;
    // False when the sub-mode list cannot show that selection.
    virtual bool showSubMode(bool mode1) = 0;
    // typeText "ASCII", "16进制", "BCD码" (typeIndex 0..2, the list follows) or "R50模式" (typeIndex -1).
    virtual void showAddressSettings(int start, int length, int groupMax, const QString &typeText, int typeIndex) = 0;
    virtual void showBaud(const QString &text, int index) = 0;
    virtual void showRestartCount(const QString &text) = 0;
    virtual void showPowerSaving(bool on) = 0;
    virtual void showWakeTimes(const QString &text) = 0;
    virtual void showWakeMode(bool mode2) = 0;

    // Identity write results.
    virtual void closeWaitNotice() = 0;
    virtual void startReplace() = 0;      // Timer3: the write again with operation 0x02
    virtual void startSlaveRetry() = 0;   // Timer7: set_slave again
};

// gprs_parser: the parameter branch (para_mode True) reads the reply at the
// start of the burst and writes it into the view, the work and transfer form
// into module; otherwise the burst goes to the data branch.
class GprsParser
{
public:
    GprsParser(ParamView &view, ParamSteps &steps, ModuleState &module,
               std::function<void(const QByteArray &burst)> dataBranch);

    void parse(const QByteArray &burst);
    // 0 between bursts: a pass never leaves the parser inside a reply.
    qint16 state() const { return m_state; }

private:
    // Runs one state over the burst; false ends the pass.
    bool runState(const QByteArray &b);
    bool handle(quint8 code, const QByteArray &b);
    void identityResult(const QByteArray &b);

    ParamView &m_view;
    ParamSteps &m_steps;
    ModuleState &m_module;
    std::function<void(const QByteArray &burst)> m_dataBranch;
    qint16 m_state = 0;
};

} // namespace lt::gprs
