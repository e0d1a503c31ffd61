#pragma once

#include <QByteArray>
#include <QString>

namespace lt::unicode {

// The conversion array of a text: a leading element 0 that is never shown,
// then per UTF-16 code unit its high byte and its low byte. Characters beyond
// 16 bits therefore give their two surrogate code units.
QByteArray codeUnitArray(const QString &text);

// The array from index 1 on as "XX:" bytes, followed by CR LF.
QString codeUnitText(const QByteArray &array);

} // namespace lt::unicode
