#pragma once

#include "ui/button_lock.h"

#include <QGroupBox>

class QHBoxLayout;
class QLabel;

namespace lt {

// "参数信息": what the module last reported, one value per row, with the
// refresh and exit buttons. Refresh puts every placeholder back.
class InfoPanel : public QGroupBox
{
    Q_OBJECT
public:
    explicit InfoPanel(QWidget *parent = nullptr);

    void showPlaceholders();
    // Another button in the row of refresh and exit, before exit.
    void placeBesideRefresh(QWidget *button);

    void showWorkForm(bool passive);
    void showTransForm(bool transparent);
    void showReceiver(const QString &number);
    void showPasswordUse(bool used);
    void showPassword(const QString &colonText);
    // With the version, the speed of the line it came at ("9600,n,8,1" shows as 9600bps).
    void showVersion(const QString &version, const QString &lineSettings);
    void showPassiveAddress(const QString &colonText);
    void showRestartTime(double seconds);
    void showTransparentMode(int mode);
    void showAddressParameters(int start, int length, int maxInGroup, int type);
    void showPowerSaving(bool on);
    void showWakeDelays(double idleSeconds, double dataSeconds);
    void showWakeMode(int mode);

    void lockButtons() { m_lock.lock(); }
    void unlockButtons() { m_lock.unlock(); }

signals:
    void refreshClicked();
    void exitClicked();

private:
    QLabel *m_workForm = nullptr;         // Label3
    QLabel *m_transForm = nullptr;        // Label4
    QLabel *m_password = nullptr;         // Label5
    QLabel *m_receiver = nullptr;         // Label6
    QLabel *m_lineSpeed = nullptr;        // Label7
    QLabel *m_version = nullptr;          // Label8
    QLabel *m_passiveAddress = nullptr;   // Label9
    QLabel *m_passwordUse = nullptr;      // Label10
    QLabel *m_restartTime = nullptr;      // Label12
    QLabel *m_spare = nullptr;            // Label13: nothing fills it
    QLabel *m_addressStart = nullptr;     // Label15
    QLabel *m_addressLength = nullptr;    // Label16
    QLabel *m_groupMax = nullptr;         // Label17
    QLabel *m_addressType = nullptr;      // Label18
    QLabel *m_powerSaving = nullptr;      // Label19
    QLabel *m_wakeDelays = nullptr;       // Label22
    QLabel *m_wakeMode = nullptr;         // Label30
    QHBoxLayout *m_buttons = nullptr;     // refresh, ..., exit
    ButtonLock m_lock;

    struct Row
    {
        const char *name;
        const char *caption;
        const char *placeholder;
        QLabel *InfoPanel::*label;
    };
    static const Row kRows[];
};

// The name the panel shows for an address type code; any code past the
// known ones is R50.
QString addressTypeText(int code);

} // namespace lt
