#pragma once

#include "program.h"

#include <QStringList>

namespace qxb {

// qxbatch as the settings, the desktop and the translations know it.
qx::Program program();

// The whole program after the application object exists: the command line,
// the devices, the lines, the exit code (0 all ok, 1 a device failed, 2 a
// usage or file error with nothing sent).
int run(const QStringList &arguments);

} // namespace qxb
