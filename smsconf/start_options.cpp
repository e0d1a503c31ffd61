#include "start_options.h"

#include <QCoreApplication>

namespace sms {

qx::StartDecision parseCommandLine(const QStringList &arguments)
{
    qx::CommandLine cli(QCoreApplication::translate("sms::CommandLine", "短信模块的号码表、信息表和串口参数设置工具。"));
    cli.addLanguageOption();
    cli.passQtWindowOptions();
    return cli.parse(arguments);
}

qx::Program program()
{
    return {QStringLiteral("smsconf"), {QStringLiteral("qtbase")}};
}

} // namespace sms
