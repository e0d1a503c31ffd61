#pragma once

#include "qx3200/reply_parser.h"
#include "qx3200/settings.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace lt {

class WorkModeGroup;

// Page "    参数设置    " of the QX3200 window: its six frames, each with the
// button that writes it. The page hands out what the boxes and lists hold
// and follows what the module reports; what a button sends is the window's
// business.
class ParamPage : public QWidget, public qx3200::ParamView
{
    Q_OBJECT
public:
    explicit ParamPage(QWidget *parent = nullptr);

    // Grey, disabled start of the controls that depend on the working form.
    void greyDependentControls();
    // The module's line options start as the port's own line.
    void showPortLine(int baud, int dataBits, qx3200::Parity parity, int stopBits);

    // The fields of group as the page holds them: lists at "无" and empty
    // boxes leave their field empty, a box that holds no number gives a
    // value every rule refuses.
    qx3200::Settings entries(qx3200::Group group) const;

    // A settings file's values, put in as the module's reports are (nothing
    // is sent); fields the settings leave empty keep what the page shows.
    // The address settings go in only all four together, as a read gives them.
    void fill(const qx3200::Settings &settings);

    // What the module reported goes into the boxes and lists.
    void showPassiveAddress(const QString &address) override;
    void showTarget(const QString &address, const QString &project, const QString &site) override;
    void showHeartbeat(int seconds) override;
    void showWorkForm(WorkForm form) override;
    void showTransForm(TransForm form) override;
    bool showTransparentMode(qx3200::TransparentMode mode) override;
    void showAddressSettings(const qx3200::AddressSettings &settings) override;
    void showBaud(int baud) override;
    void showPowerSaving(bool on) override;
    void showWakeMode(qx3200::WakeMode mode) override;

signals:
    void writeRequested(qx3200::Group group);

private:
    QGroupBox *powerSavingFrame();
    QGroupBox *targetFrame();
    QGroupBox *heartbeatFrame();
    QGroupBox *serialLineFrame();
    QGroupBox *passiveAddressFrame();
    // A box as wide as the longest value it takes.
    QLineEdit *box(const char *name, const QString &text, const QString &longest, int maxLength = 0);
    void addWriteButton(QGroupBox *frame, int row, int column, int index, qx3200::Group group, int columnSpan = 1);
    // The rate the module's line is to take: the listed rate shown, or the
    // port's own when the list shows that.
    int chosenBaud() const;

    WorkModeGroup *m_workMode;       // Frame_work
    QRadioButton *m_savingOn;        // Option3
    QRadioButton *m_savingOff;       // Option4
    QRadioButton *m_wakeMode1;       // Option7
    QRadioButton *m_wakeMode2;       // Option8
    QLineEdit *m_wakeIdleBox;        // Text11
    QLineEdit *m_wakeDataBox;        // Text12
    QLineEdit *m_targetProjectBox;   // Text8
    QLineEdit *m_targetSiteBox;      // Text1_0
    QLineEdit *m_heartbeatBox;       // Text4
    QLineEdit *m_restartCountBox;    // Text10
    QComboBox *m_baudList;           // Combo7
    QRadioButton *m_eightBits;       // Option1
    QRadioButton *m_sevenBits;       // Option2
    QRadioButton *m_noParity;        // Option5
    QRadioButton *m_oddParity;       // Option6
    QRadioButton *m_evenParity;      // Option9
    QRadioButton *m_oneStopBit;      // Option11
    QRadioButton *m_twoStopBits;     // Option10
    QGroupBox *m_passiveFrame;       // Frame_passive
    QLineEdit *m_passiveAddressBox;  // Text9
    QScrollBar *m_passiveBar;        // VScroll8
    int m_portBaud = 9600;
};

} // namespace lt
