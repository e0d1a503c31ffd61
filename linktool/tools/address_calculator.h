#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QScrollBar;

namespace lt {

// Form9, the address calculator: lists the module addresses of a peer station
// when the modules form groups of equal size. The plain and K variants differ
// only in the station digits used.
class AddressCalculator : public QWidget
{
    Q_OBJECT
public:
    explicit AddressCalculator(QWidget *parent = nullptr);

    // The menu entry that opened it last says which variant it is.
    void setKVariant(bool on) { m_kVariant = on; }
    bool kVariant() const { return m_kVariant; }

private:
    void convert();
    void closeWindow();

    bool m_kVariant = false;
    QLineEdit *m_station;       // Text1(4)
    QLineEdit *m_groupSize;     // Text1(2)
    QLineEdit *m_coding;        // Text1(3)
    QScrollBar *m_groupSpin;    // VScroll3
    QScrollBar *m_codingSpin;   // VScroll4
    QPlainTextEdit *m_output;   // Text2
};

} // namespace lt
