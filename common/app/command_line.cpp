#include "command_line.h"

#include <QCoreApplication>

#include <cstdio>

namespace qx {

CommandLine::CommandLine(const QString &description)
    : m_help({QStringLiteral("h"), QStringLiteral("help")},
             QCoreApplication::translate("qx::CommandLine", "显示本帮助后退出。")),
      m_version({QStringLiteral("v"), QStringLiteral("version")},
                QCoreApplication::translate("qx::CommandLine", "显示版本号后退出。"))
{
    m_parser.setApplicationDescription(description);
    // Qt's own options are single-dash words (-style, -platform); read as
    // letters they would be unknown options.
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addOption(m_help);
    m_parser.addOption(m_version);
}

void CommandLine::addOption(const QCommandLineOption &option, std::function<bool(const QString &)> accept)
{
    m_parser.addOption(option);
    m_handlers.push_back({option, std::move(accept)});
}

void CommandLine::addFlag(const QCommandLineOption &option, std::function<void()> set)
{
    addOption(option, [set = std::move(set)](const QString &) {
        set();
        return true;
    });
}

void CommandLine::addLanguageOption()
{
    const QString description = QCoreApplication::translate(
        "qx::CommandLine", "界面语言：zh 中文，en 英文。不写时用菜单里选定的语言（起初是中文）。");
    addOption({QStringLiteral("lang"), description, QStringLiteral("zh|en")}, [this](const QString &code) {
        m_language = languageFromCode(code);
        return m_language.has_value();
    });
}

void CommandLine::passQtWindowOptions()
{
    for (const char *name : {"platform", "platformtheme", "plugin", "style", "stylesheet", "session", "display",
                             "qwindowgeometry", "qwindowtitle", "qwindowicon"}) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    QCommandLineOption reverse(QStringLiteral("reverse"));
    reverse.setFlags(QCommandLineOption::HiddenFromHelp);
    m_parser.addOption(reverse);
}

void CommandLine::takePositional(const QString &name, const QString &description, const QString &syntax)
{
    m_parser.addPositionalArgument(name, description, syntax);
    m_takesPositional = true;
}

StartDecision CommandLine::parse(const QStringList &arguments)
{
    m_language.reset();
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());

    // Every value is read before --help is answered, so "--lang en --help"
    // answers in English.
    QString refused;
    for (const Handler &h : m_handlers) {
        if (!m_parser.isSet(h.option))
            continue;
        const QStringList values = h.option.valueName().isEmpty() ? QStringList{QString()} : m_parser.values(h.option);
        for (const QString &value : values) {
            if (!h.accept(value) && refused.isEmpty())
                refused = QCoreApplication::translate("qx::CommandLine", "选项 --%1 不接受“%2”。")
                              .arg(h.option.names().constLast(), value);
        }
    }

    StartDecision decision;
    decision.language = m_language;
    if (m_parser.isSet(m_help)) {
        decision.run = false;
        decision.output = m_parser.helpText();
    } else if (m_parser.isSet(m_version)) {
        decision.run = false;
        decision.output = QCoreApplication::applicationName() + QLatin1Char(' ')
                          + QCoreApplication::applicationVersion() + QLatin1Char('\n');
    } else if (!refused.isEmpty()) {
        decision = usageError(refused);
    } else if (m_takesPositional) {
        decision.positional = m_parser.positionalArguments();
    } else if (!m_parser.positionalArguments().isEmpty()) {
        const QString stray = m_parser.positionalArguments().join(QLatin1Char(' '));
        decision = usageError(QCoreApplication::translate("qx::CommandLine", "多余的参数：%1").arg(stray));
    }
    return decision;
}

StartDecision CommandLine::usageError(const QString &message) const
{
    StartDecision decision;
    decision.run = false;
    decision.exitCode = 2;
    decision.error = QCoreApplication::applicationName() + QLatin1String(": ") + message + QLatin1String("\n\n")
                     + m_parser.helpText();
    decision.language = m_language;
    return decision;
}

int answer(const StartDecision &decision)
{
    std::fputs(decision.output.toLocal8Bit().constData(), stdout);
    std::fputs(decision.error.toLocal8Bit().constData(), stderr);
    return decision.exitCode;
}

} // namespace qx
