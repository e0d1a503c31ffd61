#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace qx {

namespace {

const QString kSettingsKey = QStringLiteral("language");
// Marks the translators useLanguage installed, so the next call replaces them.
const QString kTranslatorName = QStringLiteral("qx-language");

bool install(const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(kTranslatorName);
    if (!translator->load(file, folder) || !QCoreApplication::installTranslator(translator)) {
        qWarning("No translation %s in %s", qPrintable(file), qPrintable(folder));
        delete translator;
        return false;
    }
    return true;
}

} // namespace

std::optional<Language> languageFromCode(const QString &code)
{
    if (code == QLatin1String("zh"))
        return Language::Chinese;
    if (code == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

QString languageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

Language storedLanguage(const QSettings &settings)
{
    return languageFromCode(settings.value(kSettingsKey).toString()).value_or(Language::Chinese);
}

void storeLanguage(QSettings &settings, Language language)
{
    settings.setValue(kSettingsKey, languageCode(language));
}

Language startLanguage(std::optional<Language> fromCommandLine)
{
    if (fromCommandLine)
        return *fromCommandLine;
    return storedLanguage(QSettings());
}

bool useLanguage(Language language, const Program &program)
{
    // Deleting a translator uninstalls it.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>(kTranslatorName, Qt::FindDirectChildrenOnly));

    bool complete = true;
    if (language == Language::Chinese) {
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const QString &catalog : program.qtCatalogs)
            complete &= install(catalog + QLatin1String("_zh_CN"), qtFolder);
    } else {
        const QStringList catalogs = QStringList{QStringLiteral("qxapp")} + program.libraryCatalogs + QStringList{program.name};
        for (const QString &catalog : catalogs)
            complete &= install(catalog + QLatin1String("_en"), QStringLiteral(":/i18n"));
    }
    return complete;
}

} // namespace qx
