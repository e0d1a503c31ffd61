#include "smsconf_dlg.h"
#include "start_options.h"
#include "window_program.h"

#include <QApplication>
#include <QSettings>

// The application is the dialog: it runs until the dialog is closed.
int main(int argc, char **argv)
{
    sms::StartOptions options;
    return qx::runWindowProgram(
        argc, argv, sms::program(),
        [&options](const QStringList &arguments) { return sms::parseCommandLine(arguments, &options); },
        [&options] {
            QSettings settings;
            sms::CSmsconfDlg dlg;
            dlg.rememberIn(&settings);
            dlg.applyStartOptions(options);
            QObject::connect(&dlg, &QDialog::finished, qApp, &QApplication::quit);
            dlg.show();
            return QApplication::exec();
        });
}
