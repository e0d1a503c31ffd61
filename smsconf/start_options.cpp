#include "start_options.h"

#include <QCoreApplication>

namespace sms {

qx::StartDecision parseCommandLine(const QStringList &arguments, StartOptions *options)
{
    StartOptions parsed;
    qx::CommandLine cli(QCoreApplication::translate("sms::CommandLine", "短信模块的号码表、信息表和串口参数设置工具。"));
    cli.addLanguageOption();
    cli.addOption({QStringLiteral("port"),
                   QCoreApplication::translate("sms::CommandLine",
                                               "串口编号框里预先填好的串口：COMn、编号 n 或设备路径（如 /dev/ttyUSB0）。"),
                   QStringLiteral("PORT")},
                  [&parsed](const QString &port) {
                      parsed.port = port.trimmed();
                      return !parsed.port.isEmpty();
                  });
    cli.addFlag({QStringLiteral("log"),
                 QCoreApplication::translate("sms::CommandLine", "本次运行勾选“通讯记录”，把串口收发的数据记到文件里。")},
                [&parsed] { parsed.log = true; });
    cli.passQtWindowOptions();
    const qx::StartDecision decision = cli.parse(arguments);
    if (options)
        *options = parsed;
    return decision;
}

qx::Program program()
{
    return {QStringLiteral("smsconf"), {QStringLiteral("qtbase")}};
}

} // namespace sms
