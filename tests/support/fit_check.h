#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QWidget;

namespace test {

// A box may name the longest value it accepts in this dynamic property
// (a QString) when its validator cannot tell, e.g. "12:34:56:78:" or eleven
// digits; the fit check then wants room for that value.
inline constexpr char kLongestValue[] = "longestValue";

// Every visible control of `window` that is narrower or lower than its text
// needs, or that lies partly outside its parents or on another control, one
// line each naming the control. Empty when everything shows whole.
//
// Measured: labels, push/check/radio buttons, line edits (the longestValue
// property, else what an integer validator allows, else the text held),
// combo boxes (the longest entry), spin boxes (their longest value) and the
// sections of table headers. Controls inside a scroll area's viewport may be
// scrolled out of sight; only their own size counts.
QStringList clippedControls(const QWidget *window);

// The family the system draws `text` with in `font`: the first font holding
// its glyphs. A check that the fonts users get (such as the CJK font for
// Chinese) are the ones measured.
QString fontFamilyFor(const QString &text, const QFont &font);

} // namespace test
