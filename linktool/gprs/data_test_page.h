#pragma once

#include "qx3200/data_test_receive.h"
#include "qx3200/reply_parser.h"

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
class DataTestPage : public QWidget, public qx3200::ParamView
{
    Q_OBJECT
public:
    explicit DataTestPage(Shell &shell, QWidget *parent = nullptr);

    // The data branch of the reply parser (outside parameter exchanges), over one received block.
    void parse(const QByteArray &block);
    // The port went away: stop every timer.
    void linkLost();
    // Until the module tells its modes again, the boxes of one mode are empty and hidden.
    void forgetModes();
    // Which command the answers belong to, and the message being collected.
    qx3200::datatest::Receiver &receiver() { return m_received; }

    // A working-mode answer: the passive-only controls (Command1(3),
    // Command1(7), Label2(4), Text1(4)) are hidden for an active module.
    void showWorkForm(WorkForm form) override;
    // A transfer-mode answer: the address boxes of format transfer (Text1(5),
    // Text1(6), Label2(2), Label2(5)) are shown for format.
    void showTransForm(TransForm form) override;
    // The passive-mode address answer fills the module-address box Text1(4).
    void showPassiveAddress(const QString &address) override;

private:
    // One per button, and the senders "发送数据" chooses from by the module's modes.
    void sendData();
    void readData();
    void checkMemory();
    void sendPassive();
    void sendFormat();
    void sendTransparent();
    // The quiet gap after the last collected block has passed: show the message.
    void showCollected();
    void log(const QString &line);
    void refuse(const QString &text);
    std::optional<QByteArray> moduleAddress();
    std::optional<QByteArray> receiverAddress();
    // The send area cut to whole groups, as bytes; nothing when it cannot be sent.
    std::optional<QByteArray> sendAreaBytes(bool passive, bool format, bool allowEmpty);
    void sendFrame(const QByteArray &frame, const QString &logPrefix);

    Shell &m_shell;
    qx3200::datatest::Receiver m_received;
    QTimer m_quietGap;                 // rTimer
    QPlainTextEdit *m_sendArea;        // Text1(1)
    QPlainTextEdit *m_receiveArea;     // Text1(2)
    QPlainTextEdit *m_rawArea;         // Text1(3)
    QLineEdit *m_moduleAddressBox;     // Text1(4)
    QLineEdit *m_senderBox;            // Text1(5)
    QLineEdit *m_receiverBox;          // Text1(6)
    QLabel *m_senderLabel;             // Label2(2)
    QLabel *m_moduleAddressLabel;      // Label2(4)
    QLabel *m_receiverLabel;           // Label2(5)
    QPushButton *m_sendButton;         // Command1(1)
    QPushButton *m_readButton;         // Command1(3)
    QPushButton *m_memoryButton;       // Command1(7)
};

} // namespace lt
