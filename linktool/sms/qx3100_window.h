#pragma once

#include "phone_table.h"

#include "qx3100/frame_parser.h"
#include "qx3100/settings_recorder.h"

#include "link/write_plans.h"

#include "ui/button_lock.h"

#include "sequencer.h"

#include <QTimer>
#include <QWidget>

class QTabWidget;
class QVBoxLayout;

namespace lt {

class InfoPanel;
class ModuleModelGroup;
class ParameterPage;
class Shell;
class SettingsFiles;
class SmsTestTab;

// Opens frm3100COM, the QX3100 window, as a modeless child of the main window;
// a second call brings the one open window to the front.
void openQx3100Window(Shell &shell);

// frm3100COM: the QX3100 window. Tab 0 sets the module's parameters, tab 1
// holds the SMS test and the phone table; the information panel shows what
// the module reports. The window sends what its pieces ask for, runs the
// timed sequences and hands each reply to the half of the parser it is for.
class Qx3100Window : public QWidget, private qx3100::FrameView, private PhoneTableHost
{
    Q_OBJECT
public:
    // Which half of the reply parser takes the module's replies: the SMS
    // test's until the first refresh, then the tab shown decides.
    enum class RepliesTo { SmsTest, Parameters };

    explicit Qx3100Window(Shell &shell, QWidget *parent = nullptr);
    ~Qx3100Window() override;

    // Window load: parser armed, status panel, the first refresh a second later.
    void load();

    RepliesTo repliesTo() const { return m_repliesTo; }
    // What the module reported since the last refresh: what the panel shows, as values.
    const qx3100::Settings &lastRead() const { return m_recorder.settings(); }
    SettingsFiles &settingsFiles() const { return *m_files; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QVBoxLayout *buildSide();
    void parse(const QByteArray &block);
    void refresh();
    void write(qx3100::Group group);
    // A settings file's changed fields, group by group, then a refresh that
    // the file's comparison checks; false when nothing could be sent.
    bool writeSettings(const QJsonObject &taken, const QStringList &changed);
    // The frames of a group as the page holds it, at once: a reply that
    // changes a choice sends it back to the module.
    void sendNow(qx3100::Group group);
    void lock();
    void unlock();
    void tabChanged(int index);
    void stopSequences();
    void linkLost();

    // FrameView: what the frame half of the parser decoded.
    void initialisationFinished() override;
    void showWorkForm(bool passive) override;
    void showTransForm(bool transparent) override;
    void showReceiver(const QString &number) override;
    void showPasswordUse(bool used) override;
    void showPassword(const QString &colonText) override;
    void showVersion(const QString &version) override;
    void showPassiveAddress(const QString &colonText) override;
    void showRestartTime(double seconds) override;
    void showTransparentMode(int mode) override;
    void showAddressParameters(int start, int length, int maxInGroup, int type) override;
    void showPowerSaving(bool on) override;
    void showWakeDelays(double idleSeconds, double dataSeconds) override;
    void showWakeMode(int mode) override;
    void phoneEntryRead(const QByteArray &record) override;
    void phoneEntryWritten(int high, int low) override;
    void readNext(int step) override;

    // PhoneTableHost
    bool portReady() override;
    void send(const QByteArray &frame) override;
    void lockForLoop() override;
    void unlockAfterLoop() override;

    Shell &m_shell;
    qx3100::SettingsRecorder m_recorder;
    qx3100::FrameParser m_parser;
    RepliesTo m_repliesTo = RepliesTo::SmsTest;
    QTabWidget *m_tabs = nullptr;   // SSTab1
    ParameterPage *m_page = nullptr;
    SmsTestTab *m_smsTest = nullptr;
    PhoneTableGroup *m_phone = nullptr;
    InfoPanel *m_panel = nullptr;
    ModuleModelGroup *m_model = nullptr;
    SettingsFiles *m_files = nullptr;   // saveSettings, loadSettings
    // The phone-table read loop locks these besides the buttons, and leaves the tabs usable.
    ButtonLock m_loopLock;
    bool m_locked = false;
    bool m_loopLocked = false;
    qx::Sequencer m_reads;              // Timer2
    qx::Sequencer m_workModeWrite;      // Timer1
    qx::Sequencer m_powerSavingWrite;   // Timer3
    qx::Sequencer m_settingsWrite;      // a settings file's groups, one plan after another
    PlanChain m_settingsChain{m_settingsWrite};
    bool m_readBackPending = false;     // the refresh running checks a settings file's write
    QTimer m_rearmParser;               // Timer5
    QTimer m_firstRefresh;              // Timer6
};

} // namespace lt
