#pragma once

#include "qx3200/reply_parser.h"
#include "qx3200/settings_recorder.h"

#include "link/write_plans.h"
#include "ui/button_lock.h"

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class QTabWidget;

namespace qx {
class Sequencer;
}

namespace lt {

class DataTestPage;
class IdentityPage;
class NetworkWaitNotice;
class ParamDisplay;
class ParamPage;
class SettingsFiles;
class Shell;

// What the connect window's Enter opened the QX3200 window for.
enum class WorkMode { AddressSetting = 0, DataCommunication = 1 };

// Opens the QX3200 window "模块设置" (frm3200COM) as a modeless child of the
// shell, on the page the work mode asks for; a window that is already open is
// brought to the front instead and takes the new work mode.
void openQx3200Window(Shell &shell, WorkMode mode);

// frm3200COM, "模块设置": reads and writes the QX3200's parameters, shows
// them, and holds the data test page.
class Qx3200Window : public QWidget, private qx3200::ParamEvents
{
    Q_OBJECT
public:
    Qx3200Window(Shell &shell, WorkMode mode, QWidget *parent = nullptr);
    ~Qx3200Window() override;

    // The window open in shell, if any: there is one at most.
    static Qx3200Window *find(Shell &shell);

    WorkMode workMode() const { return m_workMode; }
    // Window load for a work mode: parser armed, port open, the first
    // parameter read a second later.
    void load(WorkMode mode);

    // What the last read found, as the display shows it.
    const qx3200::Settings &lastRead() const { return m_lastRead.settings(); }
    SettingsFiles &settingsFiles() const { return *m_files; }
    // The reply parser and what it expects: parameter replies while an
    // exchange runs, the outcome of an identity write.
    qx3200::ReplyParser &replyParser() { return m_parser; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void keepPage(int page);
    void write(qx3200::Group group);
    // A settings file's changed fields, group by group, then a refresh that
    // the file's comparison checks; false when nothing could be sent.
    bool writeSettings(const QJsonObject &taken, const QStringList &changed);
    void writeIdentity();
    void replaceIdentity();
    void refresh();
    void exit();
    qx3200::Settings entries(qx3200::Group group) const;
    // A refusal in the window's words; true when there was one.
    bool refused(const qx3200::GroupWrite &write);

    void send(const QByteArray &frame);
    void openPortIfClosed();
    void lockButtons();
    void unlockButtons();
    void stopSequences();
    void linkLost();
    void closeWaitNotice();

    // ParamEvents
    void nextRead(int step) override;
    void moduleReady() override;
    void identityRetry() override;
    void identityResult(qx3200::IdentityResult result) override;

    Shell &m_shell;
    WorkMode m_workMode;
    QTabWidget *m_tabs;              // SSTab1
    ParamPage *m_paramPage;          // page0
    DataTestPage *m_dataTest;
    IdentityPage *m_identityPage;    // page2
    ParamDisplay *m_display;         // Frame_display
    SettingsFiles *m_files;          // saveSettings, loadSettings
    qx3200::SettingsRecorder m_lastRead;
    qx3200::ParamViews m_views;
    qx3200::ReplyParser m_parser;
    ButtonLock m_lock;               // the Command1 array

    qx::Sequencer *m_readChain;                         // Timer2
    QHash<qx3200::Group, qx::Sequencer *> m_writes;     // Timer1, Timer4, Timer5
    qx::Sequencer *m_settingsWrite;     // a settings file's groups, one plan after another
    PlanChain *m_settingsChain;
    bool m_readBackPending = false;     // the refresh running checks a settings file's write
    QTimer m_replaceDelay;           // Timer3
    QTimer m_firstRefresh;           // Timer6
    QTimer m_identityRetry;          // Timer7
    QPointer<NetworkWaitNotice> m_waitNotice;   // Form10
};

} // namespace lt
