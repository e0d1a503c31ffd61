#include "simulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <cstdio>
#include <unistd.h>

using namespace qxsim;

namespace {

// key=value, or a bare key with an empty value.
std::pair<QString, QString> splitOption(const QString &text)
{
    const int eq = text.indexOf(QLatin1Char('='));
    return eq < 0 ? std::pair{text, QString()} : std::pair{text.left(eq), text.mid(eq + 1)};
}

void quitOnSignal(int)
{
    QCoreApplication::quit();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qxsim"));

    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral(
        "Plays a module on a pseudo-terminal and prints the device path.\n"
        "Lines on standard input: 'send HH HH ...' sends bytes as the module would on its own."));
    cli.addHelpOption();
    cli.addOption({QStringLiteral("model"), QStringLiteral("qx3100, qx3200 or smsconf."), QStringLiteral("name"), QStringLiteral("qx3100")});
    cli.addOption({QStringLiteral("link"), QStringLiteral("Make PATH a symbolic link to the device."), QStringLiteral("path")});
    cli.addOption({QStringLiteral("set"), QStringLiteral("Module option key=value (repeatable; --set help lists them)."), QStringLiteral("key=value")});
    cli.addOption({QStringLiteral("fault"), QStringLiteral("Fault option (repeatable): ") + Faults::help().join(QStringLiteral("; ")), QStringLiteral("fault")});
    cli.addOption({QStringLiteral("gap"), QStringLiteral("Quiet gap in ms that ends a request."), QStringLiteral("ms"), QStringLiteral("20")});
    cli.addOption({QStringLiteral("pace"), QStringLiteral("Take and send bytes as slowly as a cable at the rate the program set on the line.")});
    cli.process(app);

    auto model = makeModel(cli.value(QStringLiteral("model")));
    QTextStream err(stderr);
    if (!model) {
        err << "qxsim: unknown model " << cli.value(QStringLiteral("model")) << Qt::endl;
        return 2;
    }
    for (const QString &opt : cli.values(QStringLiteral("set"))) {
        if (opt == QLatin1String("help")) {
            QTextStream(stdout) << model->optionHelp().join(QLatin1Char('\n')) << Qt::endl;
            return 0;
        }
        const auto [key, value] = splitOption(opt);
        if (!model->setOption(key, value)) {
            err << "qxsim: bad module option " << opt << Qt::endl;
            return 2;
        }
    }

    Simulator sim(std::move(model));
    for (const QString &opt : cli.values(QStringLiteral("fault"))) {
        const auto [key, value] = splitOption(opt);
        if (!sim.faults().parse(key, value)) {
            err << "qxsim: bad fault option " << opt << Qt::endl;
            return 2;
        }
    }
    sim.setQuietGap(cli.value(QStringLiteral("gap")).toInt());
    sim.setPaced(cli.isSet(QStringLiteral("pace")));
    if (!sim.start(cli.value(QStringLiteral("link")))) {
        err << "qxsim: " << sim.errorString() << Qt::endl;
        return 1;
    }
    QTextStream(stdout) << sim.devicePath() << Qt::endl;

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
        char line[4096];
        if (!std::fgets(line, sizeof line, stdin)) {
            input.setEnabled(false);
            return;
        }
        const QString text = QString::fromLocal8Bit(line).trimmed();
        if (text.startsWith(QLatin1String("send ")))
            sim.send(QByteArray::fromHex(text.mid(5).toLatin1()));
    });

    std::signal(SIGINT, quitOnSignal);
    std::signal(SIGTERM, quitOnSignal);
    return app.exec();
}
