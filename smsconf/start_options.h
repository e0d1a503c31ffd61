#pragma once

#include "command_line.h"
#include "program.h"

namespace sms {

// What the command line asks of the dialog for this run.
struct StartOptions {
    QString port;       // --port: COMn, a port number or a device path; empty when not given
    bool log = false;   // --log: keep a traffic log from the start
};

// smsconf's command line: --help, --version, --lang, --port, --log. The
// dialog's options land in `options` when one is given.
qx::StartDecision parseCommandLine(const QStringList &arguments, StartOptions *options = nullptr);

// smsconf as its settings, desktop entry and translations know it.
qx::Program program();

} // namespace sms
