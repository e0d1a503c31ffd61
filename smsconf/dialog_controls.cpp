#include "dialog_controls.h"

#include "box_width.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>

namespace sms {

const QStringList kBaudRates = {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                                QStringLiteral("9600"), QStringLiteral("14400"), QStringLiteral("19200"),
                                QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")};

QString noticeTitle()
{
    return QCoreApplication::translate("sms::Dialog", "提示");
}

QTableWidget *makeTableList(QWidget *parent, const QString &name, const QString &head0, int width0,
                            const QString &head1, int width1, int rows, int firstLabel)
{
    auto *list = new QTableWidget(rows, 2, parent);
    list->setObjectName(name);
    list->setHorizontalHeaderLabels({head0, head1});
    list->verticalHeader()->hide();
    // A row as high as a line of the font (Chinese included) needs, never lower than the original 18.
    list->verticalHeader()->setDefaultSectionSize(qMax(18, list->fontMetrics().height() + 4));
    // The original widths, or what a heading needs when its words are wider.
    list->setColumnWidth(0, qMax(width0, list->horizontalHeader()->sectionSizeHint(0)));
    list->setColumnWidth(1, qMax(width1, list->horizontalHeader()->sectionSizeHint(1)));
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    for (int r = 0; r < rows; ++r) {
        auto *label = new QTableWidgetItem(QString::number(firstLabel + r));
        label->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        list->setItem(r, 0, label);
        auto *value = new QTableWidgetItem;
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        list->setItem(r, 1, value);
    }
    // Selected rows white on dodger blue whether or not the list has focus, all others black on white.
    QPalette pal = list->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, QColor(30, 144, 255));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
        pal.setColor(group, QPalette::Base, Qt::white);
        pal.setColor(group, QPalette::Text, Qt::black);
    }
    list->setPalette(pal);
    return list;
}

void sizeTableList(QTableWidget *list, int rows)
{
    const int frame = 2 * list->frameWidth();
    list->setMinimumWidth(list->horizontalHeader()->length() + list->verticalScrollBar()->sizeHint().width() + frame);
    list->setMinimumHeight(list->horizontalHeader()->sizeHint().height()
                           + rows * list->verticalHeader()->defaultSectionSize() + frame);
}

QComboBox *makeCombo(QWidget *parent, const QString &name, const QStringList &entries, int chosen, bool editable)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (editable)
        combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(entries);
    combo->setCurrentIndex(chosen);
    return combo;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, const QString &longestValue)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    qx::fitToLongest(e, longestValue);
    return e;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    // Enter belongs to the dialog (it closes it), not to whichever button had focus last.
    b->setAutoDefault(false);
    return b;
}

} // namespace sms
