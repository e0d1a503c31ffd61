#pragma once

#include "language.h"

#include <QMenu>

#include <functional>

namespace qx {

// "语言 / Language": one entry per language, the stored choice checked.
// Choosing one stores it for the next start (the texts are made once, at
// start) and says so through `tell`, the program's own message box.
class LanguageMenu : public QMenu
{
    Q_OBJECT
public:
    using Tell = std::function<void(const QString &text, const QString &title)>;
    explicit LanguageMenu(Tell tell, QWidget *parent = nullptr);

    QAction *entry(Language language) const;

private:
    void choose(Language language);

    Tell m_tell;
    QAction *m_chinese;
    QAction *m_english;
};

} // namespace qx
