#pragma once

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace lt {

// Page "    参数设置    " of the QX3200 window: its six frames, the list
// dependencies, the scroll bars and the key rules. What the buttons send is
// the window's business.
class ParamPage : public QWidget
{
    Q_OBJECT
public:
    explicit ParamPage(QWidget *parent = nullptr);

    // "工作方式选择"
    QComboBox *Combo1, *Combo2, *Combo3, *Combo4;
    QLineEdit *Text5, *Text6, *Text7;
    QScrollBar *VScroll3, *VScroll4, *VScroll5;
    QPushButton *Command1_10;
    // "省电"
    QRadioButton *Option3, *Option4, *Option7, *Option8;
    QLineEdit *Text11, *Text12;
    QPushButton *Command1_9;
    // "目标地址设置"
    QLineEdit *Text8, *Text1_0;
    QPushButton *Command1_6;
    // "心跳时间设置"
    QLineEdit *Text4, *Text10;
    QPushButton *Command1_2;
    // "通讯设置"
    QComboBox *Combo7;
    QRadioButton *Option1, *Option2, *Option5, *Option6, *Option9, *Option11, *Option10;
    QPushButton *Command1_8;
    // "被动方式地址"
    QGroupBox *passiveFrame;
    QLineEdit *Text9;
    QScrollBar *VScroll8;
    QPushButton *Command1_11;

    // Grey, disabled start of the dependent controls.
    void disable_();

    // A list selection made by the program; runs the list's own behaviour.
    // False when the list has no such item.
    bool select(QComboBox *list, int index);

    // The address boxes and their scroll bars show the module's values.
    void showAddressValues(int start, int length, int groupMax);

    // The lists' own behaviour when an item is chosen.
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Combo4_Click();

private:
    QComboBox *list(const char *name, const QStringList &items);
    QLineEdit *box(const char *name, const QString &text, int maxLength = 0);
    QPushButton *okButton(int index);
    void setAddressGroup(bool enabled);
    void VScroll4_Change();

    QLabel *m_formatLabel, *m_subLabel;
    QList<QWidget *> m_addressGroup;
};

// Enables or disables lists and boxes with their background: the window's
// own colour when enabled, light grey when not.
void setGreyed(QWidget *w, bool enabled);

} // namespace lt
