#pragma once

#include "command_line.h"
#include "program.h"

#include <QStringList>

#include <functional>

namespace qx {

// main() of a program with windows. The command line is read before any
// application object exists: help, version and usage errors are answered on
// a QCoreApplication, so they need no display, in the chosen language.
// Otherwise the QApplication is made with the start language installed and
// the program's desktop entry and icon named, and `run` opens the windows.
int runWindowProgram(int argc, char **argv, const Program &program,
                     const std::function<StartDecision(const QStringList &)> &parse, const std::function<int()> &run);

} // namespace qx
