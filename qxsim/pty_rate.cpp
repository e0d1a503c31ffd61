// Kept apart from pty.cpp: the kernel's termios2 header clashes with <termios.h>.
#include "pty.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace qxsim {

qint64 Pty::charNanos() const
{
    // The program sets its rate on its end of the pair, which the simulator
    // holds open too. A rate set with termios2 shows as a speed code on the
    // other end, so the rate itself is read with TCGETS2.
    struct termios2 tio {};
    if (m_slave < 0 || ::ioctl(m_slave, TCGETS2, &tio) != 0 || tio.c_ospeed == 0)
        return 0;
    int dataBits = 8;
    switch (tio.c_cflag & CSIZE) {
    case CS5: dataBits = 5; break;
    case CS6: dataBits = 6; break;
    case CS7: dataBits = 7; break;
    default: break;
    }
    const int bits = 1 + dataBits + ((tio.c_cflag & PARENB) ? 1 : 0) + ((tio.c_cflag & CSTOPB) ? 2 : 1);
    return qint64(bits) * 1'000'000'000 / qint64(tio.c_ospeed);
}

} // namespace qxsim
