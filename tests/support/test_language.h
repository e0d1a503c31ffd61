#pragma once

#include "language.h"

#include <QString>

#include <optional>

namespace test {

// The language the layout tests and the screenshots run in: QX_TEST_LANGUAGE
// (zh, en), Chinese when it is not set.
inline QString testLanguageCode()
{
    return qEnvironmentVariable("QX_TEST_LANGUAGE", QStringLiteral("zh"));
}

// Loads that language for `program`: the language, or nothing when the name
// is unknown or its catalogs do not load.
inline std::optional<qx::Language> useTestLanguage(const qx::Program &program)
{
    const std::optional<qx::Language> language = qx::languageFromCode(testLanguageCode());
    if (!language || !qx::useLanguage(*language, program))
        return std::nullopt;
    return language;
}

} // namespace test
