#pragma once

#include "command_protocol.h"
#include "message_side.h"
#include "module_settings_group.h"
#include "phone_side.h"
#include "port_panel.h"
#include "reply_shape.h"
#include "serial_port.h"
#include "start_options.h"
#include "unsaved_edits.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class QCheckBox;
class QComboBox;
class QLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSettings;
class QTableWidget;

namespace sms {

// The whole program: phone and message tables, addresses, the module's
// serial parameters and the PC port, in one dialog laid out from what its
// controls hold. The dialog runs the exchanges with the module; its pieces
// hold the controls.
class CSmsconfDlg : public QDialog, private ConfigView
{
    Q_OBJECT
public:
    explicit CSmsconfDlg(QWidget *parent = nullptr);
    // With the port's device made by makeDevice (a test's stand-in for the line).
    explicit CSmsconfDlg(PortDeviceFactory makeDevice, QWidget *parent = nullptr);
    ~CSmsconfDlg() override;

    // How replies complete; whole replies unless told otherwise.
    void setReplyRule(ReplyRule rule);
    // Edits in the lists that the module does not hold yet.
    bool hasUnsavedEdits() const { return m_edits.any(); }

    // Restores the last port, baud rate, traffic-log choice and window
    // geometry from settings and keeps them there from now on. Without it
    // (as in tests) nothing is read or stored.
    void rememberIn(QSettings *settings);
    // --port and --log: over what was remembered, for this run.
    void applyStartOptions(const StartOptions &options) { m_portPanel->applyStartOptions(options); }
    // Where traffic logs go; <application data>/logs unless told otherwise.
    void setLogFolder(const QString &folder) { m_portPanel->setLogFolder(folder); }
    // Where lock files, processes and access rights are looked up.
    void setPortSystem(const qx::PortSystem &system) { m_portPanel->setPortSystem(system); }

    SerialPort &port() { return m_port; }
    CommandProtocol &protocol() { return m_protocol; }

    QTableWidget *phoneList() const { return m_phones->list(); }
    QTableWidget *messageList() const { return m_messages->list(); }
    QLineEdit *deviceAddressBox() const { return m_moduleSettings->deviceAddressBox(); }
    QLineEdit *registerAddressBox() const { return m_moduleSettings->registerAddressBox(); }
    qx::PortBox *portBox() const { return m_portPanel->portBox(); }
    QCheckBox *logBox() const { return m_portPanel->logBox(); }
    qx::TrafficLog &trafficLog() { return m_portPanel->trafficLog(); }
    QLineEdit *positionBox() const { return m_messages->positionBox(); }
    QComboBox *pcBaudList() const { return m_portPanel->baudList(); }
    QComboBox *moduleList(SerialList list) const { return m_moduleSettings->list(list); }
    QProgressBar *progressBar() const { return m_messages->progressBar(); }
    // The input box opened by the last double-click, while it is open.
    CInputMsg *phoneInput() const { return m_phones->input(); }
    CInfoDlg *messageInput() const { return m_messages->input(); }
    // Operation group in its fixed order; the port group's two editable controls.
    QList<QPushButton *> operationGroup() const { return m_operationGroup; }
    QList<QWidget *> portGroup() const { return m_portPanel->choiceGroup(); }
    QPushButton *button(const QString &objectName) const;
    QTimer &readTimer() { return m_timer2; }
    QTimer &writeTimer() { return m_timer3; }

    // The index a module list shows: the entry matching its text, -1 when the
    // text matches none (nothing chosen, or a value typed in).
    static int selectedIndex(const QComboBox *list) { return ModuleSettingsGroup::selectedIndex(list); }

    void OnOpenClose() { m_portPanel->openOrClose(); }
    void OnWritePhoneTable();
    void OnReadPhoneTable();
    void OnClearMessages();
    void OnReadMessages();
    void OnStopRead();
    void OnWriteMessages();
    void OnStopWrite();
    void OnWriteSingle();
    void OnSetDeviceAddress() { m_moduleSettings->setDeviceAddress(); }
    void OnQueryDeviceAddress() { m_moduleSettings->queryDeviceAddress(); }
    void OnSetRegisterAddress() { m_moduleSettings->setRegisterAddress(); }
    void OnQueryRegisterAddress() { m_moduleSettings->queryRegisterAddress(); }
    void OnSetSerialParams() { m_moduleSettings->setSerialParams(); }
    void OnQuerySerialParams() { m_moduleSettings->querySerialParams(); }
    void OnExportPhones();
    void OnImportPhones();
    void OnExportMessages();
    void OnImportMessages();

    // Every way the dialog is left (Esc, Enter, the close box) comes here.
    void reject() override;
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // ConfigView
    QString phoneNumber(int row) const override { return m_phones->value(row); }
    void setPhoneNumber(int row, const QString &number) override { m_phones->setValue(row, number); }
    QString messageText(int row) const override { return m_messages->value(row); }
    void setMessageText(int row, const QString &text) override { m_messages->setValue(row, text); }
    void selectSerialParam(SerialList list, int index) override;
    void setDeviceAddress(const QString &text) override;
    void setRegisterAddress(const QString &text) override;
    void setProgress(int value) override;
    void loopEnded(Loop loop) override;
    void loopStepped(Loop loop) override;
    void phonesStored(const QStringList &numbers) override;
    void pageStored(int page, const QStringList &texts) override;
    void showMessage(const QString &text, const QString &title) override;
    QString noAnswerNote() const override;

    void buildControls();
    QLayout *buildPhoneSide();
    QLayout *buildMessageSide();
    void connectButtons();
    void setOperationGroup(bool enabled, QPushButton *except = nullptr);
    void stopLoops();
    void onReplyTick();
    void takeWholeReply();
    void applyReply(const QByteArray &reply);
    int writeRequest(const QByteArray &bytes);
    void onLineLost();

    SerialPort m_port;
    CommandProtocol m_protocol;
    ReplyRule m_replyRule = ReplyRule::WholeReply;
    UnsavedEdits m_edits;
    QTimer m_timer1;   // reply completion, all the time
    QTimer m_timer2;   // read loop
    QTimer m_timer3;   // write loop

    std::unique_ptr<PhoneSide> m_phones;
    std::unique_ptr<ModuleSettingsGroup> m_moduleSettings;
    std::unique_ptr<PortPanel> m_portPanel;
    std::unique_ptr<MessageSide> m_messages;
    QList<QPushButton *> m_operationGroup;
    QSettings *m_settings = nullptr;
};

} // namespace sms
