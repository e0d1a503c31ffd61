#include "traffic_log.h"

#include "port_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace qx {

namespace {

// Past this many queued blocks the writer is woken before its second is up,
// so a long exchange does not pile up in memory.
constexpr std::size_t kWakeAt = 256;
QByteArray csvField(const QByteArray &text)
{
    if (!text.contains(',') && !text.contains('"'))
        return text;
    QByteArray quoted = text;
    quoted.replace('"', "\"\"");
    return '"' + quoted + '"';
}

QByteArray headLine(const QString &text)
{
    return "# " + text.toUtf8() + '\n';
}

QString utcOffset(const QDateTime &at)
{
    const int minutes = at.offsetFromUtc() / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(qAbs(minutes) / 60, 2, 10, QLatin1Char('0'))
        .arg(qAbs(minutes) % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

TrafficLog::TrafficLog(QObject *parent) : QObject(parent)
{
}

TrafficLog::~TrafficLog()
{
    // No one is told any more: the owner is on its way out too.
    blockSignals(true);
    close();
}

QString TrafficLog::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("logs"));
}

QString TrafficLog::fileName(const QDateTime &start, const QString &port)
{
    return start.toString(QStringLiteral("yyyyMMdd-HHmmss-")) + portFileName(port) + QStringLiteral(".csv");
}

QByteArray TrafficLog::eventLine(const QDateTime &at, Direction direction, QByteArrayView bytes)
{
    QByteArray ascii(bytes.size(), '.');
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] >= 0x20 && bytes[i] < 0x7F)
            ascii[i] = bytes[i];
    }
    return at.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz")).toLatin1() + ','
           + (direction == Direction::Sent ? "TX" : "RX") + ',' + bytes.toByteArray().toHex(' ').toUpper() + ','
           + csvField(ascii) + '\n';
}

bool TrafficLog::open(const QString &folder, const Session &session)
{
    close();
    if (!QDir().mkpath(folder)) {
        m_reported = true;
        emit failed(QCoreApplication::translate("qx::TrafficLog",
                "无法建立通讯记录文件夹 %1，通讯记录已关闭。").arg(QDir::toNativeSeparators(folder)));
        return false;
    }
    // Two sessions in one second get a file each.
    const QString name = fileName(QDateTime::currentDateTime(), session.port);
    QString path = QDir(folder).filePath(name);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(name.chopped(4) + QStringLiteral("-%1.csv").arg(n));
    return openFile(path, session);
}

bool TrafficLog::openFile(const QString &path, const Session &session)
{
    close();
    auto file = std::make_unique<QFile>(path);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_reported = true;
        emit failed(QCoreApplication::translate("qx::TrafficLog", "无法建立通讯记录文件 %1（%2），通讯记录已关闭。")
                        .arg(QDir::toNativeSeparators(path), file->errorString()));
        return false;
    }
    m_file = std::move(file);
    m_path = path;
    m_queue.clear();
    m_stopping = false;
    m_failed = false;
    m_reported = false;

    const QDateTime now = QDateTime::currentDateTime();
    QByteArray head = headLine(session.program);
    head += headLine(QStringLiteral("port: ") + session.port);
    head += headLine(QStringLiteral("device: ") + session.device);
    head += headLine(QStringLiteral("line: ") + session.lineSettings);
    head += headLine(QStringLiteral("time: local, ") + utcOffset(now));
    head += "time,dir,bytes,text\n";
    m_queue.push_back({now.toMSecsSinceEpoch(), -1, head});
    m_writer = std::thread(&TrafficLog::writerLoop, this, ++m_generation);
    return true;
}

void TrafficLog::close()
{
    if (!m_file)
        return;
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    m_writer.join();
    m_file->close();
    m_file.reset();
    bool failedNow = false;
    {
        std::lock_guard lock(m_mutex);
        failedNow = m_failed && !m_reported;
        m_queue.clear();
    }
    if (failedNow) {
        m_reported = true;
        emit failed(QCoreApplication::translate("qx::TrafficLog",
                "无法写入通讯记录文件 %1，通讯记录已关闭。").arg(QDir::toNativeSeparators(m_path)));
    }
}

void TrafficLog::record(Direction direction, QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return;
    queue({QDateTime::currentMSecsSinceEpoch(), int(direction), bytes.toByteArray()});
}

void TrafficLog::noteModel(const QString &model)
{
    queue({QDateTime::currentMSecsSinceEpoch(), -1, headLine(QStringLiteral("model: ") + model)});
}

void TrafficLog::queue(Event event)
{
    if (!m_file)
        return;
    bool wake = false;
    {
        std::lock_guard lock(m_mutex);
        if (m_failed)
            return;
        m_queue.push_back(std::move(event));
        wake = m_queue.size() >= kWakeAt;
    }
    if (wake)
        m_wake.notify_one();
}

void TrafficLog::writerLoop(quint64 generation)
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait_for(lock, std::chrono::milliseconds(kFlushMs),
                        [this] { return m_stopping || m_queue.size() >= kWakeAt; });
        const bool last = m_stopping;
        if (!writeQueued()) {
            m_failed = true;
            m_queue.clear();
            // Told on the owner's thread, by close(): here, unless the owner closes first.
            QMetaObject::invokeMethod(
                this,
                [this, generation] {
                    if (generation == m_generation)
                        close();
                },
                Qt::QueuedConnection);
            return;
        }
        if (last)
            return;
    }
}

bool TrafficLog::writeQueued()
{
    std::vector<Event> batch;
    batch.swap(m_queue);
    if (batch.empty())
        return true;
    // The disk is written without the lock: record() goes on queueing meanwhile.
    m_mutex.unlock();
    QByteArray text;
    for (const Event &e : batch) {
        if (e.kind < 0)
            text += e.bytes;
        else
            text += eventLine(QDateTime::fromMSecsSinceEpoch(e.msecs), Direction(e.kind), e.bytes);
    }
    const bool ok = m_file->write(text) == text.size() && m_file->flush();
    m_mutex.lock();
    return ok;
}

} // namespace qx
