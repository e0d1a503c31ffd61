#pragma once

#include <QString>

namespace sms {

// Device behind port number n: the path in the environment variable QXCOM<n>
// when it is set (a USB adapter or the simulator put behind COMn), otherwise
// the system's n-th serial line.
QString deviceForPort(int n);

} // namespace sms
