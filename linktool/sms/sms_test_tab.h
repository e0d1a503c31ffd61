#pragma once

#include "ui/button_lock.h"
#include "qx3100/sms_test_requests.h"

#include <QByteArray>
#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lt {

class Shell;

// The message-test controls of the QX3100 window's "短信测试" tab: the
// requests, their log, the received messages and the SMS-test half of the
// QX3100 reply parser.
class SmsTestTab : public QWidget
{
    Q_OBJECT
public:
    explicit SmsTestTab(Shell &shell, QWidget *parent = nullptr);

    // The tab is being shown: controls laid out for the module's work and transfer form,
    // boxes emptied, sms_tab_mode = 0.
    void prepare();
    // The SMS-test half of the reply parser (sms_tab_mode 0), over one received block.
    void parse(const QByteArray &burst);
    // The port went away: stop every timer, buttons usable again.
    void linkLost();

    // The module reported its work form: read and status only make sense in
    // passive form, where the module is addressed; sending works in both.
    void showWorkForm(int workForm);
    // The module reported its transfer form: phone numbers only travel in format form.
    void showTransForm(int transForm);

    // The window opens with the four buttons hidden until the module's work form is known.
    void hideButtons();
    QPushButton *command21(int index) const { return m_command21[index]; }
    // A request waits out the pause before it is written.
    bool requestPending() const { return m_pause.isActive(); }

signals:
    // A request waits out its pause (true) or is done with it (false): the
    // window locks what would write another sequence into the pause.
    void requestWaiting(bool waiting);

private:
    void Command21_Click(int index);
    void send_now();
    void rTimer_Timer();
    void refuse(int index, const QString &text);
    void log(const QStringList &lines);
    void update_count();
    smstest::Encoding encoding() const;

    Shell &m_shell;
    QLabel *m_label31;
    QLineEdit *m_text22;
    QLabel *m_label21[6] = {};
    QPlainTextEdit *m_source;    // Text21(0)
    QPlainTextEdit *m_sendArea;  // Text21(1)
    QPlainTextEdit *m_receive;   // Text21(2)
    QLineEdit *m_sender;         // Text21(3)
    QLineEdit *m_receiver;       // Text21(4)
    QPushButton *m_command21[4] = {};
    QTimer m_rTimer;
    QTimer m_pause;
    ButtonLock m_lock;

    // The request built at the click, written when the pause is over.
    struct Pending
    {
        QByteArray frame;
        int button = -1;
        int reqKindAfterWrite = 0;   // read and status set req_kind once written
    } m_pending;
};

} // namespace lt
