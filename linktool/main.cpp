#include "app/main_window.h"
#include "app/start_options.h"
#include "window_program.h"

#include <QApplication>
#include <QSettings>

int main(int argc, char **argv)
{
    lt::StartOptions options;
    return qx::runWindowProgram(
        argc, argv, lt::program(),
        [&options](const QStringList &arguments) { return lt::parseCommandLine(arguments, &options); },
        [&options] {
            QSettings settings;
            lt::MainWindow window;
            window.rememberIn(&settings);
            window.applyStartOptions(options);
            window.show();
            return QApplication::exec();
        });
}
