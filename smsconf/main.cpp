#include "smsconf_dlg.h"
#include "start_options.h"
#include "window_program.h"

#include <QApplication>

// The application is the dialog: it runs until the dialog is closed.
int main(int argc, char **argv)
{
    return qx::runWindowProgram(argc, argv, sms::program(), sms::parseCommandLine, [] {
        sms::CSmsconfDlg dlg;
        QObject::connect(&dlg, &QDialog::finished, qApp, &QApplication::quit);
        dlg.show();
        return QApplication::exec();
    });
}
