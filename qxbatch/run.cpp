#include "run.h"

#include "batch_run.h"
#include "commands.h"
#include "interrupt.h"
#include "request.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <cstdio>

namespace qxb {

qx::Program program()
{
    return {QStringLiteral("qxbatch"), {QStringLiteral("qtbase")}, {QStringLiteral("qxcore")}};
}

namespace {

void printLine(const QString &line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}

} // namespace

int run(const QStringList &arguments)
{
    ParsedCommandLine parsed = parseCommandLine(arguments);
    if (!parsed.decision.run)
        return qx::answer(parsed.decision);
    Request &request = parsed.request;
    if (const QString refusal = loadRequestFiles(request); !refusal.isEmpty()) {
        std::fputs((QStringLiteral("qxbatch: ") + refusal + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
        return 2;
    }
    if (request.command == Command::Ports) {
        for (const QString &line : portLines(request.json))
            printLine(line);
        return 0;
    }

    BatchRun batch(request, printLine);
    InterruptWatch interrupt;
    QObject::connect(&interrupt, &InterruptWatch::interrupted, &batch, &BatchRun::interrupt);
    QEventLoop loop;
    QObject::connect(&batch, &BatchRun::done, &loop, &QEventLoop::quit);
    batch.start();
    if (!batch.isDone())
        loop.exec();
    return batch.exitCode();
}

} // namespace qxb
