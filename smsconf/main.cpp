#include "smsconf_dlg.h"

#include <QApplication>

// The application is the dialog: it runs until the dialog is closed.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("smsconf"));
    sms::CSmsconfDlg dlg;
    QObject::connect(&dlg, &QDialog::finished, &app, &QApplication::quit);
    dlg.show();
    return app.exec();
}
