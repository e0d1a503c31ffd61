#include "settings_recorder.h"

namespace lt::qx3200 {

void SettingsRecorder::startRead()
{
    const auto internalCode = m_settings.internal_code;
    m_settings = Settings{};
    m_settings.internal_code = internalCode;
}

void SettingsRecorder::showIdentity(const QString &, const QString &project, const QString &site,
                                    const QString &internalCode)
{
    m_settings.project = project;
    m_settings.site = site;
    m_settings.internal_code = internalCode;
}

void SettingsRecorder::showVersion(const QString &text)
{
    m_settings.version = text;
}

void SettingsRecorder::showPassiveAddress(const QString &address)
{
    m_settings.passive_address = address;
}

void SettingsRecorder::showTarget(const QString &, const QString &project, const QString &site)
{
    m_settings.target_project = project;
    m_settings.target_site = site;
}

void SettingsRecorder::showHeartbeat(int seconds)
{
    m_settings.heartbeat_seconds = seconds;
}

void SettingsRecorder::showWorkForm(WorkForm form)
{
    m_settings.work_form = form;
}

void SettingsRecorder::showTransForm(TransForm form)
{
    m_settings.trans_form = form;
}

bool SettingsRecorder::showTransparentMode(TransparentMode mode)
{
    m_settings.transparent_mode = mode;
    return true;
}

void SettingsRecorder::showAddressSettings(const AddressSettings &a)
{
    m_settings.address_start = a.start;
    m_settings.address_length = a.length;
    m_settings.group_max = a.groupMax;
    m_settings.address_type = a.type;
}

void SettingsRecorder::showBaud(int baud)
{
    m_settings.baud = baud;
}

void SettingsRecorder::showRestartCount(int count)
{
    m_settings.restart_count = count;
}

void SettingsRecorder::showPowerSaving(bool on)
{
    m_settings.power_saving = on;
}

void SettingsRecorder::showWakeTimes(int idleMs, int dataMs)
{
    m_settings.wake_idle_ms = idleMs;
    m_settings.wake_data_ms = dataMs;
}

void SettingsRecorder::showWakeMode(WakeMode mode)
{
    m_settings.wake_mode = mode;
}

} // namespace lt::qx3200
