#pragma once

#include "connect_window.h"

class QRadioButton;

namespace lt {

// frmQX3200, the connect window of the QX3200: the whole line setting, the
// handshake, the module's working mode and its change, and Enter.
class Qx3200ConnectWindow : public ConnectWindow
{
    Q_OBJECT
public:
    explicit Qx3200ConnectWindow(Shell &shell);

protected:
    QString lineTail() const override;
    void verdict(quint8 moduleType) override;
    void forgetVerdict() override;
    void restoreLine(const QSettings &settings) override;
    void rememberLine(QSettings &settings) const override;

private:
    // Choosing an option, by the user or by the verdict.
    void chooseDataCommunication();
    void chooseAddressSetting();
    void changeMode(quint8 value);
    void enterClicked();
    void resetAfterRestart();
    void setModeOptions(bool enabled, QRadioButton *selected);

    QRadioButton *m_eightBits;          // Option4
    QRadioButton *m_sevenBits;          // Option3
    QRadioButton *m_noParity;           // Option5
    QRadioButton *m_oddParity;          // Option6
    QRadioButton *m_evenParity;         // Option9
    QRadioButton *m_oneStopBit;         // Option11
    QRadioButton *m_twoStopBits;        // Option10
    QRadioButton *m_dataCommunication;  // Option1
    QRadioButton *m_addressSetting;     // Option2
    QPushButton *m_enter;               // Command1(2)
};

} // namespace lt
