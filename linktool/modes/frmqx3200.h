#pragma once

#include "connect_window.h"

class QRadioButton;

namespace lt {

// Connect window of the QX3200: the whole line setting, the handshake with
// parse_mode 110, the module's working mode and its change, and Enter.
class FrmQX3200 : public ConnectWindow
{
    Q_OBJECT
public:
    explicit FrmQX3200(MainWindow &main);

    QRadioButton *option(int n) const;
    QPushButton *enterButton() const { return m_enter; }

protected:
    QString lineTail() const override;
    void verdict(quint8 moduleType) override;
    void forgetVerdict() override;

private:
    // Choosing an option, by the user or by the verdict.
    void chooseDataCommunication();
    void chooseAddressSetting();
    void changeMode(quint8 value);
    void enterClicked();
    void resetAfterRestart();
    void setModeOptions(bool enabled, QRadioButton *selected);

    QRadioButton *m_options[12] = {};
    QPushButton *m_enter;
};

} // namespace lt
