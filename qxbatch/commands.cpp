#include "commands.h"

#include "device_job.h"
#include "qx3100_session.h"
#include "settings_session.h"

#include "port_name.h"
#include "program.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QSaveFile>

namespace qxb {

namespace {

// Where a device's file goes: --out as a file for a single port, --out as a
// folder (made when missing) for several or when it is one already (or ends
// in '/'), the current folder without --out.
QString outputPath(const Request &request, const QString &port, const QString &suffix)
{
    const QString name = qx::portFileName(port) + suffix;
    if (request.out.isEmpty())
        return QDir::current().filePath(name);
    if (request.ports.size() == 1 && !QFileInfo(request.out).isDir() && !request.out.endsWith(QLatin1Char('/')))
        return request.out;
    QDir().mkpath(request.out);
    return QDir(request.out).filePath(name);
}

std::optional<QString> saveBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit())
        return QCoreApplication::translate("qxbatch", "无法写入文件 %1：%2").arg(path, file.errorString());
    return std::nullopt;
}

// The command's work on one device, after the handshake: a child of the job,
// gone with it.
class CommandRun : public QObject
{
public:
    explicit CommandRun(DeviceJob &job) : QObject(&job), m_job(job) {}

    void openSession()
    {
        m_session = SettingsSession::forModel(m_job.model(), m_job.link());
        connect(m_session.get(), &SettingsSession::failed, this,
                [this](Status status, const QString &message) { m_job.finish(status, message); });
        m_job.next();
    }

    void read()
    {
        connect(m_session.get(), &SettingsSession::readDone, this, [this](const QJsonObject &params) {
            lt::settings_file::Document document{m_job.model(), QDateTime::currentDateTime(),
                                                 QStringLiteral("qxbatch ") + qx::programVersion(), params};
            const QString path = outputPath(m_job.request(), m_job.outcome().port, QStringLiteral(".json"));
            if (const auto refusal = lt::settings_file::save(path, document)) {
                m_job.finish(Status::IoError, *refusal);
                return;
            }
            m_job.outcome().add(QStringLiteral("fields"), int(params.size()));
            m_job.outcome().add(QStringLiteral("file"), path);
            m_job.next();
        });
        m_session->read();
    }

    void write()
    {
        const lt::settings_file::Document &profile = m_job.request().profileDocument;
        if (profile.model != m_job.model()) {
            m_job.finish(Status::WrongModel, QCoreApplication::translate("qxbatch", "这是 %1 模块的参数文件，不能用于 %2 模块")
                                                 .arg(profile.model, m_job.model()));
            return;
        }
        if (const auto refusal = m_session->take(profile.params)) {
            m_job.finish(Status::Refused, refusalText(*refusal));
            return;
        }
        connect(m_session.get(), &SettingsSession::writeDone, this, [this] {
            int written = 0;
            for (auto it = m_job.request().profileDocument.params.begin(); it != m_job.request().profileDocument.params.end(); ++it)
                written += m_session->isWritten(it.key()) ? 1 : 0;
            m_job.outcome().add(QStringLiteral("fields"), written);
            m_job.next();
        });
        m_session->write();
    }

    void verify()
    {
        if (!m_session->followWrittenLine()) {
            m_job.finish(Status::IoError, m_job.link().port().refusal().text());
            return;
        }
        disconnect(m_session.get(), &SettingsSession::readDone, this, nullptr);
        disconnect(m_session.get(), &SettingsSession::failed, this, nullptr);
        connect(m_session.get(), &SettingsSession::failed, this, [this](Status, const QString &message) {
            // What could not be read back is not known to be right.
            m_job.finish(Status::VerifyFailed, message);
        });
        connect(m_session.get(), &SettingsSession::readDone, this, [this](const QJsonObject &read) {
            const QStringList differing = m_session->differences(m_job.request().profileDocument.params, read);
            if (!differing.isEmpty()) {
                m_job.outcome().add(QStringLiteral("differing"), QJsonArray::fromStringList(differing));
                m_job.finish(Status::VerifyFailed, QCoreApplication::translate("qxbatch", "读回的参数与文件不同：%1")
                                                       .arg(differing.join(QStringLiteral(", "))));
                return;
            }
            m_job.outcome().add(QStringLiteral("verified"), true);
            m_job.next();
        });
        m_session->read();
    }

    void readPhones()
    {
        auto *session = dynamic_cast<Qx3100Session *>(m_session.get());
        if (!session) {
            m_job.finish(Status::WrongModel, QCoreApplication::translate("qxbatch", "只有 QX3100 模块有电话号码表"));
            return;
        }
        connect(session, &Qx3100Session::phonesRead, this, [this](const QList<PhoneEntry> &entries, const QList<int> &unanswered) {
            const QString path = outputPath(m_job.request(), m_job.outcome().port, QStringLiteral("-phones.csv"));
            if (const auto refusal = saveBytes(path, phonesToCsv(entries))) {
                m_job.finish(Status::IoError, *refusal);
                return;
            }
            m_job.outcome().add(QStringLiteral("entries"), int(entries.size()));
            m_job.outcome().add(QStringLiteral("file"), path);
            if (!unanswered.isEmpty()) {
                QJsonArray missing;
                for (int entry : unanswered)
                    missing.append(entry);
                m_job.outcome().add(QStringLiteral("unanswered"), missing);
                m_job.finish(Status::NoAnswer, QCoreApplication::translate("qxbatch", "模块没有回答这些电话号码的读取"));
                return;
            }
            m_job.next();
        });
        session->readPhones(m_job.request().from, m_job.request().to);
    }

    void writePhones()
    {
        auto *session = dynamic_cast<Qx3100Session *>(m_session.get());
        if (!session) {
            m_job.finish(Status::WrongModel, QCoreApplication::translate("qxbatch", "只有 QX3100 模块有电话号码表"));
            return;
        }
        connect(session, &Qx3100Session::phonesWritten, this, [this] {
            m_job.outcome().add(QStringLiteral("entries"), int(m_job.request().phoneEntries.size()));
            m_job.next();
        });
        session->writePhones(m_job.request().phoneEntries);
    }

private:
    DeviceJob &m_job;
    std::unique_ptr<SettingsSession> m_session;
};

} // namespace

void addCommandStages(DeviceJob &job)
{
    auto *run = new CommandRun(job);
    switch (job.request().command) {
    case Command::Ports:
    case Command::Identify:
        return;
    case Command::Read:
        job.addStages({[run] { run->openSession(); }, [run] { run->read(); }});
        return;
    case Command::Write:
        job.addStages({[run] { run->openSession(); }, [run] { run->write(); }});
        if (job.request().verify)
            job.addStages({[run] { run->verify(); }});
        return;
    case Command::PhonesRead:
        job.addStages({[run] { run->openSession(); }, [run] { run->readPhones(); }});
        return;
    case Command::PhonesWrite:
        job.addStages({[run] { run->openSession(); }, [run] { run->writePhones(); }});
        return;
    }
}

QString loadRequestFiles(Request &request)
{
    if (request.command == Command::Write) {
        const lt::settings_file::Reading reading = lt::settings_file::load(request.profile, {});
        if (!reading.document)
            return reading.refusal;
        request.profileDocument = *reading.document;
    }
    if (request.command == Command::PhonesWrite) {
        QFile file(request.file);
        if (!file.open(QIODevice::ReadOnly))
            return QCoreApplication::translate("qxbatch", "无法读取文件 %1：%2").arg(request.file, file.errorString());
        const PhonesFromCsv phones = phonesFromCsv(file.readAll());
        if (!phones.refusal.isEmpty())
            return request.file + QLatin1String(": ") + phones.refusal;
        request.phoneEntries = phones.entries;
    }
    return {};
}

} // namespace qxb
