#pragma once

#include "qx3100/sms_test_replies.h"

#include "ui/button_lock.h"

#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <optional>

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
    using Request = smstest::Request;

    explicit SmsTestTab(Shell &shell, QWidget *parent = nullptr);

    // The tab is being shown: controls laid out for the module's work and
    // transfer form, boxes emptied.
    void prepare();
    // The SMS-test half of the reply parser, over one received block.
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
    // A request waits out the pause before it is written.
    bool requestPending() const { return m_pause.isActive(); }

    Request answering() const { return m_answering; }
    // As if that request had just been written: a fuzz target starts from each.
    void setAnswering(Request request) { m_answering = request; }
    // Parts of a received message wait for the rest (the message gap runs).
    bool collectingMessage() const { return !m_message.isEmpty(); }

signals:
    // A request button was pressed: the replies that follow are this tab's.
    void repliesWanted();
    // A request waits out its pause (true) or is done with it (false): the
    // window locks what would write another sequence into the pause.
    void requestWaiting(bool waiting);

private:
    // The request buttons, by their index in Command21.
    enum Button { kReadButton = 0, kStatusButton = 1, kSendButton = 2, kResetButton = 3 };

    void requestClicked(Button button);
    void writeRequest();
    void messageGapOver();
    void refuse(Button button, const QString &text);
    void log(const QStringList &lines);
    void showSendCount();
    smstest::Encoding encoding() const;

    Shell &m_shell;
    QLabel *m_addressCaption;     // Label31
    QLineEdit *m_moduleAddress;   // Text22
    QLabel *m_captions[6] = {};   // Label21(i): captions of the areas and number boxes
    QPlainTextEdit *m_source;     // Text21(0): the log of raw codes
    QPlainTextEdit *m_sendArea;   // Text21(1)
    QPlainTextEdit *m_receive;    // Text21(2)
    QLineEdit *m_sender;          // Text21(3)
    QLineEdit *m_receiver;        // Text21(4)
    QPushButton *m_requestButtons[4] = {};   // Command21(0..3): read, status, send, reset
    QTimer m_messageGap;          // rTimer
    QTimer m_pause;
    ButtonLock m_lock;
    Request m_answering = Request::None;
    // The message being received, as hexadecimal text.
    QString m_message;

    // The request built at the click, written when the pause is over.
    struct Pending
    {
        QByteArray frame;
        std::optional<Button> button;
        Request answeredOnceWritten = Request::None;   // read and status are answered once written
    } m_pending;
};

} // namespace lt
