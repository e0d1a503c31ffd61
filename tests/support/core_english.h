#pragma once

#include <QCoreApplication>
#include <QTranslator>

namespace test {

// The protocol core's English catalog, installed for as long as this lives:
// the core's texts as a user who chose English gets them. Needs nothing of
// the programs, so the core's own tests can use it.
class EnglishCore
{
public:
    EnglishCore()
    {
        m_loaded = m_translator.load(QStringLiteral(":/i18n/qxcore_en"))
                   && QCoreApplication::installTranslator(&m_translator);
    }
    bool loaded() const { return m_loaded; }

private:
    QTranslator m_translator;   // uninstalls itself when destroyed
    bool m_loaded = false;
};

} // namespace test
