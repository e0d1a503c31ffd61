#pragma once

#include "batch_run.h"
#include "commands.h"
#include "request.h"
#include "simulator.h"

#include <QElapsedTimer>
#include <QTest>

#include <memory>
#include <vector>

// Simulated modules on their own pseudo-terminals, reached by path as a
// user at a bench would type it, and one batch run over them.
struct BatchFixture
{
    std::vector<std::unique_ptr<qxsim::Simulator>> modules;
    QStringList lines;
    QElapsedTimer clock;

    qxsim::Simulator &addModule(const QString &model, const QStringList &options = {})
    {
        auto sim = std::make_unique<qxsim::Simulator>(qxsim::makeModel(model));
        for (const QString &option : options) {
            const QStringList kv = option.split(QLatin1Char('='));
            if (!sim->model().setOption(kv[0], kv.value(1)) && !sim->faults().parse(kv[0], kv.value(1)))
                qFatal("unknown module option %s", qPrintable(option));
        }
        if (!sim->start())
            qFatal("cannot open a pseudo-terminal: %s", qPrintable(sim->errorString()));
        modules.push_back(std::move(sim));
        return *modules.back();
    }

    QString path(int i) const { return modules[size_t(i)]->devicePath(); }

    static qxb::Request request(const QString &commandLine)
    {
        const auto parsed = qxb::parseCommandLine(QStringList{QStringLiteral("qxbatch")}
                                                  + commandLine.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        if (!parsed.decision.run)
            qFatal("refused: %s", qPrintable(parsed.decision.error));
        qxb::Request request = parsed.request;
        if (const QString refusal = qxb::loadRequestFiles(request); !refusal.isEmpty())
            qFatal("refused: %s", qPrintable(refusal));
        return request;
    }

    std::unique_ptr<qxb::BatchRun> start(const QString &commandLine)
    {
        lines.clear();
        auto run = std::make_unique<qxb::BatchRun>(request(commandLine), [this](const QString &l) { lines << l; });
        clock.start();
        run->start();
        return run;
    }

    // The line of port, "" when it has none.
    QString lineOf(const QString &port) const
    {
        for (const QString &l : lines)
            if (l.startsWith(port + QLatin1Char(' ')) || l.contains(QLatin1String("\"port\":\"") + port + QLatin1Char('"')))
                return l;
        return {};
    }
};
