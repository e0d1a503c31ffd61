#include "choice_list.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace lt::choice {

QString noneText()
{
    return QCoreApplication::translate("lt::choice", "无");
}

QComboBox *makeList(QWidget *parent, const char *name, const QList<std::pair<QString, int>> &entries)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setReadOnly(true);
    for (const auto &[caption, value] : entries)
        addEntry(list, caption, value);
    clear(list);
    return list;
}

void addEntry(QComboBox *list, const QString &caption, int value)
{
    list->addItem(caption, value);
}

void clear(QComboBox *list)
{
    list->setCurrentIndex(-1);
    list->setEditText(noneText());
}

std::optional<int> shownValue(const QComboBox *list)
{
    const int index = list->currentIndex();
    if (index < 0 || list->currentText() != list->itemText(index))
        return std::nullopt;
    return list->itemData(index).toInt();
}

bool show(QComboBox *list, int value)
{
    const int index = list->findData(value);
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    list->setEditText(list->itemText(index));
    return true;
}

} // namespace lt::choice
