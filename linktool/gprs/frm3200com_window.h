#pragma once

#include "frm3200com.h"
#include "gprs_parser.h"

#include "ui/button_lock.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;

namespace lt {

class DataTestPage;
class NetworkWaitNotice;
class Shell;
class ParamDisplay;
class ParamPage;

// frm3200COM, "模块设置": reads and writes the QX3200's parameters, shows
// them, and holds the data test page.
class Frm3200COM : public QWidget, private gprs::ParamView
{
    Q_OBJECT
public:
    Frm3200COM(Shell &shell, WorkMode mode, QWidget *parent = nullptr);
    ~Frm3200COM() override;

    static Frm3200COM *instance();

    // Shared with the parser (and looked at by tests).
    gprs::ParamSteps &steps() { return m_steps; }

    WorkMode workMode() const { return m_workMode; }
    // Window load for a work mode: parser armed, port open, the first
    // parameter read a second later.
    void load(WorkMode mode);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Command1_Click(int index);
    // Every Command1 button but Exit writes to the module: is there a port to write to?
    bool linkReady(int index);
    void SSTab1_Click(int page);

    void set_slave(quint8 operation = 0x01);
    void set_object();
    void set_bd_address();
    void set_baud();
    void refresh_para();
    void commanddisable();
    void commandenable();
    bool heartbeatInput();
    bool workModeComplete();
    bool powerSavingInput();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer4_Timer();
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();

    void send(const QByteArray &frame);
    void openPortIfClosed();
    void stopTimers();
    void linkLost();
    QWidget *dataControl(const char *name) const;
    void setDataControlsVisible(std::initializer_list<const char *> names, bool visible);

    // ParamView
    QWidget *messageParent() override { return this; }
    void showIdentity(const QString &address, const QString &project, const QString &site,
                      const QString &internalCode) override;
    void showVersion(const QString &text) override;
    void showPassiveAddress(const QString &address) override;
    void showTarget(const QString &address, const QString &project, const QString &site) override;
    void showHeartbeat(const QString &seconds) override;
    void showWorkForm(bool active) override;
    void showTransForm(bool format) override;
    bool showSubMode(bool mode1) override;
    void showAddressSettings(int start, int length, int groupMax, const QString &typeText, int typeIndex) override;
    void showBaud(const QString &text, int index) override;
    void showRestartCount(const QString &text) override;
    void showPowerSaving(bool on) override;
    void showWakeTimes(const QString &text) override;
    void showWakeMode(bool mode2) override;
    void closeWaitNotice() override;
    void startReplace() override;
    void startSlaveRetry() override;

    Shell &m_shell;
    WorkMode m_workMode;
    gprs::ParamSteps m_steps;
    gprs::GprsParser m_parser;
    ButtonLock m_lock;

    QTabWidget *SSTab1;
    ParamPage *m_page0;
    DataTestPage *m_data;
    ParamDisplay *m_display;
    QLineEdit *Text2, *Text3;
    std::array<QPushButton *, 12> Command1{};
    QTimer *Timer1, *Timer2, *Timer3, *Timer4, *Timer5, *Timer6, *Timer7;
    QPointer<NetworkWaitNotice> m_form10;
    bool m_closing = false;
};

} // namespace lt
