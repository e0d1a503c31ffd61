#pragma once

#include "qx3200/requests.h"
#include "qx3200/settings.h"

#include <QGroupBox>
#include <QList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace lt {

// The frame "工作方式选择" of the QX3200 parameter page: working and transfer
// form, the mode of transparent transfer and, for mode 2, where the address
// sits in the data. Each list opens the ones that depend on it.
class WorkModeGroup : public QGroupBox
{
    Q_OBJECT
public:
    explicit WorkModeGroup(QWidget *parent = nullptr);

    // Grey, disabled start of everything that depends on the working form.
    void greyDependentControls();

    // The working-mode fields as the lists and boxes hold them; a list at
    // "无" or an empty address box leaves its field empty.
    void entriesInto(qx3200::Settings &settings) const;

    // The lists follow what the module reported, each running its own
    // behaviour as if chosen.
    void showWorkForm(WorkForm form);
    void showTransForm(TransForm form);
    // False when the mode list does not offer it (mode 2 to a passive module).
    bool showTransparentMode(qx3200::TransparentMode mode);
    void showAddressSettings(const qx3200::AddressSettings &settings);

signals:
    // The working form was chosen (by the user or a reply).
    void workFormChosen(WorkForm form);
    void writeRequested();

private:
    void workFormListChosen();
    void transFormListChosen();
    void modeListChosen();
    void typeListChosen();
    void lengthBarMoved();
    void setAddressGroup(bool enabled);

    QComboBox *m_formList;       // Combo1
    QComboBox *m_transferList;   // Combo2
    QComboBox *m_modeList;       // Combo3
    QComboBox *m_typeList;       // Combo4
    QLineEdit *m_startBox;       // Text5
    QLineEdit *m_lengthBox;      // Text6
    QLineEdit *m_groupMaxBox;    // Text7
    QScrollBar *m_startBar;      // VScroll3
    QScrollBar *m_lengthBar;     // VScroll4
    QScrollBar *m_groupMaxBar;   // VScroll5
    QLabel *m_transferLabel;     // "串口数据格式："
    QLabel *m_modeLabel;         // "地址隐含方式："
    QList<QWidget *> m_addressGroup;
};

// Enables or disables lists and boxes with their background: the window's
// own colour when enabled, light grey when not.
void setGreyed(QWidget *w, bool enabled);

// The window's scroll bars count downwards: the value is the negated number,
// so the upper arrow raises the number beside it.
QScrollBar *numberBar(QWidget *parent, const char *name, int lowest, int highest);

} // namespace lt
