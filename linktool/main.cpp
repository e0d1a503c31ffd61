#include "app/main_window.h"
#include "app/start_options.h"
#include "window_program.h"

#include <QApplication>

int main(int argc, char **argv)
{
    return qx::runWindowProgram(argc, argv, lt::program(), lt::parseCommandLine, [] {
        lt::MainWindow window;
        window.show();
        return QApplication::exec();
    });
}
