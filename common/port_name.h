#pragma once

#include <QString>

namespace qx {

// Device behind port number n (COMn), the same for both programs: the path in
// the environment variable QXCOM<n> when it is set (how a USB adapter or the
// simulator is put behind COMn), otherwise the platform's own device for COMn
// (/dev/ttyS<n-1> on Linux, COMn on Windows).
QString deviceForPort(int n);

// The port as the user chose it, as part of a file name: letters and digits
// of any script stay, separators and the rest become '_', so "/dev/ttyUSB0"
// is "dev_ttyUSB0" and no name climbs out of its folder.
QString portFileName(const QString &port);

} // namespace qx
