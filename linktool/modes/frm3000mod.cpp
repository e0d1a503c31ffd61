#include "frm3000mod.h"

#include "link/message_box.h"
#include "link/main_window.h"
#include "sms/frm3100com.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace lt {

Frm3000MOD::Frm3000MOD(MainWindow &main) : ConnectWindow(main, "frm3000MOD", 100)
{
    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto *grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("串口号"), frame), 0, 0);
    grid->addWidget(combo1(), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("波特率"), frame), 1, 0);
    grid->addWidget(combo2(), 1, 1);
    grid->addWidget(pBar(), 2, 0, 1, 2);
    grid->addWidget(connectButton(), 3, 0);
    grid->addWidget(cancelButton(), 3, 1);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(frame);
}

void Frm3000MOD::verdict(quint8 moduleType)
{
    MainWindow &main = m_main;
    accept();   // the port stays open for what comes next
    if (moduleType == 1)
        message(&main, QStringLiteral("您的模块与测试软件不一样，请与厂家联系"), QStringLiteral("提示"), QMessageBox::Warning);
    else
        openFrm3100COM(main);
}

void openSmsConnect(MainWindow &main)
{
    (new Frm3000MOD(main))->show();
}

} // namespace lt
