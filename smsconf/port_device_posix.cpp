// The configurator's port on Linux and other POSIX systems.
#include "port_device.h"

#include "line_speed.h"

#include <QElapsedTimer>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace sms {

namespace {

// A write that makes no progress for this long means the line has stopped
// taking bytes; a slow line still drains a little in every wait.
constexpr int kWriteStallMs = 5000;

class PosixPortDevice : public PortDevice
{
public:
    ~PosixPortDevice() override { close(); }

    qx::OpenFault open(const QString &path) override
    {
        close();
        const int fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return qx::openFaultFromErrno(errno);
        // Not shared: a second opener of the line gets EBUSY from TIOCEXCL.
        if (::ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY) {
            const int error = errno;
            ::close(fd);
            return qx::openFaultFromErrno(error);
        }
        m_fd = fd;
        return qx::OpenFault::None;
    }

    void close() override
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

    void setLine(int baud) override
    {
        termios tio{};
        if (::tcgetattr(m_fd, &tio) != 0)
            return;
        ::cfmakeraw(&tio);
        tio.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
        tio.c_cflag |= CS8 | CREAD | CLOCAL;   // CLOCAL: modem lines neither hang up nor block
        tio.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK);
        tio.c_cc[VMIN] = 0;
        tio.c_cc[VTIME] = 0;
        tio.c_cc[VSTART] = 0x11;
        tio.c_cc[VSTOP] = 0x13;
        ::tcsetattr(m_fd, TCSANOW, &tio);   // a line that refuses a setting keeps its own
        setLineSpeed(m_fd, baud);
    }

    void lowerModemLines() override
    {
        int lines = TIOCM_DTR | TIOCM_RTS;
        ::ioctl(m_fd, TIOCMBIC, &lines);   // a pseudo-terminal has no modem lines and refuses: nothing to lower
    }

    void discardInput() override { ::tcflush(m_fd, TCIFLUSH); }

    int bytesWaiting() override
    {
        pollfd p{m_fd, POLLIN, 0};
        if (::poll(&p, 1, 0) < 0)
            return errno == EINTR ? 0 : -1;
        // A hung-up device keeps reporting errors: say it is gone instead of spinning on EIO.
        if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
            return -1;
        int queued = 0;
        if (!(p.revents & POLLIN) || ::ioctl(m_fd, FIONREAD, &queued) != 0 || queued < 0)
            return 0;
        return queued;
    }

    int read(char *into, int max) override
    {
        const ssize_t n = ::read(m_fd, into, size_t(max));
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return 0;
        return n > 0 ? int(n) : -1;
    }

    bool write(const char *bytes, int count) override
    {
        int done = 0;
        QElapsedTimer waited;
        waited.start();
        while (done < count) {
            const ssize_t n = ::write(m_fd, bytes + done, size_t(count - done));
            if (n > 0) {
                done += int(n);
                waited.restart();
                continue;
            }
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && errno == EAGAIN) {
                if (waited.elapsed() > kWriteStallMs)
                    return false;
                pollfd p{m_fd, POLLOUT, 0};
                ::poll(&p, 1, 100);
                if (p.revents & (POLLHUP | POLLERR | POLLNVAL))
                    return false;
                continue;
            }
            return false;
        }
        return true;
    }

    bool drain() override
    {
        int r;
        while ((r = ::tcdrain(m_fd)) != 0 && errno == EINTR) {
        }
        return r == 0;
    }

private:
    int m_fd = -1;
};

} // namespace

std::unique_ptr<PortDevice> makeSystemPortDevice()
{
    return std::make_unique<PosixPortDevice>();
}

} // namespace sms
