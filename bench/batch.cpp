// The same qxbatch command on 1 and on 8 simulated modules at once, each
// module a qxsim process of its own on a paced pseudo-terminal (bytes take
// their time on the line, as on a cable). The work is waiting for modules,
// so 8 at once should take little longer than one.
//
// usage: build/bench/batch [command [model]]    (after ./run.sh build; "read" of a qx3100 by default)
#include "batch_run.h"
#include "request.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

// A simulated module in its own process; its device path is the first line it prints.
struct Module
{
    std::unique_ptr<QProcess> process = std::make_unique<QProcess>();
    QString device;

    bool start(const QString &program, const QString &model)
    {
        process->start(program, {QStringLiteral("--model"), model, QStringLiteral("--pace")});
        if (!process->waitForStarted() || !process->waitForReadyRead(5000))
            return false;
        device = QString::fromLocal8Bit(process->readLine()).trimmed();
        return !device.isEmpty();
    }
    ~Module()
    {
        process->kill();
        process->waitForFinished();
    }
};

// Seconds the command took on n modules, or a negative value when a device failed.
double timeOf(const QStringList &command, const QString &model, int n, const QString &simulator)
{
    std::vector<std::unique_ptr<Module>> modules;
    QStringList words{QStringLiteral("qxbatch")};
    words += command;
    for (int i = 0; i < n; ++i) {
        modules.push_back(std::make_unique<Module>());
        if (!modules.back()->start(simulator, model)) {
            std::fprintf(stderr, "cannot start %s\n", qPrintable(simulator));
            return -1;
        }
        words << modules.back()->device;
    }
    const qxb::ParsedCommandLine parsed = qxb::parseCommandLine(words);
    if (!parsed.decision.run) {
        std::fprintf(stderr, "%s", qPrintable(parsed.decision.error));
        return -1;
    }
    qxb::BatchRun run(parsed.request, [](const QString &line) { std::printf("  %s\n", qPrintable(line)); });
    QEventLoop loop;
    QObject::connect(&run, &qxb::BatchRun::done, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    run.start();
    if (!run.isDone())
        loop.exec();
    const double seconds = clock.elapsed() / 1000.0;
    return run.exitCode() == 0 ? seconds : -1;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString command = args.value(0, QStringLiteral("read"));
    const QString model = args.value(1, QStringLiteral("qx3100"));
    const QString simulator = QCoreApplication::applicationDirPath() + QStringLiteral("/../qxsim/qxsim");
    QStringList words{command};
    if (command == QLatin1String("read"))
        words << QStringLiteral("--out") << QDir::tempPath() + QStringLiteral("/qxbatch-bench/");

    const double one = timeOf(words, model, 1, simulator);
    const double eight = timeOf(words, model, 8, simulator);
    if (one <= 0 || eight <= 0) {
        std::fprintf(stderr, "a device failed\n");
        return 1;
    }
    std::printf("%s on %s: 1 module %.2f s, 8 modules %.2f s, ratio %.2f (goal at most 1.30)\n", qPrintable(command),
                qPrintable(model), one, eight, eight / one);
    return eight / one <= 1.3 ? 0 : 1;
}
