#include "request.h"

#include "port_list.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace qxb {

namespace {

std::optional<Command> commandFor(const QStringList &words)
{
    if (words.isEmpty())
        return std::nullopt;
    const QString &first = words.first();
    if (first == QLatin1String("ports"))
        return Command::Ports;
    if (first == QLatin1String("identify"))
        return Command::Identify;
    if (first == QLatin1String("read"))
        return Command::Read;
    if (first == QLatin1String("write"))
        return Command::Write;
    if (first == QLatin1String("phones") && words.size() > 1) {
        if (words[1] == QLatin1String("read"))
            return Command::PhonesRead;
        if (words[1] == QLatin1String("write"))
            return Command::PhonesWrite;
    }
    return std::nullopt;
}

// Why the command cannot run as given, or nothing.
QString missingPart(const Request &r)
{
    switch (r.command) {
    case Command::Ports:
        return r.ports.isEmpty() ? QString() : QCoreApplication::translate("qxbatch", "ports 不带串口。");
    case Command::Identify:
    case Command::Read:
        break;
    case Command::Write:
        if (r.profile.isEmpty())
            return QCoreApplication::translate("qxbatch", "write 需要 --profile 文件。");
        break;
    case Command::PhonesRead:
        if (r.from < 1 || r.to < r.from)
            return QCoreApplication::translate("qxbatch", "phones read 需要 --from 和 --to（1 ≤ from ≤ to）。");
        [[fallthrough]];
    case Command::PhonesWrite:
        if (r.command == Command::PhonesWrite && r.file.isEmpty())
            return QCoreApplication::translate("qxbatch", "phones write 需要 --file 文件。");
        if (r.ports.size() != 1)
            return QCoreApplication::translate("qxbatch", "phones 一次只对一个串口。");
        return {};
    }
    return r.ports.isEmpty() ? QCoreApplication::translate("qxbatch", "请给出至少一个串口（COMn 或设备路径）。") : QString();
}

bool positiveNumber(const QString &text, int *to)
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < 1)
        return false;
    *to = n;
    return true;
}

} // namespace

bool isOfferedRate(int rate)
{
    for (int r : {1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200})
        if (r == rate)
            return true;
    return false;
}

std::optional<QString> lineTailFor(const QString &line)
{
    static const QRegularExpression form(QStringLiteral("^([78])([NOE])([12])$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(line);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(2).toLower() + QLatin1Char(',') + m.captured(1) + QLatin1Char(',') + m.captured(3);
}

ParsedCommandLine parseCommandLine(const QStringList &arguments)
{
    ParsedCommandLine parsed;
    Request &r = parsed.request;
    qx::CommandLine line(QCoreApplication::translate("qxbatch", "一次对多个模块读写参数、识别模块。每个串口完成时输出一行：串口 状态 详情。"));
    line.takePositional(QStringLiteral("command"),
                        QCoreApplication::translate("qxbatch", "ports | identify 串口… | read 串口… | write 串口… | phones read 串口 | phones write 串口"),
                        QCoreApplication::translate("qxbatch", "命令 [串口…]"));
    line.addOption({QStringLiteral("baud"), QCoreApplication::translate("qxbatch", "波特率（默认 9600）。"), QStringLiteral("rate")},
                   [&r](const QString &v) {
                       bool ok = false;
                       r.baud = v.toInt(&ok);
                       return ok && isOfferedRate(r.baud);
                   });
    line.addOption({QStringLiteral("line"), QCoreApplication::translate("qxbatch", "数据位、校验位、停止位，如 8N1、8E1、7E2（默认 8N1）。"), QStringLiteral("8N1")},
                   [&r](const QString &v) {
                       const auto tail = lineTailFor(v);
                       if (tail)
                           r.lineTail = *tail;
                       return tail.has_value();
                   });
    line.addFlag({QStringLiteral("json"), QCoreApplication::translate("qxbatch", "每个模块输出一行 JSON。")}, [&r] { r.json = true; });
    line.addOption({QStringLiteral("out"), QCoreApplication::translate("qxbatch", "read：参数文件或文件夹；phones read：CSV 文件。"), QStringLiteral("path")},
                   [&r](const QString &v) {
                       r.out = v;
                       return !v.isEmpty();
                   });
    line.addOption({QStringLiteral("profile"), QCoreApplication::translate("qxbatch", "write：要写入的参数文件。"), QStringLiteral("file")},
                   [&r](const QString &v) {
                       r.profile = v;
                       return !v.isEmpty();
                   });
    line.addFlag({QStringLiteral("verify"), QCoreApplication::translate("qxbatch", "write：写完后读回并比较。")}, [&r] { r.verify = true; });
    line.addOption({QStringLiteral("from"), QCoreApplication::translate("qxbatch", "phones read：第一条。"), QStringLiteral("n")},
                   [&r](const QString &v) { return positiveNumber(v, &r.from); });
    line.addOption({QStringLiteral("to"), QCoreApplication::translate("qxbatch", "phones read：最后一条。"), QStringLiteral("n")},
                   [&r](const QString &v) { return positiveNumber(v, &r.to); });
    line.addOption({QStringLiteral("file"), QCoreApplication::translate("qxbatch", "phones write：CSV 文件。"), QStringLiteral("file")},
                   [&r](const QString &v) {
                       r.file = v;
                       return !v.isEmpty();
                   });
    line.addOption({QStringLiteral("settle"), QCoreApplication::translate("qxbatch", "握手前等待的秒数（默认 0）。"), QStringLiteral("seconds")},
                   [&r](const QString &v) {
                       bool ok = false;
                       const double seconds = v.toDouble(&ok);
                       r.settleMs = int(seconds * 1000);
                       return ok && seconds >= 0 && seconds <= 3600;
                   });
    line.addOption({QStringLiteral("set-mode"), QCoreApplication::translate("qxbatch", "QX3200：工作方式不同时改为 data（数据通信）或 address（地址设置）。"),
                    QStringLiteral("data|address")},
                   [&r](const QString &v) {
                       if (v == QLatin1String("data"))
                           r.setMode = WorkingMode::DataCommunication;
                       else if (v == QLatin1String("address"))
                           r.setMode = WorkingMode::AddressSetting;
                       return r.setMode.has_value();
                   });
    line.addLanguageOption();

    parsed.decision = line.parse(arguments);
    if (!parsed.decision.run)
        return parsed;

    QStringList words = parsed.decision.positional;
    const std::optional<Command> command = commandFor(words);
    if (!command) {
        parsed.decision = line.usageError(words.isEmpty() ? QCoreApplication::translate("qxbatch", "请给出命令。")
                                                          : QCoreApplication::translate("qxbatch", "不认识的命令：%1").arg(words.join(QLatin1Char(' '))));
        return parsed;
    }
    r.command = *command;
    words.remove(0, r.command == Command::PhonesRead || r.command == Command::PhonesWrite ? 2 : 1);
    r.ports = words;
    for (QString &port : r.ports) {
        // COMn as the windows take it; anything else must be a device path.
        const int n = qx::portNumber(port);
        if (n >= 1 && n <= qx::kNumberedPorts) {
            port = QStringLiteral("COM%1").arg(n);
        } else if (!port.startsWith(QLatin1Char('/'))) {
            parsed.decision = line.usageError(
                QCoreApplication::translate("qxbatch", "不认识的串口：%1（请写 COM1…COM8 或设备路径）").arg(port));
            return parsed;
        }
    }
    if (r.ports.removeDuplicates() > 0) {
        parsed.decision = line.usageError(QCoreApplication::translate("qxbatch", "同一个串口写了两次。"));
        return parsed;
    }
    const QString missing = missingPart(r);
    if (!missing.isEmpty())
        parsed.decision = line.usageError(missing);
    return parsed;
}

} // namespace qxb
