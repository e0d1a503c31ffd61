// Kept apart from the termios code: the kernel's termios2 header clashes with <termios.h>.
#include "line_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace sms {

bool setLineSpeed(int fd, int baud)
{
    struct termios2 tio {};
    if (baud <= 0 || ::ioctl(fd, TCGETS2, &tio) != 0)
        return false;
    tio.c_cflag &= ~CBAUD;
    tio.c_cflag |= BOTHER;
    tio.c_ispeed = speed_t(baud);
    tio.c_ospeed = speed_t(baud);
    return ::ioctl(fd, TCSETS2, &tio) == 0;
}

} // namespace sms
