#pragma once

#include "port_device.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace smstest {

// A serial line behind the port's device seam, for what a pseudo-terminal
// cannot show: the modem lines and a line that takes time to send. It records
// every device call in order, sends written bytes at its own character time,
// and has the module's answer arrive once the request has left the line.
class FakeLine
{
public:
    explicit FakeLine(std::chrono::microseconds charTime = {}) : m_charNs(charTime.count() * 1000) { m_clock.start(); }

    // What the module answers to a request (nothing: no answer).
    std::function<QByteArray(const QByteArray &request)> module;
    // What opening the line says, as a device another program holds or this user may not open would.
    qx::OpenFault openFault = qx::OpenFault::None;

    sms::PortDeviceFactory factory();

    QStringList calls() const
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    QList<QByteArray> requests() const
    {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }
    // Nanoseconds from now until the last byte written has left the line.
    qint64 sendingForNs() const
    {
        std::lock_guard lock(m_mutex);
        return std::max<qint64>(0, m_lineFreeNs - m_clock.nsecsElapsed());
    }

private:
    friend class FakeDevice;
    void record(const QString &call)
    {
        std::lock_guard lock(m_mutex);
        m_calls << call;
    }

    mutable std::mutex m_mutex;
    QElapsedTimer m_clock;
    qint64 m_charNs;
    qint64 m_lineFreeNs = 0;
    QStringList m_calls;
    QList<QByteArray> m_requests;
    QList<QPair<qint64, QByteArray>> m_answers;   // readable from the time given
    QByteArray m_incoming;
};

class FakeDevice : public sms::PortDevice
{
public:
    explicit FakeDevice(FakeLine &line) : m_line(line) {}

    qx::OpenFault open(const QString &path) override
    {
        m_line.record(QStringLiteral("open ") + path);
        return m_line.openFault;
    }
    void close() override { m_line.record(QStringLiteral("close")); }
    void setLine(int baud) override { m_line.record(QStringLiteral("setLine %1").arg(baud)); }
    void lowerModemLines() override { m_line.record(QStringLiteral("lowerModemLines")); }
    void discardInput() override { m_line.record(QStringLiteral("discardInput")); }

    int bytesWaiting() override
    {
        std::lock_guard lock(m_line.m_mutex);
        const qint64 now = m_line.m_clock.nsecsElapsed();
        while (!m_line.m_answers.isEmpty() && m_line.m_answers.first().first <= now)
            m_line.m_incoming += m_line.m_answers.takeFirst().second;
        return int(m_line.m_incoming.size());
    }
    int read(char *into, int max) override
    {
        std::lock_guard lock(m_line.m_mutex);
        const int n = std::min(max, int(m_line.m_incoming.size()));
        std::copy_n(m_line.m_incoming.constData(), n, into);
        m_line.m_incoming.remove(0, n);
        return n;
    }
    bool write(const char *bytes, int count) override
    {
        const QByteArray request(bytes, count);
        const QByteArray answer = m_line.module ? m_line.module(request) : QByteArray();
        std::lock_guard lock(m_line.m_mutex);
        m_line.m_calls << QStringLiteral("write %1").arg(count);
        m_line.m_requests << request;
        // The device takes the bytes at once; the line sends them one after another.
        const qint64 now = m_line.m_clock.nsecsElapsed();
        m_line.m_lineFreeNs = std::max(now, m_line.m_lineFreeNs) + count * m_line.m_charNs;
        if (!answer.isEmpty())
            m_line.m_answers.append({m_line.m_lineFreeNs, answer});
        return true;
    }
    bool drain() override
    {
        m_line.record(QStringLiteral("drain"));
        std::this_thread::sleep_for(std::chrono::nanoseconds(m_line.sendingForNs()));
        return true;
    }

private:
    FakeLine &m_line;
};

inline sms::PortDeviceFactory FakeLine::factory()
{
    return [this] { return std::make_unique<FakeDevice>(*this); };
}

} // namespace smstest
