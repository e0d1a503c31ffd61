#pragma once

#include "command_line.h"
#include "program.h"

namespace lt {

// linktool's command line: --help, --version, --lang.
qx::StartDecision parseCommandLine(const QStringList &arguments);

// linktool as its settings, desktop entry and translations know it.
qx::Program program();

} // namespace lt
