#pragma once

#include <QString>

namespace lt {

// Device behind port number n: the path in the environment variable QXCOM<n>
// when it is set (how a USB adapter or the simulator is put behind COM1),
// otherwise the platform's own device for COMn.
QString deviceForPort(int n);

} // namespace lt
