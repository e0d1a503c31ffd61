#include "window_program.h"

#include <QApplication>
#include <QIcon>

namespace qx {

int runWindowProgram(int argc, char **argv, const Program &program,
                     const std::function<StartDecision(const QStringList &)> &parse, const std::function<int()> &run)
{
    identifyProgram(program.name);
    const StartDecision decision = parse(arguments(argc, argv));
    const Language language = startLanguage(decision.language);
    if (!decision.run) {
        // The texts are made again now that the language's translators are in.
        QCoreApplication app(argc, argv);
        useLanguage(language, program);
        return answer(parse(QCoreApplication::arguments()));
    }
    QApplication app(argc, argv);
    adoptEarlierData();
    useLanguage(language, program);
    QGuiApplication::setDesktopFileName(desktopId(program.name));
    // Found once installed; from the build folder the window keeps Qt's default icon.
    QGuiApplication::setWindowIcon(QIcon::fromTheme(desktopId(program.name)));
    return run();
}

} // namespace qx
