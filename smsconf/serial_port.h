#pragma once

#include "port_device.h"
#include "reply_shape.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace sms {

// The configurator's one serial port: fixed 8N1 line at a chosen baud rate, a
// reader thread that polls the line every 10 ms into one receive buffer, and
// the rules that turn the buffer into a reply. The receive buffer and its
// counters are shared with the dialog's thread under rxMutex. The device
// itself is reached only through PortDevice.
class SerialPort
{
public:
    static constexpr int kBufferSize = 8192;
    static constexpr int kMaxRead = 1000;        // bytes per reader cycle
    static constexpr int kPollMs = 10;
    static constexpr int kQuietTicks = 5;        // a reply completes on the 6th quiet tick

    explicit SerialPort(PortDeviceFactory makeDevice = makeSystemPortDevice);
    ~SerialPort();
    SerialPort(const SerialPort &) = delete;
    SerialPort &operator=(const SerialPort &) = delete;

    // 1 when the device of port number n opened, 0 when it did not.
    int OpenPort(int portNumber, int baud);
    int OpenDevice(const QString &path, int baud);
    // What the system said when the last open failed.
    qx::OpenFault lastOpenFault() const { return m_openFault; }
    // count once the bytes have been written whole and have left the line, 0 when the write failed.
    int WritePort(int count, const char *bytes);
    int WritePort(const QByteArray &bytes) { return WritePort(int(bytes.size()), bytes.constData()); }
    void ClosePort();
    // One tick of the 50 ms reply timer; calls applyReply with a reply that
    // is whole or has been quiet for six ticks.
    void ReplyTimerTick(const std::function<void(const QByteArray &)> &applyReply);
    // Calls applyReply with the reply held if it is whole; false when it is not.
    bool TakeWholeReply(const std::function<void(const QByteArray &)> &applyReply);
    // Drops what has been received so far (rxCount and rxPending to 0).
    void DiscardReceived();

    // The shape of the answer to the request about to be written: a reply
    // that arrives whole in that shape is complete at once instead of after
    // the quiet gap. An unknown shape leaves the next reply to the quiet gap.
    // Taking a reply, however it completed, ends the expectation.
    void expectReply(const ReplyShape &shape);
    // Called on the reader thread when the reply held has become whole; the
    // owner takes it with TakeWholeReply on its own thread. Set it while the
    // port is closed: the reader calls it without a lock.
    void setWholeReplyNotifier(std::function<void()> notify) { m_notifyWhole = std::move(notify); }

    bool isOpen() const { return m_device != nullptr; }
    // The device went away under the reader (cable pulled, simulator killed);
    // the reader has stopped, the port still has to be closed.
    bool lineLost() const { return m_lost.load(); }

    // Observation points for tests: sizes of the reads the reader made, a way
    // to keep the reader from reading for a while, and the most readers that
    // ever ran at once in this process.
    QList<int> readSizes() const;
    void clearReadSizes();
    void holdReader(bool hold) { m_hold.store(hold); }
    static int mostReadersAtOnce();

private:
    void ReaderLoop();
    // Under rxMutex, after a reader cycle: whether the reply held has just become whole.
    bool becameWhole(bool grew);
    // Under rxMutex: the reply held, with the buffer reset for the next one.
    QByteArray takeHeld();

    PortDeviceFactory m_makeDevice;
    std::unique_ptr<PortDevice> m_device;   // null while closed; replaced only while no reader runs
    std::thread readerThread;
    std::atomic<int> readerRunning{0};
    std::atomic<bool> m_lost{false};
    std::atomic<bool> m_hold{false};
    qx::OpenFault m_openFault = qx::OpenFault::None;
    std::function<void()> m_notifyWhole;

    mutable std::mutex rxMutex;
    char rxBuffer[kBufferSize] = {};
    int rxCount = 0;
    int rxPending = 0;
    int rxIdleTicks = 0;
    bool rxWhole = false;                  // the reply held is whole and waits to be taken
    ReplyShape m_expected;
    Wholeness m_verdict = Wholeness::NotWhole;   // of the bytes held, when they last grew
    std::vector<int> m_readSizes;   // plain storage: no shared copies across threads
};

} // namespace sms
