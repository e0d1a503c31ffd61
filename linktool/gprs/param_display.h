#pragma once

#include <QGroupBox>
#include <QMap>

class QLabel;
class QPushButton;

namespace lt {

// The frame "系统参数显示" of the QX3200 window: what the module last reported,
// with the refresh and exit buttons.
class ParamDisplay : public QGroupBox
{
    Q_OBJECT
public:
    explicit ParamDisplay(QWidget *parent = nullptr);

    // Label1(index) of the grid.
    QLabel *label1(int index) const { return m_label1.value(index); }
    QLabel *Label5, *Label7, *Label8, *Label10;
    QPushButton *Command1_4, *Command1_5;

    // Every value label back to its placeholder (the internal code keeps its value).
    void showPlaceholders();

private:
    QMap<int, QLabel *> m_label1;
    QMap<QLabel *, QString> m_placeholder;
};

} // namespace lt
