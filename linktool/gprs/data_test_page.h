#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lt {

class Shell;

// The QX3200 window's page "    通信测试    ": test data in passive, format and
// transparent mode, and the data branch of the QX3200 reply parser.
class DataTestPage : public QWidget
{
    Q_OBJECT
public:
    explicit DataTestPage(Shell &shell, QWidget *parent = nullptr);

    // Command1(1), (3) and (7): members of the window's Command1 array.
    QList<QPushButton *> buttons() const;
    // The data branch of the reply parser (para_mode False), over one received burst.
    void parse(const QByteArray &burst);
    // The port went away: stop every timer.
    void linkLost();

    // What a working-mode answer changes here: the passive-only controls
    // (Command1(3), Command1(7), Label2(4), Text1(4)) are hidden for an active module.
    void showWorkForm(bool active);
    // What a transfer-mode answer changes here: the address boxes of format
    // transfer (Text1(5), Text1(6), Label2(2), Label2(5)) are shown for format.
    void showTransForm(bool format);
    // The module-address box Text1(4), filled from the passive-mode address answer.
    void setModuleAddress(const QString &hexText);

    // The page's procedures, one per button plus the senders they choose from.
    void send_data();
    void read_bd_data();
    void read_empty();
    void send_beidong();
    void send_geshi();
    void send_stand_touming();

private:
    void on_rTimer();
    void log(const QString &line);
    void refuse(const QString &text);
    std::optional<QByteArray> moduleAddress();
    std::optional<QByteArray> receiverAddress();
    // The send area cut to whole groups, as bytes; nothing when it cannot be sent.
    std::optional<QByteArray> sendData(bool passive, bool format, bool allowEmpty);
    void sendFrame(const QByteArray &frame, const QString &logPrefix);

    Shell &m_shell;
    QTimer rTimer;
    QPlainTextEdit *m_send;      // Text1(1)
    QPlainTextEdit *m_receive;   // Text1(2)
    QPlainTextEdit *m_source;    // Text1(3)
    QLineEdit *m_address;        // Text1(4)
    QLineEdit *m_sender;         // Text1(5)
    QLineEdit *m_receiver;       // Text1(6)
    QLabel *m_senderLabel;       // Label2(2)
    QLabel *m_addressLabel;      // Label2(4)
    QLabel *m_receiverLabel;     // Label2(5)
    QPushButton *m_sendButton;   // Command1(1)
    QPushButton *m_readButton;   // Command1(3)
    QPushButton *m_memoryButton; // Command1(7)
};

} // namespace lt
