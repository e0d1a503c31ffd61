#pragma once

#include <QByteArray>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lt {

// Form18: shows the UTF-16 code units of a typed text as "XX:" bytes.
class UnicodeTool : public QWidget
{
    Q_OBJECT
public:
    explicit UnicodeTool(QWidget *parent = nullptr);

private:
    void convert();
    void closeWindow();

    QLineEdit *m_text;           // Text1
    QPlainTextEdit *m_codes;     // Text2
    QPushButton *m_convert;      // Command1
    QByteArray m_bytes;          // the conversion array of the last conversion
};

} // namespace lt
