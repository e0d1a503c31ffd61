#include "fit_check.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDoubleValidator>
#include <QGlyphRun>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTextDocument>
#include <QTextLayout>
#include <QToolButton>

#include <optional>

namespace test {

namespace {

// Room the inner line edit of a box leaves around its text (QLineEdit's
// horizontal margin on each side) and the cursor after it.
constexpr int kEditMargins = 2 * 2 + 1;

QString describe(const QWidget *w)
{
    const QString name = w->objectName().isEmpty() ? QStringLiteral("(no name)") : w->objectName();
    return QStringLiteral("%1 (%2)").arg(name, QString::fromLatin1(w->metaObject()->className()));
}

QString sizeText(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

int metric(const QWidget *w, QStyle::PixelMetric pm, const QStyleOption *opt = nullptr)
{
    return w->style()->pixelMetric(pm, opt, w);
}

bool isControl(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w)
           || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w)
           || qobject_cast<const QAbstractSpinBox *>(w) || qobject_cast<const QHeaderView *>(w);
}

// A part of another control (a combo box's edit field, a table's corner
// button, a tab bar's scroll arrows) is measured as that control.
bool isPartOfAControl(const QWidget *w, const QWidget *window)
{
    for (const QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget()) {
        const bool headerOfItsView = qobject_cast<const QHeaderView *>(w) && p == w->parentWidget();
        if (headerOfItsView)
            continue;
        if (isControl(p) || qobject_cast<const QAbstractItemView *>(p) || qobject_cast<const QTabBar *>(p))
            return true;
    }
    return false;
}

// Space a text of one line needs in this widget's font.
QSize textSize(const QWidget *w, const QString &text, int flags = 0)
{
    return w->fontMetrics().size(flags, text);
}

// What the control needs and what it has, for the text it must show.
struct Fit {
    QSize need;
    QSize has;
    QString text;
};

std::optional<Fit> labelFit(const QLabel *l)
{
    if (l->text().isEmpty() || !l->pixmap().isNull())
        return std::nullopt;
    const bool rich = l->textFormat() == Qt::RichText
                      || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
    const int margin = l->margin();
    QSize has = l->contentsRect().size() - QSize(2 * margin, 2 * margin);
    int indent = l->indent();
    if (indent < 0 && l->frameWidth() > 0)
        indent = l->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 - margin;
    if (indent > 0)
        has.rwidth() -= indent;
    if (l->wordWrap())
        return Fit{QSize(0, l->heightForWidth(l->width())), l->size(), l->text()};
    if (rich) {
        // Qt's own measure of a rich text; the frame and margins are in it.
        return Fit{l->minimumSizeHint(), l->size(), l->text()};
    }
    const int flags = Qt::TextExpandTabs | (l->buddy() ? Qt::TextShowMnemonic : 0);
    return Fit{textSize(l, l->text(), flags), has, l->text()};
}

std::optional<Fit> buttonFit(const QAbstractButton *b)
{
    if (b->text().isEmpty())
        return std::nullopt;
    QSize content = textSize(b, b->text(), Qt::TextShowMnemonic);
    if (!b->icon().isNull()) {
        content.rwidth() += b->iconSize().width() + 4;
        content.setHeight(qMax(content.height(), b->iconSize().height()));
    }
    if (qobject_cast<const QCheckBox *>(b) || qobject_cast<const QRadioButton *>(b)) {
        QStyleOptionButton opt;
        opt.initFrom(b);
        opt.text = b->text();
        const auto type = qobject_cast<const QCheckBox *>(b) ? QStyle::CT_CheckBox : QStyle::CT_RadioButton;
        return Fit{b->style()->sizeFromContents(type, &opt, content, b), b->size(), b->text()};
    }
    if (const auto *tool = qobject_cast<const QToolButton *>(b)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return std::nullopt;
    }
    // The text and icon inside the frame and the button's margin, as Qt
    // sizes a push button before a style adds a minimum width for looks.
    QStyleOptionButton opt;
    opt.initFrom(b);
    const int frame = 2 * metric(b, QStyle::PM_DefaultFrameWidth, &opt);
    const int margin = metric(b, QStyle::PM_ButtonMargin, &opt);
    QSize need(content.width() + frame + margin, content.height() + frame);
    if (const auto *push = qobject_cast<const QPushButton *>(b); push && push->menu())
        need.rwidth() += metric(b, QStyle::PM_MenuButtonIndicator, &opt);
    return Fit{need, b->size(), b->text()};
}

QString longestValueOf(const QWidget *w)
{
    return w->property(kLongestValue).toString();
}

std::optional<Fit> lineEditFit(const QLineEdit *e)
{
    QString value = longestValueOf(e);
    if (value.isEmpty()) {
        if (const auto *v = qobject_cast<const QIntValidator *>(e->validator())) {
            const QString low = QString::number(v->bottom()), high = QString::number(v->top());
            value = low.size() > high.size() ? low : high;
        } else {
            value = e->text();
        }
    }
    if (e->echoMode() != QLineEdit::Normal)
        return std::nullopt;
    QStyleOptionFrame opt;
    opt.initFrom(e);
    opt.rect = e->rect();
    opt.lineWidth = e->hasFrame() ? metric(e, QStyle::PM_DefaultFrameWidth, &opt) : 0;
    opt.state |= QStyle::State_Sunken;
    QRect field = e->style()->subElementRect(QStyle::SE_LineEditContents, &opt, e);
    field = field.marginsRemoved(e->textMargins());
    const QSize need(value.isEmpty() ? 0 : e->fontMetrics().horizontalAdvance(value) + kEditMargins,
                     e->fontMetrics().height());
    return Fit{need, field.size(), value};
}

std::optional<Fit> comboFit(const QComboBox *c)
{
    QString longest = longestValueOf(c);
    for (int i = 0; i < c->count(); ++i) {
        if (c->fontMetrics().horizontalAdvance(c->itemText(i)) > c->fontMetrics().horizontalAdvance(longest))
            longest = c->itemText(i);
    }
    QStyleOptionComboBox opt;
    opt.initFrom(c);
    opt.editable = c->isEditable();
    opt.frame = c->hasFrame();
    opt.subControls = QStyle::SC_All;
    const QRect field = c->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, c);
    const int margins = c->isEditable() ? kEditMargins : 2;
    const QSize need(longest.isEmpty() ? 0 : c->fontMetrics().horizontalAdvance(longest) + margins,
                     c->fontMetrics().height());
    return Fit{need, field.size(), longest};
}

std::optional<Fit> spinFit(const QAbstractSpinBox *s)
{
    QStringList values{longestValueOf(s), s->specialValueText()};
    if (const auto *i = qobject_cast<const QSpinBox *>(s)) {
        for (int v : {i->minimum(), i->maximum()})
            values << i->prefix() + QString::number(v, i->displayIntegerBase()) + i->suffix();
    } else if (const auto *d = qobject_cast<const QDoubleSpinBox *>(s)) {
        for (double v : {d->minimum(), d->maximum()})
            values << d->prefix() + d->textFromValue(v) + d->suffix();
    } else {
        values << s->text();
    }
    QString longest;
    for (const QString &v : values) {
        if (s->fontMetrics().horizontalAdvance(v) > s->fontMetrics().horizontalAdvance(longest))
            longest = v;
    }
    QStyleOptionSpinBox opt;
    opt.initFrom(s);
    opt.frame = s->hasFrame();
    opt.buttonSymbols = s->buttonSymbols();
    opt.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField | QStyle::SC_SpinBoxUp
                      | QStyle::SC_SpinBoxDown;
    opt.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
    const QRect field = s->style()->subControlRect(QStyle::CC_SpinBox, &opt, QStyle::SC_SpinBoxEditField, s);
    const QSize need(s->fontMetrics().horizontalAdvance(longest) + kEditMargins, s->fontMetrics().height());
    return Fit{need, field.size(), longest};
}

// One line per clipped section, and one for a header lower than its text.
QStringList headerProblems(const QHeaderView *h)
{
    QStringList problems;
    const bool across = h->orientation() == Qt::Horizontal;
    for (int i = 0; i < h->count(); ++i) {
        if (h->isSectionHidden(i))
            continue;
        const int need = h->sectionSizeHint(i);
        if (h->sectionSize(i) < need) {
            const QString title = h->model()->headerData(i, h->orientation()).toString();
            problems << QStringLiteral("%1 section %2 \"%3\": needs %4, has %5")
                            .arg(describe(h))
                            .arg(i)
                            .arg(title)
                            .arg(need)
                            .arg(h->sectionSize(i));
        }
    }
    const int need = across ? h->sizeHint().height() : h->sizeHint().width();
    const int has = across ? h->height() : h->width();
    if (has < need)
        problems << QStringLiteral("%1: needs %2 across its sections, has %3").arg(describe(h)).arg(need).arg(has);
    return problems;
}

std::optional<Fit> fitOf(const QWidget *w)
{
    if (const auto *l = qobject_cast<const QLabel *>(w))
        return labelFit(l);
    if (const auto *b = qobject_cast<const QAbstractButton *>(w))
        return buttonFit(b);
    if (const auto *e = qobject_cast<const QLineEdit *>(w))
        return lineEditFit(e);
    if (const auto *c = qobject_cast<const QComboBox *>(w))
        return comboFit(c);
    if (const auto *s = qobject_cast<const QAbstractSpinBox *>(w))
        return spinFit(s);
    return std::nullopt;
}

bool isScrollViewport(const QWidget *w)
{
    const auto *area = qobject_cast<const QAbstractScrollArea *>(w->parentWidget());
    return area && area->viewport() == w;
}

// The part of w inside every parent up to the window, in the window's
// coordinates; `cut` tells whether a parent other than a scroll area's
// viewport hides some of it.
QRect shownPart(const QWidget *w, const QWidget *window, bool *cut)
{
    QRect shown(w->mapTo(window, QPoint(0, 0)), w->size());
    *cut = false;
    for (const QWidget *p = w->parentWidget(); p; p = p->parentWidget()) {
        const QRect area(p == window ? QPoint(0, 0) : p->mapTo(window, QPoint(0, 0)), p->size());
        const QRect inside = shown.intersected(area);
        if (inside != shown && !isScrollViewport(p))
            *cut = true;
        shown = inside;
        if (p == window)
            break;
    }
    return shown;
}

} // namespace

QStringList clippedControls(const QWidget *window)
{
    QStringList problems;
    QList<QPair<const QWidget *, QRect>> placed;
    for (const QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible() || !isControl(w) || isPartOfAControl(w, window))
            continue;
        bool cut = false;
        const QRect shown = shownPart(w, window, &cut);
        if (shown.isEmpty())
            continue;   // scrolled out of sight
        if (cut)
            problems << QStringLiteral("%1: partly outside its parent").arg(describe(w));
        for (const auto &[other, rect] : std::as_const(placed)) {
            if (rect.intersects(shown))
                problems << QStringLiteral("%1 overlaps %2").arg(describe(w), describe(other));
        }
        placed.append({w, shown});

        if (const auto *h = qobject_cast<const QHeaderView *>(w)) {
            problems << headerProblems(h);
            continue;
        }
        const std::optional<Fit> fit = fitOf(w);
        if (!fit)
            continue;
        if (fit->has.width() < fit->need.width() || fit->has.height() < fit->need.height())
            problems << QStringLiteral("%1 \"%2\": needs %3, has %4")
                            .arg(describe(w), fit->text, sizeText(fit->need), sizeText(fit->has));
    }
    return problems;
}

QString fontFamilyFor(const QString &text, const QFont &font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    return runs.isEmpty() ? QString() : runs.first().rawFont().familyName();
}

} // namespace test
