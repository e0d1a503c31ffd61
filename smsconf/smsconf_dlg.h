#pragma once

#include "command_protocol.h"
#include "input_dialogs.h"
#include "port_refusal.h"
#include "reply_shape.h"
#include "serial_port.h"
#include "start_options.h"
#include "table_csv.h"
#include "traffic_log.h"
#include "unsaved_edits.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>

class QCheckBox;
class QComboBox;
class QLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSettings;
class QTableWidget;

namespace qx {
class PortBox;
}

namespace sms {

// The whole program: phone and message tables, addresses, the module's
// serial parameters and the PC port, in one dialog laid out from what its
// controls hold.
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
    void applyStartOptions(const StartOptions &options);
    // Where traffic logs go; <application data>/logs unless told otherwise.
    void setLogFolder(const QString &folder) { m_logFolder = folder; }
    // Where lock files, processes and access rights are looked up.
    void setPortSystem(const qx::PortSystem &system) { m_portSystem = system; }

    SerialPort &port() { return m_port; }
    CommandProtocol &protocol() { return m_protocol; }

    QTableWidget *phoneList() const { return m_phoneList; }
    QTableWidget *messageList() const { return m_messageList; }
    QLineEdit *deviceAddressBox() const { return m_deviceAddress; }
    QLineEdit *registerAddressBox() const { return m_registerAddress; }
    qx::PortBox *portBox() const { return m_portBox; }
    QCheckBox *logBox() const { return m_logBox; }
    qx::TrafficLog &trafficLog() { return m_log; }
    QLineEdit *positionBox() const { return m_position; }
    QComboBox *pcBaudList() const { return m_pcBaud; }
    QComboBox *moduleList(SerialList list) const;
    QProgressBar *progressBar() const { return m_progress; }
    // The input box opened by the last double-click, while it is open.
    CInputMsg *phoneInput() const { return m_phoneInput; }
    CInfoDlg *messageInput() const { return m_messageInput; }
    // Operation group in its fixed order; the port group's two editable controls.
    QList<QPushButton *> operationGroup() const { return m_operationGroup; }
    QList<QWidget *> portGroup() const { return m_portGroup; }
    QPushButton *button(const QString &objectName) const;
    QTimer &readTimer() { return m_timer2; }
    QTimer &writeTimer() { return m_timer3; }

    // The index a module list shows: the entry matching its text, -1 when the
    // text matches none (nothing chosen, or a value typed in).
    static int selectedIndex(const QComboBox *list);

    void OnOpenClose();
    void OnWritePhoneTable();
    void OnReadPhoneTable();
    void OnClearMessages();
    void OnReadMessages();
    void OnStopRead();
    void OnWriteMessages();
    void OnStopWrite();
    void OnWriteSingle();
    void OnSetDeviceAddress();
    void OnQueryDeviceAddress();
    void OnSetRegisterAddress();
    void OnQueryRegisterAddress();
    void OnSetSerialParams();
    void OnQuerySerialParams();
    void OnExportPhones();
    void OnImportPhones();
    void OnExportMessages();
    void OnImportMessages();

    // Every way the dialog is left (Esc, Enter, the close box) comes here.
    void reject() override;
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // ConfigView
    QString phoneNumber(int row) const override;
    void setPhoneNumber(int row, const QString &number) override;
    QString messageText(int row) const override;
    void setMessageText(int row, const QString &text) override;
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
    void fillLists();
    QPushButton *addButton(const QString &name, const QString &caption, void (CSmsconfDlg::*slot)());
    void setOperationGroup(bool enabled, QPushButton *except = nullptr);
    void setPortOpenLook(bool open);
    void openPort();
    void refusePort(const qx::PortRefusal &refusal);
    void closePort();
    void startLog();
    void onLogFailed(const QString &message);
    void onLogClicked(bool on);
    void applyReply(const QByteArray &reply);
    void exportTable(TableKind kind);
    void importTable(TableKind kind);
    void onReplyTick();
    void takeWholeReply();
    int writeRequest(const QByteArray &bytes);
    void onLineLost();
    void editPhone(int row);
    void editMessage(int row);
    // Value of an address box, or false (with the message) when it holds none.
    bool addressValue(const QLineEdit *box, int *value);

    SerialPort m_port;
    CommandProtocol m_protocol;
    ReplyRule m_replyRule = ReplyRule::WholeReply;
    UnsavedEdits m_edits;
    QTimer m_timer1;   // reply completion, all the time
    QTimer m_timer2;   // read loop
    QTimer m_timer3;   // write loop

    QTableWidget *m_phoneList = nullptr;
    QTableWidget *m_messageList = nullptr;
    QLineEdit *m_deviceAddress = nullptr;
    QLineEdit *m_registerAddress = nullptr;
    qx::PortBox *m_portBox = nullptr;
    QCheckBox *m_logBox = nullptr;
    QLineEdit *m_position = nullptr;
    QComboBox *m_pcBaud = nullptr;
    QComboBox *m_moduleBaud = nullptr;
    QComboBox *m_dataBits = nullptr;
    QComboBox *m_parity = nullptr;
    QComboBox *m_stopBits = nullptr;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_openButton = nullptr;
    QPushButton *m_stopRead = nullptr;
    QPushButton *m_stopWrite = nullptr;
    QList<QPushButton *> m_operationGroup;
    QList<QWidget *> m_portGroup;
    QPointer<CInputMsg> m_phoneInput;
    QPointer<CInfoDlg> m_messageInput;

    qx::TrafficLog m_log;
    QString m_logFolder;
    QSettings *m_settings = nullptr;
    qx::PortSystem m_portSystem;
};

} // namespace sms
