#pragma once

#include "frame_parser.h"
#include "settings.h"

#include <functional>
#include <optional>

namespace lt::qx3100 {

// Keeps what the replies report as Settings and passes every call on to the
// next view (the window), so what the window shows and what it last read are
// one. A program without a window uses it alone.
class SettingsRecorder : public FrameView
{
public:
    // lineBaud gives the speed of the line the module answers on: the module
    // reports no baud rate of its own, and the version is read at that speed.
    explicit SettingsRecorder(FrameView *next = nullptr, std::function<std::optional<int>()> lineBaud = {});

    const Settings &settings() const { return m_settings; }
    // Nothing read: the window does this as it puts its placeholders back.
    void clear() { m_settings = {}; }

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
    void phoneEntryRead(const QByteArray &record) override;
    void phoneEntryWritten(int high, int low) override;
    void readNext(int step) override;

private:
    FrameView *m_next;
    std::function<std::optional<int>()> m_lineBaud;
    Settings m_settings;
};

} // namespace lt::qx3100
