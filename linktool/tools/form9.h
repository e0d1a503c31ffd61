#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace lt {

// The address calculator: lists the module addresses of a peer station when
// the modules form groups of equal size. The plain and K variants differ only
// in the station digits used (calc_k in the shared state).
class Form9 : public QWidget
{
    Q_OBJECT
public:
    explicit Form9(QWidget *parent = nullptr);

    // Command1(0) converts, Command1(1) closes; both empty the output first.
    void Command1_Click(int index);

private:
    void convert();
    void closeWindow();

    QLineEdit *m_station;     // Text1(4)
    QLineEdit *m_groupSize;   // Text1(2)
    QLineEdit *m_coding;      // Text1(3)
    QScrollBar *m_vscroll3;
    QScrollBar *m_vscroll4;
    QPlainTextEdit *m_text2;
};

} // namespace lt
