#pragma once

#include "program.h"

#include <QString>

#include <optional>

class QSettings;

namespace qx {

// The texts are written in Chinese; English comes from the programs' catalogs.
enum class Language { Chinese, English };

// "zh" and "en", as typed after --lang and as kept in the settings.
std::optional<Language> languageFromCode(const QString &code);
QString languageCode(Language language);

// The language chosen in the menu; Chinese until one was chosen.
Language storedLanguage(const QSettings &settings);
void storeLanguage(QSettings &settings, Language language);

// --lang when given, otherwise the stored choice (from the program's own settings).
Language startLanguage(std::optional<Language> fromCommandLine);

// Replaces the translators installed by an earlier call with those of
// `language`: Qt's own catalogs in Chinese (so its buttons read 确定, 取消),
// the shared and the program's English catalogs in English. Needs the
// application object. False when a catalog is missing; the program then runs
// with the words that catalog would have replaced.
bool useLanguage(Language language, const Program &program);

} // namespace qx
