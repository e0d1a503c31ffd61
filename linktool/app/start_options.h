#pragma once

#include "command_line.h"
#include "program.h"

namespace lt {

// What the command line asks of the windows for this run.
struct StartOptions {
    // The module whose connect window the chooser opens by itself.
    enum class Model { None, Qx3100, Qx3200 };

    QString port;               // --port: COMn or a device path, preselected in the connect windows; empty when not given
    Model model = Model::None;  // --model
    bool log = false;           // --log: a traffic log from the start
};

// linktool's command line: --help, --version, --lang, --port, --model, --log.
// The windows' options land in `options` when one is given.
qx::StartDecision parseCommandLine(const QStringList &arguments, StartOptions *options = nullptr);

// linktool as its settings, desktop entry and translations know it.
qx::Program program();

} // namespace lt
