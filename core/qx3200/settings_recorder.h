#pragma once

#include "reply_parser.h"
#include "settings.h"

namespace lt::qx3200 {

// Keeps what the replies reported, as the window's display shows it: the
// last read. A parameter view like any other; a program without a window
// uses it alone.
class SettingsRecorder : public ParamView
{
public:
    const Settings &settings() const { return m_settings; }
    // A new read begins and what it reads is forgotten first; the internal
    // code stays, as the display keeps it.
    void startRead();

    void showIdentity(const QString &address, const QString &project, const QString &site,
                      const QString &internalCode) override;
    void showVersion(const QString &text) override;
    void showPassiveAddress(const QString &address) override;
    void showTarget(const QString &address, const QString &project, const QString &site) override;
    void showHeartbeat(int seconds) override;
    void showWorkForm(WorkForm form) override;
    void showTransForm(TransForm form) override;
    bool showTransparentMode(TransparentMode mode) override;
    void showAddressSettings(const AddressSettings &settings) override;
    void showBaud(int baud) override;
    void showRestartCount(int count) override;
    void showPowerSaving(bool on) override;
    void showWakeTimes(int idleMs, int dataMs) override;
    void showWakeMode(WakeMode mode) override;

private:
    Settings m_settings;
};

} // namespace lt::qx3200
