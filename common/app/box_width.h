#pragma once

#include <QString>

class QLineEdit;

namespace qx {

// Makes a text box at least as wide as `longest` needs, frame and margins
// included, and names that value in the box's "longestValue" property for the
// layout check: a box's rules alone do not say how long its values get.
void fitToLongest(QLineEdit *box, const QString &longest);

} // namespace qx
