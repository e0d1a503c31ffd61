#pragma once

#include "qx3100/settings.h"

#include "ui/button_lock.h"

#include <QWidget>

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace lt {

// The tab "基本设置" of the QX3100 window: the module's settings as the user
// chooses them, group by group. It hands out what is chosen as values and
// asks for a group to be written; the window sends. The module's answers
// come back into its boxes and choices.
class ParameterPage : public QWidget
{
    Q_OBJECT
public:
    explicit ParameterPage(QWidget *parent = nullptr);

    // The values of a group's boxes and choices; a box whose text is no
    // value leaves its field empty (the window then refuses it).
    qx3100::Settings values(qx3100::Group group) const;
    // Puts the caret where the user corrects a refused field: the work form
    // and transfer form lists.
    void focusField(const QString &field);

    // A settings file's values, chosen and typed as the user would (nothing
    // is sent); fields the settings leave empty keep what the page shows.
    void fill(const qx3100::Settings &settings);

    // Window load: the spinners' boxes show their values.
    void showSpinnerValues();

    // What the module reports, chosen as if the user had. The password use
    // says whether that changed the choice: a changed one goes back to the module.
    void showWorkForm(bool passive);
    void showTransForm(bool transparent);
    void showReceiver(const QString &number);
    bool showPasswordUse(bool used);
    void showPassiveAddress(const QString &colonText);
    void showRestartTime(double seconds);
    void showAddressType(int type);
    void showPowerSaving(bool on);
    void showWakeDelays(double idleSeconds, double dataSeconds);
    void showWakeMode(int mode);

    // The window's lock: every set button disabled, each given its own state back.
    void lockButtons() { m_lock.lock(); }
    void unlockButtons() { m_lock.unlock(); }

signals:
    // The user asked for a group to be written.
    void writeRequested(qx3100::Group group);

private:
    // The entries of the transfer list, and transparent mode 2, which is typed.
    enum class Transfer { Format, Transparent1, Transparent2 };

    QWidget *buildWorkMode();
    QWidget *buildPowerSaving();
    QWidget *buildPassword();
    QWidget *buildReceiver();
    QWidget *buildRestartTime();
    QWidget *buildBaud();
    QWidget *buildPassiveAddress();
    QPushButton *setButton(int index, qx3100::Group group);
    QRadioButton *option(int index, const QString &caption);

    std::optional<WorkForm> workForm() const;
    std::optional<Transfer> transfer() const;
    AddressType addressType() const;
    std::optional<int> baudRate() const;
    void workFormChosen();
    void transferChosen();

    QComboBox *m_workForm = nullptr;        // Combo1
    QComboBox *m_transfer = nullptr;        // Combo2
    QComboBox *m_baud = nullptr;            // Combo3
    QComboBox *m_addressType = nullptr;     // Combo4
    QScrollBar *m_addressSpinners[3] = {};  // VS1 start, VS2 length, VS3 group size
    QLineEdit *m_addressBoxes[3] = {};      // Text5, Text6, Text7: the spinners' values
    QLineEdit *m_password = nullptr;        // Text1
    QLineEdit *m_receiver = nullptr;        // Text2
    QLineEdit *m_passiveAddress = nullptr;  // Text3
    QLineEdit *m_restartTime = nullptr;     // Text4
    QLineEdit *m_wakeIdle = nullptr;        // Text11
    QLineEdit *m_wakeData = nullptr;        // Text13
    QRadioButton *m_passwordUsed = nullptr;     // Option1
    QRadioButton *m_passwordUnused = nullptr;   // Option2
    QRadioButton *m_savingOn = nullptr;         // Option5
    QRadioButton *m_savingOff = nullptr;        // Option6
    QRadioButton *m_wakeMode1 = nullptr;        // Option7
    QRadioButton *m_wakeMode2 = nullptr;        // Option8
    QList<QWidget *> m_buttons;                 // Command1..Command7, Command14
    ButtonLock m_lock;
};

} // namespace lt
