#pragma once

#include <QComboBox>
#include <QString>

#include <optional>
#include <utility>

// The QX3200 window's lists: each entry carries the value it stands for, and
// a list shows "无" while nothing is chosen. What a list hands out is that
// value, never its caption.
namespace lt::choice {

// The text of a list with no entry chosen.
QString noneText();

// An editable list only so that it can show "无", which is no entry; typing
// is refused. Entries are caption and value.
QComboBox *makeList(QWidget *parent, const char *name, const QList<std::pair<QString, int>> &entries);
void addEntry(QComboBox *list, const QString &caption, int value);
// Nothing chosen: the list shows "无".
void clear(QComboBox *list);

// The value of the entry the list shows; none while it shows "无" (or any
// text that is not its current entry's).
std::optional<int> shownValue(const QComboBox *list);
template<class T>
std::optional<T> shown(const QComboBox *list)
{
    const auto v = shownValue(list);
    return v ? std::optional<T>(T(*v)) : std::nullopt;
}

// Shows the entry of value; false when the list has no such entry.
bool show(QComboBox *list, int value);

} // namespace lt::choice
