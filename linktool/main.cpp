#include "link/main_window.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("linktool"));
    lt::MainWindow window;
    window.show();
    return app.exec();
}
