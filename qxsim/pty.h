#pragma once

#include <QString>

namespace qxsim {

// The master end of a pseudo-terminal pair. The slave end is held open too:
// without a holder, reads on the master fail with EIO while no program has
// the slave open.
class Pty
{
public:
    Pty() = default;
    ~Pty();
    Pty(const Pty &) = delete;
    Pty &operator=(const Pty &) = delete;

    // Opens a new pair in raw mode; when linkPath is given, it becomes a
    // symbolic link to the slave device.
    bool open(const QString &linkPath = {});
    void close();

    int masterFd() const { return m_master; }
    // How long one character takes on a real line at the rate and character
    // frame the program set on its end (start bit, data bits, parity, stop
    // bits); 0 when no rate is set.
    qint64 charNanos() const;
    QString slavePath() const { return m_slavePath; }
    QString errorString() const { return m_error; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
    QString m_linkPath;
    QString m_error;
};

} // namespace qxsim
