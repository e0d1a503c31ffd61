#include "port_box.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>

namespace qx {

namespace {

// The list shows an entry's label; the box, and the completion of what is
// typed, its value.
class LabelDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QString label = index.data(PortBox::kLabelRole).toString();
        if (!label.isEmpty())
            option->text = label;
    }
};

QList<PortChoice> systemPorts()
{
    return portChoices(numberedPortDevices(), systemSerialDevices());
}

} // namespace

PortBox::PortBox(QWidget *parent) : QComboBox(parent), m_scan(systemPorts)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // For the layout check: a typed path is as long as the user makes it.
    setProperty("longestValue", QString::fromLatin1(kUsualPath));
    setItemDelegate(new LabelDelegate(this));
    connect(&m_rescan, &QTimer::timeout, this, [this] {
        // Not while the list is open under the user's pointer, nor while the
        // program has the box disabled (its port is open, or opening).
        if (isEnabled() && !view()->isVisible())
            rescan();
    });
    m_rescan.start(kRescanMs);
    rescan();
}

void PortBox::setScan(Scan scan)
{
    m_scan = std::move(scan);
    m_choices.clear();
    rescan();
}

void PortBox::rescan()
{
    const QList<PortChoice> choices = m_scan ? m_scan() : QList<PortChoice>();
    if (choices == m_choices && count() == choices.size())
        return;
    m_choices = choices;
    const QString held = currentText();
    const int cursor = lineEdit()->cursorPosition();
    const QSignalBlocker quiet(this);
    clear();
    for (const PortChoice &choice : choices) {
        addItem(choice.value);
        setItemData(count() - 1, choice.label, kLabelRole);
        setItemData(count() - 1, choice.label, Qt::ToolTipRole);
    }
    setCurrentIndex(findText(held, Qt::MatchExactly));
    setEditText(held);
    lineEdit()->setCursorPosition(cursor);
    updateGeometry();
}

QSize PortBox::minimumSizeHint() const
{
    int widest = fontMetrics().horizontalAdvance(QString::fromLatin1(kUsualPath));
    for (int i = 0; i < count(); ++i)
        widest = qMax(widest, fontMetrics().horizontalAdvance(itemText(i)));
    QStyleOptionComboBox opt;
    initStyleOption(&opt);
    // The edit field's margins each side of the text, and the cursor.
    const QSize text(widest + 2 * 2 + 1, fontMetrics().height());
    return style()->sizeFromContents(QStyle::CT_ComboBox, &opt, text, this).expandedTo(QComboBox::minimumSizeHint());
}

void PortBox::setValue(const QString &value)
{
    setCurrentIndex(findText(value, Qt::MatchExactly));
    setEditText(value);
}

QStringList PortBox::labels() const
{
    QStringList out;
    for (int i = 0; i < count(); ++i)
        out << itemData(i, kLabelRole).toString();
    return out;
}

void PortBox::showPopup()
{
    rescan();
    // The labels are longer than the values the box shows: the list takes their width.
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 2 * view()->frameWidth()
                            + view()->verticalScrollBar()->sizeHint().width());
    QComboBox::showPopup();
}

} // namespace qx
