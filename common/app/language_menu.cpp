#include "language_menu.h"

#include <QActionGroup>
#include <QSettings>

namespace qx {

LanguageMenu::LanguageMenu(Tell tell, QWidget *parent) : QMenu(parent), m_tell(std::move(tell))
{
    setObjectName(QStringLiteral("language"));
    // Both words, so a reader of either language finds the entry.
    setTitle(tr("语言 / Language"));
    auto *group = new QActionGroup(this);
    // Each language is named in its own words, whatever the current one.
    m_chinese = group->addAction(QStringLiteral("中文"));
    m_chinese->setObjectName(QStringLiteral("languageChinese"));
    m_english = group->addAction(QStringLiteral("English"));
    m_english->setObjectName(QStringLiteral("languageEnglish"));
    for (QAction *a : {m_chinese, m_english}) {
        a->setCheckable(true);
        addAction(a);
    }
    connect(m_chinese, &QAction::triggered, this, [this] { choose(Language::Chinese); });
    connect(m_english, &QAction::triggered, this, [this] { choose(Language::English); });
    // The settings are read when the menu opens, not when the window is built.
    connect(this, &QMenu::aboutToShow, this, [this] { entry(storedLanguage(QSettings()))->setChecked(true); });
}

QAction *LanguageMenu::entry(Language language) const
{
    return language == Language::English ? m_english : m_chinese;
}

void LanguageMenu::choose(Language language)
{
    QSettings settings;
    if (storedLanguage(settings) == language)
        return;
    storeLanguage(settings, language);
    m_tell(tr("下次启动程序时使用所选的语言。"), tr("提示"));
}

} // namespace qx
