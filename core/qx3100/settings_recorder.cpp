#include "settings_recorder.h"

#include "requests.h"

namespace lt::qx3100 {

SettingsRecorder::SettingsRecorder(FrameView *next, std::function<std::optional<int>()> lineBaud)
    : m_next(next), m_lineBaud(std::move(lineBaud))
{
}

void SettingsRecorder::initialisationFinished()
{
    if (m_next)
        m_next->initialisationFinished();
}

void SettingsRecorder::showWorkForm(bool passive)
{
    m_settings.work_form = passive ? WorkForm::Passive : WorkForm::Active;
    if (m_next)
        m_next->showWorkForm(passive);
}

void SettingsRecorder::showTransForm(bool transparent)
{
    m_settings.trans_form = transparent ? TransForm::Transparent : TransForm::Format;
    if (m_next)
        m_next->showTransForm(transparent);
}

void SettingsRecorder::showReceiver(const QString &number)
{
    m_settings.receiver = number;
    if (m_next)
        m_next->showReceiver(number);
}

void SettingsRecorder::showPasswordUse(bool used)
{
    m_settings.password_required = used;
    if (m_next)
        m_next->showPasswordUse(used);
}

void SettingsRecorder::showPassword(const QString &colonText)
{
    m_settings.password = colonText;
    if (m_next)
        m_next->showPassword(colonText);
}

void SettingsRecorder::showVersion(const QString &version)
{
    m_settings.version = version;
    if (m_lineBaud)
        m_settings.baud = m_lineBaud();
    if (m_next)
        m_next->showVersion(version);
}

void SettingsRecorder::showPassiveAddress(const QString &colonText)
{
    m_settings.passive_address = colonText;
    if (m_next)
        m_next->showPassiveAddress(colonText);
}

void SettingsRecorder::showRestartTime(double seconds)
{
    m_settings.restart_seconds = readable(seconds);
    if (m_next)
        m_next->showRestartTime(seconds);
}

void SettingsRecorder::showTransparentMode(int mode)
{
    m_settings.transparent_mode = mode;
    if (m_next)
        m_next->showTransparentMode(mode);
}

void SettingsRecorder::showAddressParameters(int start, int length, int maxInGroup, int type)
{
    m_settings.address_start = start;
    m_settings.address_length = length;
    m_settings.group_max = maxInGroup;
    // Any code past the known ones is shown as R50, and so it is kept.
    m_settings.address_type = AddressType(qBound(0, type, int(AddressType::R50)));
    if (m_next)
        m_next->showAddressParameters(start, length, maxInGroup, type);
}

void SettingsRecorder::showPowerSaving(bool on)
{
    m_settings.power_saving = on;
    if (m_next)
        m_next->showPowerSaving(on);
}

void SettingsRecorder::showWakeDelays(double idleSeconds, double dataSeconds)
{
    // The window's boxes hold them in milliseconds.
    m_settings.wake_idle_ms = readable(idleSeconds * 1000);
    m_settings.wake_data_ms = readable(dataSeconds * 1000);
    if (m_next)
        m_next->showWakeDelays(idleSeconds, dataSeconds);
}

void SettingsRecorder::showWakeMode(int mode)
{
    m_settings.wake_mode = mode;
    if (m_next)
        m_next->showWakeMode(mode);
}

void SettingsRecorder::phoneEntryRead(const QByteArray &record)
{
    if (m_next)
        m_next->phoneEntryRead(record);
}

void SettingsRecorder::phoneEntryWritten(int high, int low)
{
    if (m_next)
        m_next->phoneEntryWritten(high, low);
}

void SettingsRecorder::readNext(int step)
{
    if (m_next)
        m_next->readNext(step);
}

} // namespace lt::qx3100
