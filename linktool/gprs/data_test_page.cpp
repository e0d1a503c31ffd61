#include "data_test_page.h"

#include "data_test_frames.h"
#include "data_test_receive.h"

#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/open_link.h"
#include "ui/shared_state.h"
#include "ui/shell.h"
#include "ui/typing_aids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace lt {

namespace {

const QString kTitle = QStringLiteral("系统提示");
const QString kCrLf = QStringLiteral("\r\n");

QPlainTextEdit *area(QWidget *parent, const char *name, const char *role, bool readOnly)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setProperty("area", QByteArray(role));
    box->setReadOnly(readOnly);
    return box;
}

QLineEdit *addressBox(QWidget *parent, const char *name)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(6);   // "hh:hh:"
    return box;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

} // namespace

DataTestPage::DataTestPage(Shell &shell, QWidget *parent) : QWidget(parent), m_shell(shell)
{
    setObjectName(QStringLiteral("DataTestPage"));
    rTimer.setObjectName(QStringLiteral("rTimer"));
    rTimer.setParent(this);   // found by name like every other control
    rTimer.setSingleShot(true);
    connect(&rTimer, &QTimer::timeout, this, &DataTestPage::on_rTimer);

    m_send = area(this, "Text1_1", "send", false);
    m_receive = area(this, "Text1_2", "receive", true);
    m_source = area(this, "Text1_3", "source", true);
    m_address = addressBox(this, "Text1_4");
    m_sender = addressBox(this, "Text1_5");
    m_sender->setReadOnly(true);
    m_receiver = addressBox(this, "Text1_6");
    installHexColonAid(m_send);
    // The send area holds hex groups only: a line break or a tab would split them.
    installHexColonAid(m_address);
    installHexColonAid(m_receiver);

    m_senderLabel = label(this, "Label2_2", QStringLiteral("发送方地址"));
    m_addressLabel = label(this, "Label2_4", QStringLiteral("模块地址"));
    m_receiverLabel = label(this, "Label2_5", QStringLiteral("接收方地址"));
    m_sendButton = button(this, "Command1_1", QStringLiteral("发送数据"));
    m_readButton = button(this, "Command1_3", QStringLiteral("读取数据"));
    m_memoryButton = button(this, "Command1_7", QStringLiteral("判断内存"));
    connect(m_sendButton, &QPushButton::clicked, this, &DataTestPage::send_data);
    connect(m_readButton, &QPushButton::clicked, this, &DataTestPage::read_bd_data);
    connect(m_memoryButton, &QPushButton::clicked, this, &DataTestPage::read_empty);

    auto *areas = new QGridLayout;
    areas->addWidget(new QLabel(QStringLiteral("发送区"), this), 0, 0, Qt::AlignTop);
    areas->addWidget(m_send, 0, 1);
    areas->addWidget(new QLabel(QStringLiteral("接收区"), this), 1, 0, Qt::AlignTop);
    areas->addWidget(m_receive, 1, 1);
    areas->addWidget(new QLabel(QStringLiteral("源码区"), this), 2, 0, Qt::AlignTop);
    areas->addWidget(m_source, 2, 1);
    areas->setRowStretch(0, 1);
    areas->setRowStretch(1, 1);
    areas->setRowStretch(2, 2);

    auto *side = new QVBoxLayout;
    auto *addresses = new QGridLayout;
    addresses->addWidget(m_addressLabel, 0, 0);
    addresses->addWidget(m_address, 0, 1);
    addresses->addWidget(m_senderLabel, 1, 0);
    addresses->addWidget(m_sender, 1, 1);
    addresses->addWidget(m_receiverLabel, 2, 0);
    addresses->addWidget(m_receiver, 2, 1);
    side->addLayout(addresses);
    side->addStretch(1);
    side->addWidget(m_sendButton);
    side->addWidget(m_readButton);
    side->addWidget(m_memoryButton);

    auto *top = new QHBoxLayout(this);
    top->addLayout(areas, 1);
    top->addLayout(side);

    // Until the module has told its modes, the mode-specific boxes are empty and hidden.
    for (QLineEdit *box : {m_address, m_sender, m_receiver}) {
        box->clear();
        box->hide();
    }
    for (QLabel *l : {m_senderLabel, m_addressLabel, m_receiverLabel})
        l->hide();
}

QList<QPushButton *> DataTestPage::buttons() const
{
    return {m_sendButton, m_readButton, m_memoryButton};
}

void DataTestPage::showWorkForm(bool active)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_readButton, m_memoryButton, m_addressLabel, m_address})
        w->setVisible(!active);
}

void DataTestPage::showTransForm(bool format)
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_sender, m_receiver, m_senderLabel, m_receiverLabel})
        w->setVisible(format);
}

void DataTestPage::setModuleAddress(const QString &hexText)
{
    m_address->setText(hexText);
}

// ---- sending ------------------------------------------------------------

void DataTestPage::send_data()
{
    if (!port_ready(m_shell.link(), this))
        return;
    const ModuleState &module = m_shell.link().module();
    if (module.workForm == 0)
        send_beidong();
    else if (module.transForm != 0)
        send_geshi();
    else
        send_stand_touming();
}

void DataTestPage::read_bd_data()
{
    if (!port_ready(m_shell.link(), this))
        return;
    const auto address = moduleAddress();
    if (!address)
        return;
    shared().req_kind = 1;
    sendFrame(datatest::readFrame(*address), QStringLiteral("发送指令 "));
}

void DataTestPage::read_empty()
{
    if (!port_ready(m_shell.link(), this))
        return;
    const auto address = moduleAddress();
    if (!address)
        return;
    shared().req_kind = 2;
    sendFrame(datatest::memoryCheckFrame(*address), QStringLiteral("发送指令 "));
}

void DataTestPage::send_beidong()
{
    const bool format = m_shell.link().module().transForm != 0;
    const auto address = moduleAddress();
    if (!address)
        return;
    std::optional<QByteArray> receiver;
    if (format && !(receiver = receiverAddress()))
        return;
    const auto data = sendData(true, format, true);
    if (!data)
        return;
    shared().req_kind = 3;
    sendFrame(datatest::passiveWriteFrame(*address, *data, receiver), QStringLiteral("发射数据：  "));
    m_shell.setPanel(Shell::ModulePanel, QStringLiteral("发射数据"));
}

void DataTestPage::send_geshi()
{
    const auto receiver = receiverAddress();
    if (!receiver)
        return;
    const auto data = sendData(false, true, true);
    if (!data)
        return;
    sendFrame(datatest::formatFrame(*receiver, *data), QStringLiteral("发射数据：  "));
    m_shell.setPanel(Shell::ModulePanel, QStringLiteral("发射数据"));
}

void DataTestPage::send_stand_touming()
{
    // Transparent data has no frame around it: with no data there is nothing to write.
    const auto data = sendData(false, false, false);
    if (!data)
        return;
    sendFrame(*data, QStringLiteral("发射数据：  "));
    m_shell.setPanel(Shell::ModulePanel, QStringLiteral("发射数据"));
}

void DataTestPage::refuse(const QString &text)
{
    message(this, text, kTitle, QMessageBox::Information);
}

std::optional<QByteArray> DataTestPage::moduleAddress()
{
    if (m_address->text().isEmpty()) {
        refuse(QStringLiteral("您还没有输入模块地址"));
        return std::nullopt;
    }
    const auto bytes = datatest::addressBytes(m_address->text());
    if (!bytes)
        refuse(QStringLiteral("您输入的模块地址错误，模块地址是 2 个字节"));
    return bytes;
}

std::optional<QByteArray> DataTestPage::receiverAddress()
{
    if (m_receiver->text().isEmpty()) {
        refuse(QStringLiteral("您还没有输入接收方地址"));
        return std::nullopt;
    }
    const auto bytes = datatest::addressBytes(m_receiver->text());
    if (!bytes)
        refuse(QStringLiteral("您输入的接收方地址错误，接收方地址是 2 个字节"));
    return bytes;
}

std::optional<QByteArray> DataTestPage::sendData(bool passive, bool format, bool allowEmpty)
{
    const QString typed = m_send->toPlainText();
    const QString cut = datatest::cutToGroups(typed);
    const QByteArray data = datatest::hexBytes(cut);
    if (data.isEmpty() && !allowEmpty) {
        refuse(QStringLiteral("发送区没有数据"));
        return std::nullopt;
    }
    const int most = datatest::maxData(passive, format);
    if (data.size() > most) {
        refuse(QStringLiteral("发送区数据太长，一次最多发送 %1 个字节").arg(most));
        return std::nullopt;
    }
    if (cut != typed) {
        m_send->setPlainText(cut);
        m_send->moveCursor(QTextCursor::End);
    }
    return data;
}

void DataTestPage::sendFrame(const QByteArray &frame, const QString &logPrefix)
{
    m_shell.link().send(frame);
    log(logPrefix + hex_text(frame));
}

void DataTestPage::log(const QString &line)
{
    QTextCursor end(m_source->document());
    end.movePosition(QTextCursor::End);
    end.insertText(line + kCrLf);
    m_source->verticalScrollBar()->setValue(m_source->verticalScrollBar()->maximum());
}

// ---- receiving ----------------------------------------------------------

void DataTestPage::parse(const QByteArray &burst)
{
    auto &s = shared();
    const ModuleState &module = m_shell.link().module();
    const datatest::Outcome out =
        datatest::parseBurst(burst, module.workForm, module.transForm, s.req_kind, rTimer.isActive());
    for (const QString &line : out.log)
        log(line);
    if (!out.collected.isEmpty()) {
        s.rx_hex += out.collected;
        rTimer.stop();
        rTimer.start(timing::interval(200));
    }
}

void DataTestPage::on_rTimer()
{
    rTimer.stop();
    auto &s = shared();
    const ModuleState &module = m_shell.link().module();
    const datatest::Shown d = datatest::display(s.rx_hex, module.workForm, module.transForm);
    m_receive->setPlainText(d.receive);
    if (d.sender)
        m_sender->setText(*d.sender);
    log(d.log);
    s.rx_hex.clear();
    m_shell.setPanel(Shell::ModulePanel, QStringLiteral("接收数据"));
}

void DataTestPage::linkLost()
{
    // Bytes already collected were read from the module: show them rather than lose them.
    if (rTimer.isActive())
        on_rTimer();
    rTimer.stop();
}

} // namespace lt
