#pragma once

#include "sms_parser.h"

#include "ui/button_lock.h"

#include <QHash>
#include <QTimer>
#include <QWidget>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;

namespace lt {

class Shell;
class PhoneTableGroup;
class SmsTestTab;

// frm3100COM: the QX3100 window. Tab 0 sets the module's parameters, tab 1
// holds the SMS test and the phone table; the information panel shows what
// the module reports.
class Frm3100COM : public QWidget, private SmsFrameView
{
    Q_OBJECT
public:
    explicit Frm3100COM(Shell &shell, QWidget *parent = nullptr);
    ~Frm3100COM() override;

    // Window load: parser armed, status panel, the first refresh a second later.
    void load();

    // The reply parser of the QX3100 parse mode: the half chosen by sms_tab_mode.
    void sms_parser(const QByteArray &block);
    void refresh();
    void Disable_Command();
    void Enable_Command();
    // The phone-table read loop locks like a sequence but keeps its pause button usable.
    void lockKeeping(QWidget *keep);

    // What the frame half sends goes out here, to the link.
    void sendFrame(const QByteArray &frame);
    // Asked before a button writes to the module (the user is told when it cannot).
    bool portReady();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildTab0(QWidget *page);
    QWidget *buildInfoPanel();
    QWidget *buildModelGroup();
    QPushButton *button(int index, const QString &caption);
    // Connects a button that writes to the module: its handler runs only with an open port.
    void onWrite(QAbstractButton *button, void (Frm3100COM::*handler)());
    QLabel *valueLabel(const char *name);
    void tabChanged(int index);
    void linkLost();

    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void endWriteSequence(QTimer &timer);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command9_Click();
    void Command14_Click();
    void Combo1_Click();
    void Combo2_Click();
    void chooseFromReply(QRadioButton *option);

    // SmsFrameView
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
    void phoneEntryRead(const QByteArray &phoneRec) override;
    void phoneEntryWritten(int high, int low) override;

    Shell &m_shell;
    SmsFrameParser m_parser;
    ButtonLock m_lock;
    ButtonLock m_keepLock;
    bool m_locked = false;
    bool m_keepLocked = false;
    qint16 write_step = 0;

    QTabWidget *SSTab1 = nullptr;
    QWidget *m_page0 = nullptr;
    SmsTestTab *m_smsTest = nullptr;
    PhoneTableGroup *m_phone = nullptr;
    QPushButton *m_commands[15] = {};   // Command1..Command14
    QComboBox *Combo1 = nullptr, *Combo2 = nullptr, *Combo3 = nullptr, *Combo4 = nullptr;
    QScrollBar *VS[4] = {};             // VS1..VS3
    QLineEdit *Text1 = nullptr, *Text2 = nullptr, *Text3 = nullptr, *Text4 = nullptr;
    QLineEdit *Text5 = nullptr, *Text6 = nullptr, *Text7 = nullptr, *Text11 = nullptr, *Text13 = nullptr;
    QRadioButton *Option[9] = {};       // Option1..Option8
    QLabel *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr, *Label6 = nullptr, *Label7 = nullptr;
    QLabel *Label8 = nullptr, *Label9 = nullptr, *Label10 = nullptr, *Label12 = nullptr, *Label13 = nullptr;
    QLabel *Label15 = nullptr, *Label16 = nullptr, *Label17 = nullptr, *Label18 = nullptr, *Label19 = nullptr;
    QLabel *Label22 = nullptr, *Label30 = nullptr;
    QHash<QString, QLabel *> m_panelLabels;
    QTimer Timer1, Timer2, Timer3, Timer5, Timer6;
};

} // namespace lt
