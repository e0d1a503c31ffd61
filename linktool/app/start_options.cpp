#include "start_options.h"

#include <QCoreApplication>

namespace lt {

qx::StartDecision parseCommandLine(const QStringList &arguments, StartOptions *options)
{
    StartOptions parsed;
    qx::CommandLine cli(QCoreApplication::translate("lt::CommandLine", "QX3000 系列无线串口模块的设置与测试工具。"));
    cli.addLanguageOption();
    cli.addOption({QStringLiteral("port"),
                   QCoreApplication::translate("lt::CommandLine",
                                               "连接窗口里预先选好的串口：COM1 到 COM8 或设备路径（如 /dev/ttyUSB0）。"),
                   QStringLiteral("PORT")},
                  [&parsed](const QString &port) {
                      parsed.port = port.trimmed();
                      return !parsed.port.isEmpty();
                  });
    cli.addOption({QStringLiteral("model"),
                   QCoreApplication::translate("lt::CommandLine", "启动后直接打开这种模块的连接窗口。"),
                   QStringLiteral("qx3100|qx3200")},
                  [&parsed](const QString &model) {
                      const QString name = model.trimmed().toLower();
                      parsed.model = name == QLatin1String("qx3100")   ? StartOptions::Model::Qx3100
                                     : name == QLatin1String("qx3200") ? StartOptions::Model::Qx3200
                                                                       : StartOptions::Model::None;
                      return parsed.model != StartOptions::Model::None;
                  });
    cli.addFlag({QStringLiteral("log"),
                 QCoreApplication::translate("lt::CommandLine", "本次运行打开“通讯记录”，把串口收发的数据记到文件里。")},
                [&parsed] { parsed.log = true; });
    cli.passQtWindowOptions();
    const qx::StartDecision decision = cli.parse(arguments);
    if (options)
        *options = parsed;
    return decision;
}

qx::Program program()
{
    // Port errors from QSerialPort are Qt's own texts too.
    return {QStringLiteral("linktool"), {QStringLiteral("qtbase"), QStringLiteral("qtserialport")}, {QStringLiteral("qxcore")}};
}

} // namespace lt
