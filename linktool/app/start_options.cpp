#include "start_options.h"

#include <QCoreApplication>

namespace lt {

qx::StartDecision parseCommandLine(const QStringList &arguments)
{
    qx::CommandLine cli(QCoreApplication::translate("lt::CommandLine", "QX3000 系列无线串口模块的设置与测试工具。"));
    cli.addLanguageOption();
    cli.passQtWindowOptions();
    return cli.parse(arguments);
}

qx::Program program()
{
    // Port errors from QSerialPort are Qt's own texts too.
    return {QStringLiteral("linktool"), {QStringLiteral("qtbase"), QStringLiteral("qtserialport")}, {QStringLiteral("qxcore")}};
}

} // namespace lt
