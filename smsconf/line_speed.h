#pragma once

namespace sms {

// Sets input and output speed of a serial line to baud, including rates that
// have no B-constant (14400). False when the line refuses.
bool setLineSpeed(int fd, int baud);

} // namespace sms
