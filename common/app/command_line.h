#pragma once

#include "language.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace qx {

// What a command line asks of the program: to start, or to leave at once
// (help, version, a usage error) with texts to print and an exit code.
struct StartDecision {
    bool run = true;
    int exitCode = 0;
    QString output;   // standard output
    QString error;    // standard error
    std::optional<Language> language;   // --lang, when given
    QStringList positional;   // the words that are not options, for a program that takes them
};

// The options every program shares (--help, --version) and the rules for
// all of them: anything not understood prints the usage and exits with 2.
// A program declares each option of its own with one call.
class CommandLine
{
public:
    explicit CommandLine(const QString &description);

    // An option with a value; `accept` returns false for a value it refuses.
    void addOption(const QCommandLineOption &option, std::function<bool(const QString &)> accept);
    // An option without a value.
    void addFlag(const QCommandLineOption &option, std::function<void()> set);
    // --lang zh|en, handed out as StartDecision::language.
    void addLanguageOption();
    // Options QApplication reads itself (-style, -platform, -session, ...):
    // let through, not listed.
    void passQtWindowOptions();
    // Words that are not options are taken (and listed in the usage as
    // `syntax`) instead of refused.
    void takePositional(const QString &name, const QString &description, const QString &syntax);

    StartDecision parse(const QStringList &arguments);
    // Leaves with this message and the usage, exit code 2: for what only the
    // program can judge (a command word, a missing value).
    StartDecision usageError(const QString &message) const;

private:
    struct Handler {
        QCommandLineOption option;
        std::function<bool(const QString &)> accept;
    };

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    std::vector<Handler> m_handlers;
    std::optional<Language> m_language;
    bool m_takesPositional = false;
};

// Prints the decision's texts; returns its exit code.
int answer(const StartDecision &decision);

} // namespace qx
