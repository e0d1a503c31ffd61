#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

class QFile;

namespace qx {

// A record of what went over a serial line, as CSV a spreadsheet opens:
// lines starting with '#' say which program, port and line settings (and
// the module, once known), then one line per block: local time with
// milliseconds, TX or RX, the bytes in hexadecimal and as ASCII.
//
// record() only queues the block with its time; a thread of the log's own
// formats and writes the queue at least once a second and at close, so the
// exchange never waits for the disk. A file that cannot be created or
// written ends the log and says so once, through failed().
class TrafficLog : public QObject
{
    Q_OBJECT
public:
    enum class Direction { Sent, Received };

    // What heads the file.
    struct Session {
        QString program;        // name and version: "smsconf 1.1.0"
        QString port;           // as the user chose it: "COM4", "/dev/serial/by-id/..."
        QString device;         // the device opened for it
        QString lineSettings;   // "9600,n,8,1"
    };

    // Queued blocks wait at most this long for the disk.
    static constexpr int kFlushMs = 1000;

    explicit TrafficLog(QObject *parent = nullptr);
    ~TrafficLog() override;

    // <application data>/logs
    static QString defaultFolder();
    // YYYYMMDD-HHMMSS-<port>.csv, the port made safe for a file name.
    static QString fileName(const QDateTime &start, const QString &port);
    // One event line, ending in a line break.
    static QByteArray eventLine(const QDateTime &at, Direction direction, QByteArrayView bytes);

    // Starts a new file for the session in folder; false (and failed()) when
    // it cannot be made. A log already open is closed first.
    bool open(const QString &folder, const Session &session);
    // The same with the file named: what open() uses once it chose the name.
    bool openFile(const QString &path, const Session &session);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    QString filePath() const { return m_path; }

    void record(Direction direction, QByteArrayView bytes);
    // Adds the module's model to the head, once the program knows it.
    void noteModel(const QString &model);

signals:
    // The log stopped: the text says which file and why, for the user.
    void failed(const QString &message);

private:
    struct Event {
        qint64 msecs;       // since the epoch, formatted as local time by the writer
        int kind;           // Direction, or -1 for a head line in `bytes`
        QByteArray bytes;
    };

    void queue(Event event);
    void writerLoop(quint64 generation);
    // Writes out what is queued; false when the file refused it.
    bool writeQueued();

    std::unique_ptr<QFile> m_file;
    QString m_path;
    std::thread m_writer;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::vector<Event> m_queue;   // under m_mutex
    bool m_stopping = false;      // under m_mutex
    bool m_failed = false;        // under m_mutex: nothing more is queued or written
    bool m_reported = false;      // failed() was emitted for this file (owner's thread only)
    quint64 m_generation = 0;     // counts the files opened, so a late word about one never ends the next
};

} // namespace qx
