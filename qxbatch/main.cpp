#include "request.h"
#include "run.h"

#include "language.h"

#include <QCoreApplication>

// No display needed: a production bench runs this from a script.
int main(int argc, char **argv)
{
    qx::identifyProgram(QStringLiteral("qxbatch"));
    const qx::Language language = qx::startLanguage(qxb::parseCommandLine(qx::arguments(argc, argv)).decision.language);
    QCoreApplication app(argc, argv);
    qx::useLanguage(language, qxb::program());
    return qxb::run(QCoreApplication::arguments());
}
