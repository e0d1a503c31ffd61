// Saves a PNG of every linktool window into the folder named on the command
// line, each window opened against the simulated module as the layout test
// opens it. bench/screenshots runs it under Xvfb; QX_TEST_LANGUAGE (zh, en)
// chooses the language.

#include "app/start_options.h"

#include "test_language.h"
#include "linktool_windows.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>

#include <cstdio>

namespace {

// "address calculator K" -> "address-calculator-k"
QString fileName(const char *windowName)
{
    return QString::fromLatin1(windowName).toLower().replace(QLatin1Char(' '), QLatin1Char('-'))
           + QStringLiteral(".png");
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());
    if (!test::useTestLanguage(lt::program())) {
        std::fprintf(stderr, "unknown language in QX_TEST_LANGUAGE\n");
        return 2;
    }
    int failed = 0;
    for (const test::WindowToShow &shown : test::linktoolWindows()) {
        test::WindowStage stage;
        QWidget *window = shown.open(stage);
        if (!window || !QTest::qWaitForWindowExposed(window->window())) {
            std::fprintf(stderr, "%s did not open\n", shown.name);
            ++failed;
            continue;
        }
        // Taken at once: the network wait notice's row is at its longest only now.
        QCoreApplication::processEvents();
        const QString file = folder.filePath(fileName(shown.name));
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            ++failed;
            continue;
        }
        std::printf("%s\n", qPrintable(file));
    }
    return failed == 0 ? 0 : 1;
}
