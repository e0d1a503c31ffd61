#pragma once

#include "qx3200/reply_parser.h"

#include <QGroupBox>
#include <QMap>

class QLabel;
class QPushButton;

namespace lt {

// The frame "系统参数显示" of the QX3200 window: what the module last
// reported, with the refresh and exit buttons.
class ParamDisplay : public QGroupBox, public qx3200::ParamView
{
    Q_OBJECT
public:
    explicit ParamDisplay(QWidget *parent = nullptr);

    // Every value back to its placeholder (the internal code keeps its value).
    void showPlaceholders();
    // The refresh button pressed, as the window does a second after it opens:
    // nothing happens while the button is disabled.
    void pressRefresh();

    void showIdentity(const QString &address, const QString &project, const QString &site,
                      const QString &internalCode) override;
    void showVersion(const QString &text) override;
    void showPassiveAddress(const QString &address) override;
    void showTarget(const QString &address, const QString &project, const QString &site) override;
    void showHeartbeat(int seconds) override;
    void showWorkForm(WorkForm form) override;
    void showTransForm(TransForm form) override;
    bool showTransparentMode(qx3200::TransparentMode mode) override;
    void showAddressSettings(const qx3200::AddressSettings &settings) override;
    void showBaud(int baud) override;
    void showRestartCount(int count) override;
    void showPowerSaving(bool on) override;
    void showWakeTimes(int idleMs, int dataMs) override;
    void showWakeMode(qx3200::WakeMode mode) override;

signals:
    void refreshRequested();
    void exitRequested();

private:
    // The value label named name.
    void show(const QString &name, const QString &text);

    QMap<QString, QLabel *> m_values;       // by objectName: Label1_0, Label5, ...
    QMap<QLabel *, QString> m_placeholder;
    QPushButton *m_refreshButton;           // Command1_4
};

} // namespace lt
