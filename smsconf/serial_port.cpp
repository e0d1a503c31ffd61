#include "serial_port.h"

#include "line_speed.h"
#include "port_name.h"

#include <QElapsedTimer>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace sms {

namespace {

std::atomic<int> g_liveReaders{0};
std::atomic<int> g_mostReaders{0};

void applyLineSettings(int fd, int baud)
{
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        return;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CREAD | CLOCAL;   // CLOCAL: modem lines neither hang up nor block
    tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    tio.c_cc[VSTART] = 0x11;
    tio.c_cc[VSTOP] = 0x13;
    ::tcsetattr(fd, TCSANOW, &tio);   // a line that refuses a setting keeps its own
    setLineSpeed(fd, baud);
}

} // namespace

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
    // Not shared: a second opener of the line gets EBUSY from TIOCEXCL.
    const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return 0;
    if (::ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY) {
        ::close(fd);
        return 0;
    }
    // A reopen without a close first must not leave a reader on the old line.
    ClosePort();
    applyLineSettings(fd, baud);
    ::tcflush(fd, TCIFLUSH);
    portHandle = fd;
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
    char local[kMaxRead];
    while (readerRunning.load() == 1) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
        if (m_hold.load())
            continue;
        pollfd p{portHandle, POLLIN, 0};
        if (::poll(&p, 1, 0) < 0) {
            if (errno == EINTR)
                continue;
            m_lost.store(true);
            break;
        }
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
            // The device is gone: stop here instead of spinning on EIO.
            m_lost.store(true);
            break;
        }
        int queued = 0;
        if (!(p.revents & POLLIN) || ::ioctl(portHandle, FIONREAD, &queued) != 0 || queued <= 0)
            continue;
        const ssize_t m = ::read(portHandle, local, size_t(std::min(queued, kMaxRead)));
        if (m < 0 && (errno == EAGAIN || errno == EINTR))
            continue;
        if (m <= 0) {
            m_lost.store(true);
            break;
        }
        std::lock_guard lock(rxMutex);
        if (m_readSizes.size() >= 1000)
            m_readSizes.erase(m_readSizes.begin());
        m_readSizes.push_back(int(m));
        rxPending = 1;
        rxIdleTicks = 0;
        if (rxCount + m < kBufferSize) {
            std::memcpy(rxBuffer + rxCount, local, size_t(m));
            rxCount += int(m);
        }
    }
    --g_liveReaders;
}

int SerialPort::WritePort(int count, const char *bytes)
{
    if (portHandle < 0 || count <= 0)
        return 0;
    int done = 0;
    QElapsedTimer waited;
    waited.start();
    while (done < count) {
        const ssize_t n = ::write(portHandle, bytes + done, size_t(count - done));
        if (n > 0) {
            done += int(n);
            waited.restart();
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN) {
            // The line drains slowly at low rates; give up only when it stops draining.
            if (waited.elapsed() > 5000)
                return 0;
            pollfd p{portHandle, POLLOUT, 0};
            ::poll(&p, 1, 100);
            if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
                return 0;
            continue;
        }
        return 0;
    }
    return count;
}

void SerialPort::ClosePort()
{
    readerRunning.store(0);
    if (readerThread.joinable())
        readerThread.join();
    readerThread = std::thread();
    if (portHandle >= 0)
        ::close(portHandle);
    portHandle = -1;
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
