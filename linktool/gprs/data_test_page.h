#pragma once

#include <QList>
#include <QWidget>

class QPushButton;

namespace lt {

class MainWindow;

// The QX3200 window's page "    通信测试    ": test data in passive, format and
// transparent mode, and the data branch of the QX3200 reply parser.
class DataTestPage : public QWidget
{
    Q_OBJECT
public:
    explicit DataTestPage(MainWindow &main, QWidget *parent = nullptr);

    // Command1(1), (3) and (7): members of the window's Command1 array.
    QList<QPushButton *> buttons() const;
    // The data branch of the reply parser (para_mode False).
    void parse();
    // The port went away: stop every timer.
    void linkLost();

private:
    MainWindow &m_main;
};

} // namespace lt
