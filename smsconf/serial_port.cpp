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
    m_openFault = device ? device->open(path) : qx::OpenFault::Other;
    if (m_openFault != qx::OpenFault::None)
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
        bool whole = false;
        {
            std::lock_guard lock(rxMutex);
            if (m > 0) {
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
            whole = becameWhole(m > 0);
        }
        if (whole && m_notifyWhole)
            m_notifyWhole();
    }
    --g_liveReaders;
}

bool SerialPort::becameWhole(bool grew)
{
    if (!m_expected.known() || rxPending != 1)
        return false;
    if (grew) {
        // Bytes past a whole reply make it something else: back to the quiet gap.
        m_verdict = wholeness(m_expected, QByteArrayView(rxBuffer, rxCount));
        rxWhole = m_verdict == Wholeness::Whole;
        return rxWhole;
    }
    if (!rxWhole && m_verdict == Wholeness::WholeIfNothingFollows) {
        rxWhole = true;
        return true;
    }
    return false;
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

QByteArray SerialPort::takeHeld()
{
    QByteArray reply(rxBuffer, rxCount);
    std::memset(rxBuffer, 0, 20);
    rxCount = 0;
    rxPending = 0;
    rxIdleTicks = 0;
    rxWhole = false;
    m_expected = {};
    m_verdict = Wholeness::NotWhole;
    return reply;
}

void SerialPort::ReplyTimerTick(const std::function<void(const QByteArray &)> &applyReply)
{
    QByteArray reply;
    {
        std::lock_guard lock(rxMutex);
        if (!rxWhole && (rxPending != 1 || ++rxIdleTicks <= kQuietTicks))
            return;
        reply = takeHeld();
    }
    // Applied outside the lock: a reply may open a message box, and the
    // reader must go on collecting the next reply meanwhile.
    if (applyReply)
        applyReply(reply);
}

bool SerialPort::TakeWholeReply(const std::function<void(const QByteArray &)> &applyReply)
{
    QByteArray reply;
    {
        std::lock_guard lock(rxMutex);
        if (!rxWhole)
            return false;
        reply = takeHeld();
    }
    if (applyReply)
        applyReply(reply);
    return true;
}

void SerialPort::DiscardReceived()
{
    std::lock_guard lock(rxMutex);
    takeHeld();
}

void SerialPort::expectReply(const ReplyShape &shape)
{
    std::lock_guard lock(rxMutex);
    m_expected = shape;
    m_verdict = Wholeness::NotWhole;
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
