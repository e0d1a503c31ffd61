#include "batch_run.h"

#include "commands.h"
#include "device_job.h"
#include "port_list.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace qxb {

BatchRun::BatchRun(const Request &request, LineSink print, QObject *parent)
    : QObject(parent), m_request(request), m_print(std::move(print))
{
}

void BatchRun::start()
{
    for (const QString &port : m_request.ports) {
        auto *job = new DeviceJob(m_request, port, this);
        addCommandStages(*job);
        connect(job, &DeviceJob::finished, this, [this, job] { jobFinished(job); });
        m_jobs << job;
    }
    m_running = int(m_jobs.size());
    if (m_running == 0) {
        emit done();
        return;
    }
    for (DeviceJob *job : std::as_const(m_jobs))
        job->start();
}

void BatchRun::interrupt()
{
    for (DeviceJob *job : std::as_const(m_jobs))
        job->interrupt();
}

void BatchRun::jobFinished(DeviceJob *job)
{
    m_outcomes << job->outcome();
    m_print(lineOf(job->outcome(), m_request.json));
    if (--m_running == 0)
        emit done();
}

int BatchRun::exitCode() const
{
    for (const Outcome &o : m_outcomes)
        if (o.status != Status::Ok)
            return 1;
    return 0;
}

QString lineOf(const Outcome &outcome, bool json)
{
    return json ? QString::fromUtf8(outcome.jsonLine()) : outcome.humanLine();
}

QStringList portLines(bool json)
{
    QStringList lines;
    for (const qx::SerialDevice &device : qx::systemSerialDevices()) {
        const QString name = qx::stablePortName(device.path);
        if (json) {
            QJsonObject o{{QStringLiteral("port"), name}, {QStringLiteral("device"), device.path},
                          {QStringLiteral("description"), device.description},
                          {QStringLiteral("serial"), device.serialNumber}};
            lines << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
            continue;
        }
        QString line = name;
        if (name != device.path)
            line += QLatin1Char(' ') + device.path;
        if (!device.description.isEmpty())
            line += QStringLiteral(" — ") + device.description;
        if (!device.serialNumber.isEmpty())
            line += QStringLiteral(" (") + device.serialNumber + QLatin1Char(')');
        lines << line;
    }
    return lines;
}

} // namespace qxb
