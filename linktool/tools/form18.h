#pragma once

#include <QByteArray>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lt {

// Shows the UTF-16 code units of a typed text as "XX:" bytes.
class Form18 : public QWidget
{
    Q_OBJECT
public:
    explicit Form18(QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();

private:
    QLineEdit *m_text1;
    QPlainTextEdit *m_text2;
    QPushButton *m_command1;
    QByteArray m_bytes;   // the conversion array of the last conversion
};

} // namespace lt
