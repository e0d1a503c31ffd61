#include "device_job.h"

#include "link/frame.h"
#include "link/timing.h"
#include "port_refusal.h"

#include <QCoreApplication>

namespace qxb {

namespace {

// The module restarts after a working-mode change and is deaf meanwhile: the
// windows make the user wait this many seconds, the port closing shortly
// after the request went out.
constexpr int kRestartSeconds = 51;
constexpr int kClosePortAfterMs = 200;

QString lostText()
{
    return QCoreApplication::translate("qxbatch", "串口在通讯中断开了，请检查连接线。");
}

QString rateText(int baud)
{
    return QString::number(baud) + QLatin1String("bps");
}

} // namespace

DeviceJob::DeviceJob(const Request &request, const QString &port, QObject *parent)
    : QObject(parent), m_request(request), m_handshake(m_link)
{
    m_outcome.port = port;
    m_wait.setSingleShot(true);
    connect(&m_wait, &QTimer::timeout, this, &DeviceJob::next);
    // Whatever stage runs, a write to a device that went away must not end as ok.
    connect(&m_link, &lt::Link::vanished, this, [this] { finish(Status::IoError, lostText()); });
    m_stages = {[this] { settle(); }, [this] { openPort(); }, [this] { identify(); },
                [this] { changeModeIfAsked(); }, [this] { describe(); }};
}

DeviceJob::~DeviceJob()
{
    m_handshake.stop();
    m_link.port().close();
}

void DeviceJob::start()
{
    next();
}

void DeviceJob::next()
{
    if (m_done)
        return;
    if (m_stages.isEmpty()) {
        finish(Status::Ok);
        return;
    }
    const Stage stage = m_stages.takeFirst();
    stage();
}

void DeviceJob::finish(Status status, const QString &message)
{
    if (m_done)
        return;
    m_done = true;
    m_stages.clear();
    m_wait.stop();
    m_handshake.stop();
    m_link.port().close();
    m_outcome.status = status;
    m_outcome.message = message;
    emit finished();
}

void DeviceJob::interrupt()
{
    finish(Status::Interrupted);
}

void DeviceJob::wait(int ms)
{
    m_wait.start(ms);
}

void DeviceJob::settle()
{
    // The user's own wait (instead of the windows' signal-lamp notice): not a
    // protocol wait, so never scaled.
    wait(m_request.settleMs);
}

void DeviceJob::openPort()
{
    lt::ModulePort &port = m_link.port();
    port.select(m_outcome.port, rateText(m_request.baud), m_request.lineTail);
    if (port.open() == lt::ModulePort::Opened) {
        port.setDtr(false);
        next();
        return;
    }
    const qx::PortRefusal &refusal = port.refusal();
    switch (refusal.kind) {
    case qx::PortRefusal::Missing:
        finish(Status::NoPort, refusal.text());
        return;
    case qx::PortRefusal::Busy:
        finish(Status::Busy, refusal.text());
        return;
    case qx::PortRefusal::NoPermission:
        finish(Status::NoPermission, refusal.text());
        return;
    case qx::PortRefusal::LineSettings:
        finish(Status::IoError, refusal.text());
        return;
    case qx::PortRefusal::Other:
        break;
    }
    finish(Status::IoError, port.serialPort().errorString());
}

void DeviceJob::identify()
{
    // One parser serves both models; this mode also keeps the verdict's type.
    m_handshake.start(lt::ParseMode::SmsConnect, this, this);
}

void DeviceJob::timedOut()
{
    QString text = QCoreApplication::translate("qxbatch", "模块和计算机通信失败，请检查串口号、波特率");
    if (qx::modemManagerRunning())
        text += QLatin1Char(' ') + qx::modemManagerNote();
    finish(Status::NoAnswer, text);
}

void DeviceJob::restoreControls()
{
    // After a time-out the job has already ended; otherwise the device went away.
    finish(Status::IoError, lostText());
}

void DeviceJob::noVerdict()
{
    finish(Status::NoAnswer, QCoreApplication::translate("qxbatch", "模块没有说明它是哪种模块。"));
}

void DeviceJob::verdict(quint8 moduleType)
{
    m_model = moduleType == lt::code::kGprsModule ? QStringLiteral("QX3200") : QStringLiteral("QX3100");
    next();
}

void DeviceJob::changeModeIfAsked()
{
    if (!m_request.setMode || m_model != QLatin1String("QX3200") || m_modeChanged) {
        next();
        return;
    }
    const bool data = *m_request.setMode == WorkingMode::DataCommunication;
    const bool isData = m_link.identity().workingMode == lt::code::kDataCommunicationReported;
    if (data == isData) {
        next();
        return;
    }
    m_modeChanged = true;
    m_link.send(lt::frame::write_request(
        lt::code::kWorkingMode, QByteArray(1, char(data ? lt::code::kSetDataCommunication : lt::code::kSetAddressSetting))));
    // As the windows do: the port closes while the module restarts, then the
    // module is identified again and reported as it now is.
    QTimer::singleShot(kClosePortAfterMs, this, [this] {
        if (!m_done)
            m_link.port().close();
    });
    m_stages = QList<Stage>{[this] { wait(lt::timing::interval(kRestartSeconds * 1000)); }, [this] { openPort(); },
                            [this] { identify(); }}
               + m_stages;
    next();
}

void DeviceJob::describe()
{
    const lt::ModuleIdentity &id = m_link.identity();
    m_outcome.add(QStringLiteral("model"), m_model);
    if (m_model == QLatin1String("QX3200"))
        m_outcome.add(QStringLiteral("mode"), id.workingMode == lt::code::kDataCommunicationReported
                                                  ? QStringLiteral("data")
                                                  : QStringLiteral("address"));
    m_outcome.add(QStringLiteral("version"), id.versionText.trimmed());
    m_outcome.add(QStringLiteral("type"), int(id.moduleType));
    if (m_modeChanged)
        m_outcome.add(QStringLiteral("mode-changed"), true);
    next();
}

} // namespace qxb
