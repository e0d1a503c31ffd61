#include "serial_port.h"

#include "port_name.h"

#include <chrono>
#include <cstring>

namespace sms {

namespace {

std::atomic<int> g_liveReaders{0};
std::atomic<int> g_mostReaders{0};

} // namespace

SerialPort::SerialPort(PortDeviceFactory makeDevice) : m_makeDevice(std::move(makeDevice))
{
}

SerialPort::~SerialPort()
{
    ClosePort();
}

int SerialPort::OpenPort(int portNumber, int baud)
{
    return OpenDevice(qx::deviceForPort(portNumber), baud);
}

int SerialPort::OpenDevice(const QString &path, int baud)
{
    {
        std::lock_guard lock(rxMutex);
        rxCount = 0;
        rxPending = 0;
        rxIdleTicks = 0;
    }
    auto device = m_makeDevice();
    if (!device || !device->open(path))
        return 0;
    // A reopen without a close first must not leave a reader on the old line.
    ClosePort();
    device->setLine(baud);
    device->lowerModemLines();
    device->discardInput();
    m_device = std::move(device);
    m_lost.store(false);
    if (readerRunning.load() == 0) {
        readerRunning.store(1);
        readerThread = std::thread(&SerialPort::ReaderLoop, this);
    }
    return 1;
}

void SerialPort::ReaderLoop()
{
    const int live = ++g_liveReaders;
    for (int most = g_mostReaders.load(); live > most && !g_mostReaders.compare_exchange_weak(most, live);) {
    }
    PortDevice &device = *m_device;
    char local[kMaxRead];
    while (readerRunning.load() == 1) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
        if (m_hold.load())
            continue;
        const int queued = device.bytesWaiting();
        int m = 0;
        if (queued > 0)
            m = device.read(local, std::min(queued, kMaxRead));
        if (queued < 0 || m < 0) {
            m_lost.store(true);
            break;
        }
        if (m == 0)
            continue;
        std::lock_guard lock(rxMutex);
        if (m_readSizes.size() >= 1000)
            m_readSizes.erase(m_readSizes.begin());
        m_readSizes.push_back(m);
        rxPending = 1;
        rxIdleTicks = 0;
        if (rxCount + m < kBufferSize) {
            std::memcpy(rxBuffer + rxCount, local, size_t(m));
            rxCount += m;
        }
    }
    --g_liveReaders;
}

int SerialPort::WritePort(int count, const char *bytes)
{
    if (!m_device || count <= 0)
        return 0;
    // Done only when the bytes have left the line: at 1200 baud a page takes
    // 34 s, and a loop that counted its wait from the hand-over would give up
    // on an answer the module cannot have sent yet.
    if (!m_device->write(bytes, count) || !m_device->drain())
        return 0;
    return count;
}

void SerialPort::ClosePort()
{
    readerRunning.store(0);
    if (readerThread.joinable())
        readerThread.join();
    readerThread = std::thread();
    if (m_device)
        m_device->close();
    m_device.reset();
    // A reply that was still gathering belongs to the closed line: applied
    // later it would pass for an answer to whatever the dialog does next.
    DiscardReceived();
}

void SerialPort::ReplyTimerTick(const std::function<void(const QByteArray &)> &applyReply)
{
    QByteArray reply;
    {
        std::lock_guard lock(rxMutex);
        if (rxPending != 1 || ++rxIdleTicks <= kQuietTicks)
            return;
        rxIdleTicks = 0;
        rxPending = 0;
        reply = QByteArray(rxBuffer, rxCount);
        std::memset(rxBuffer, 0, 20);
        rxCount = 0;
    }
    // Applied outside the lock: a reply may open a message box, and the
    // reader must go on collecting the next reply meanwhile.
    if (applyReply)
        applyReply(reply);
}

void SerialPort::DiscardReceived()
{
    std::lock_guard lock(rxMutex);
    rxCount = 0;
    rxPending = 0;
    rxIdleTicks = 0;
}

QList<int> SerialPort::readSizes() const
{
    std::lock_guard lock(rxMutex);
    return QList<int>(m_readSizes.begin(), m_readSizes.end());
}

void SerialPort::clearReadSizes()
{
    std::lock_guard lock(rxMutex);
    m_readSizes.clear();
}

int SerialPort::mostReadersAtOnce()
{
    return g_mostReaders.load();
}

} // namespace sms
