#include "frmqx3200.h"

#include "form19.h"

#include "gprs/frm3200com.h"
#include "link/frame.h"
#include "link/main_window.h"
#include "link/message_box.h"
#include "link/shared_state.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace lt {

FrmQX3200::FrmQX3200(MainWindow &main)
    : ConnectWindow(main, "frmQX3200", 110), m_enter(new QPushButton(QStringLiteral("进入"), this))
{
    m_enter->setObjectName(QStringLiteral("Command1_2"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("串口号"), this), 0, 0);
    grid->addWidget(combo1(), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("波特率"), this), 1, 0);
    grid->addWidget(combo2(), 1, 1);

    // One option group per line setting, the first option selected.
    auto group = [this](const QString &title, std::initializer_list<std::pair<int, const char *>> options) {
        auto *box = new QGroupBox(title, this);
        auto *row = new QHBoxLayout(box);
        bool first = true;
        for (const auto &[number, caption] : options) {
            auto *o = new QRadioButton(QString::fromUtf8(caption), box);
            o->setObjectName(QStringLiteral("Option%1").arg(number));
            o->setChecked(first);
            first = false;
            m_options[number] = o;
            row->addWidget(o);
        }
        return box;
    };
    grid->addWidget(group(QStringLiteral("数据位"), {{4, "8"}, {3, "7"}}), 2, 0, 1, 2);
    grid->addWidget(group(QStringLiteral("校验位"), {{5, "无"}, {6, "奇"}, {9, "偶"}}), 3, 0, 1, 2);
    grid->addWidget(group(QStringLiteral("停止位"), {{11, "1"}, {10, "2"}}), 4, 0, 1, 2);

    auto *mode = new QGroupBox(this);
    auto *modeRow = new QHBoxLayout(mode);
    for (auto [number, caption] : {std::pair{1, "数据通信"}, std::pair{2, "地址设置"}}) {
        auto *o = new QRadioButton(QString::fromUtf8(caption), mode);
        o->setObjectName(QStringLiteral("Option%1").arg(number));
        o->setAutoExclusive(false);
        m_options[number] = o;
        modeRow->addWidget(o);
    }
    grid->addWidget(mode, 5, 0, 1, 2);
    grid->addWidget(pBar(), 6, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(connectButton());
    buttons->addWidget(cancelButton());
    buttons->addWidget(m_enter);
    grid->addLayout(buttons, 7, 0, 1, 2);

    connect(m_options[1], &QRadioButton::clicked, this, &FrmQX3200::chooseDataCommunication);
    connect(m_options[2], &QRadioButton::clicked, this, &FrmQX3200::chooseAddressSetting);
    connect(m_enter, &QPushButton::clicked, this, &FrmQX3200::enterClicked);

    setModeOptions(false, nullptr);
    m_enter->setEnabled(false);
}

QRadioButton *FrmQX3200::option(int n) const
{
    return n >= 0 && n < 12 ? m_options[n] : nullptr;
}

QString FrmQX3200::lineTail() const
{
    QString tail = m_options[9]->isChecked() ? QStringLiteral("E,") : m_options[6]->isChecked() ? QStringLiteral("O,") : QStringLiteral("n,");
    tail += m_options[3]->isChecked() ? QStringLiteral("7,") : QStringLiteral("8,");
    tail += m_options[10]->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
    return tail;
}

void FrmQX3200::setModeOptions(bool enabled, QRadioButton *selected)
{
    for (QRadioButton *o : {m_options[1], m_options[2]}) {
        o->setEnabled(enabled);
        o->setChecked(o == selected);
    }
}

void FrmQX3200::verdict(quint8 moduleType)
{
    if (moduleType != 1) {
        message(this, QStringLiteral("您的模块与测试软件不一样，请与厂家联系"), QStringLiteral("提示"), QMessageBox::Warning);
        return;
    }
    connectButton()->setEnabled(true);
    cancelButton()->setEnabled(true);
    m_enter->setEnabled(true);
    pBar()->setValue(0);
    if (shared().hello_val[2] == 0x80) {
        setModeOptions(true, m_options[1]);
        chooseDataCommunication();
    } else {
        setModeOptions(true, m_options[2]);
        chooseAddressSetting();
    }
}

void FrmQX3200::forgetVerdict()
{
    // Until this module has answered, neither a mode change nor Enter may act
    // on the one before it.
    setModeOptions(false, nullptr);
    m_enter->setEnabled(false);
}

void FrmQX3200::chooseDataCommunication()
{
    setModeOptions(m_options[1]->isEnabled(), m_options[1]);
    if (shared().hello_val[2] != 0x80)
        changeMode(0x00);
}

void FrmQX3200::chooseAddressSetting()
{
    setModeOptions(m_options[2]->isEnabled(), m_options[2]);
    if (shared().hello_val[2] != 0)
        changeMode(0x01);
}

void FrmQX3200::changeMode(quint8 value)
{
    shared().send_buf = frame::write_request(0xDA, QByteArray(1, char(value)));
    m_main.send();
    auto *notice = new Form19(m_main,
                              QStringLiteral("您设置了QX3200模块通信模式，模块已经重新启动，需要等待一点时间"),
                              [window = QPointer<FrmQX3200>(this)] {
                                  if (window)
                                      window->resetAfterRestart();
                              });
    notice->show();
}

void FrmQX3200::resetAfterRestart()
{
    setModeOptions(false, nullptr);
    setListsEnabled(true);
    connectButton()->setEnabled(true);
    cancelButton()->setEnabled(false);
    m_enter->setEnabled(true);
}

void FrmQX3200::enterClicked()
{
    const bool data = m_options[1]->isChecked() && m_options[1]->isEnabled();
    const bool address = m_options[2]->isChecked() && m_options[2]->isEnabled();
    MainWindow &main = m_main;
    accept();   // the port stays open for the QX3200 window
    if (data)
        shared().work_mode = 1;
    else if (address)
        shared().work_mode = 0;
    else
        return;
    openFrm3200COM(main);
}

void openQx3200Connect(MainWindow &main)
{
    (new FrmQX3200(main))->show();
}

} // namespace lt
