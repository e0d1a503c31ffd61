#pragma once

// How the dialog's pieces make their controls, so that every list, box and
// button of the window looks and behaves alike whichever piece holds it.

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QWidget;

namespace sms {

// Title of the dialog's messages, in the language of the moment.
QString noticeTitle();

// The rates both the module and the PC's port offer.
extern const QStringList kBaudRates;

// A table list of `rows` rows: numbered labels from firstLabel in column 0,
// the values in column 1, neither editable in place.
QTableWidget *makeTableList(QWidget *parent, const QString &name, const QString &head0, int width0,
                            const QString &head1, int width1, int rows, int firstLabel);
// Wide enough for every column without a horizontal scroll bar, and high
// enough for the header and `rows` rows.
void sizeTableList(QTableWidget *list, int rows);
QComboBox *makeCombo(QWidget *parent, const QString &name, const QStringList &entries, int chosen, bool editable);
// A text box wide enough for longestValue.
QLineEdit *makeBox(QWidget *parent, const QString &name, const QString &longestValue);
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &caption);

} // namespace sms
