#pragma once

#include "command_line.h"
#include "program.h"

namespace sms {

// smsconf's command line: --help, --version, --lang.
qx::StartDecision parseCommandLine(const QStringList &arguments);

// smsconf as its settings, desktop entry and translations know it.
qx::Program program();

} // namespace sms
