#pragma once

#include <QString>
#include <QStringList>

namespace qx {

// A program as the settings, the desktop and the translations know it.
struct Program {
    QString name;            // executable, settings file and catalog name
    QStringList qtCatalogs;  // Qt's own catalogs holding texts the program shows (qtbase, ...)
    QStringList libraryCatalogs;  // our libraries' catalogs it shows texts of (qxcore), beside qxapp and its own
};

// Organisation, program name and version for QSettings, QStandardPaths and
// --version. Needs no application object, so it runs first in main().
void identifyProgram(const QString &name);

QString programVersion();

// Builds before the organisation was named kept their data (linktool's phone
// table) in <data>/<program>; moves that folder to the program's data folder
// when the program has none yet, so nothing stored there is left behind.
// True when it moved something.
bool adoptEarlierData();

// The name of the program's desktop entry, icon and metainfo.
QString desktopId(const QString &name);

// The command line as the application object will see it, before one exists.
QStringList arguments(int argc, char **argv);

} // namespace qx
