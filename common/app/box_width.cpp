#include "box_width.h"

#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

namespace qx {

namespace {
// QLineEdit's margin on each side of its text, and the cursor after it.
constexpr int kTextRoom = 2 * 2 + 1;
}

void fitToLongest(QLineEdit *box, const QString &longest)
{
    box->setProperty("longestValue", longest);
    QStyleOptionFrame opt;
    opt.initFrom(box);
    opt.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, box) : 0;
    const QMargins text = box->textMargins() + box->contentsMargins();
    const QSize content(box->fontMetrics().horizontalAdvance(longest) + kTextRoom + text.left() + text.right(),
                        box->fontMetrics().height());
    box->setMinimumWidth(box->style()->sizeFromContents(QStyle::CT_LineEdit, &opt, content, box).width());
}

} // namespace qx
