#include "data_test_page.h"

#include "qx3200/data_test_frames.h"

#include "box_width.h"
#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/open_link.h"
#include "ui/shell.h"
#include "ui/typing_aids.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

namespace lt {

namespace datatest = qx3200::datatest;
using datatest::PassiveCommand;

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// The message is shown once the line has been quiet this long.
constexpr int kQuietGapMs = 200;

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
    qx::fitToLongest(box, QStringLiteral("DD:DD:"));
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
    m_quietGap.setObjectName(QStringLiteral("rTimer"));
    m_quietGap.setParent(this);   // found by name like every other control
    m_quietGap.setSingleShot(true);
    connect(&m_quietGap, &QTimer::timeout, this, &DataTestPage::showCollected);

    m_sendArea = area(this, "Text1_1", "send", false);
    m_receiveArea = area(this, "Text1_2", "receive", true);
    m_rawArea = area(this, "Text1_3", "source", true);
    m_moduleAddressBox = addressBox(this, "Text1_4");
    m_senderBox = addressBox(this, "Text1_5");
    m_senderBox->setReadOnly(true);
    m_receiverBox = addressBox(this, "Text1_6");
    installHexColonAid(m_sendArea);
    // The send area holds hex groups only: a line break or a tab would split them.
    installHexColonAid(m_moduleAddressBox);
    installHexColonAid(m_receiverBox);

    m_senderLabel = label(this, "Label2_2", tr("发送方地址"));
    m_moduleAddressLabel = label(this, "Label2_4", tr("模块地址"));
    m_receiverLabel = label(this, "Label2_5", tr("接收方地址"));
    m_sendButton = button(this, "Command1_1", tr("发送数据"));
    m_readButton = button(this, "Command1_3", tr("读取数据"));
    m_memoryButton = button(this, "Command1_7", tr("判断内存"));
    connect(m_sendButton, &QPushButton::clicked, this, &DataTestPage::sendData);
    connect(m_readButton, &QPushButton::clicked, this, &DataTestPage::readData);
    connect(m_memoryButton, &QPushButton::clicked, this, &DataTestPage::checkMemory);

    auto *areas = new QGridLayout;
    areas->addWidget(new QLabel(tr("发送区"), this), 0, 0, Qt::AlignTop);
    areas->addWidget(m_sendArea, 0, 1);
    areas->addWidget(new QLabel(tr("接收区"), this), 1, 0, Qt::AlignTop);
    areas->addWidget(m_receiveArea, 1, 1);
    areas->addWidget(new QLabel(tr("源码区"), this), 2, 0, Qt::AlignTop);
    areas->addWidget(m_rawArea, 2, 1);
    areas->setRowStretch(0, 1);
    areas->setRowStretch(1, 1);
    areas->setRowStretch(2, 2);

    auto *side = new QVBoxLayout;
    auto *addresses = new QGridLayout;
    addresses->addWidget(m_moduleAddressLabel, 0, 0);
    addresses->addWidget(m_moduleAddressBox, 0, 1);
    addresses->addWidget(m_senderLabel, 1, 0);
    addresses->addWidget(m_senderBox, 1, 1);
    addresses->addWidget(m_receiverLabel, 2, 0);
    addresses->addWidget(m_receiverBox, 2, 1);
    side->addLayout(addresses);
    side->addStretch(1);
    side->addWidget(m_sendButton);
    side->addWidget(m_readButton);
    side->addWidget(m_memoryButton);

    auto *top = new QHBoxLayout(this);
    top->addLayout(areas, 1);
    top->addLayout(side);

    forgetModes();
}

void DataTestPage::forgetModes()
{
    for (QLineEdit *box : {m_moduleAddressBox, m_senderBox, m_receiverBox}) {
        box->clear();
        box->hide();
    }
    for (QLabel *l : {m_senderLabel, m_moduleAddressLabel, m_receiverLabel})
        l->hide();
}

void DataTestPage::showWorkForm(WorkForm form)
{
    const bool passive = form == WorkForm::Passive;
    for (QWidget *w : std::initializer_list<QWidget *>{m_readButton, m_memoryButton, m_moduleAddressLabel,
                                                       m_moduleAddressBox})
        w->setVisible(passive);
}

void DataTestPage::showTransForm(TransForm form)
{
    const bool format = form == TransForm::Format;
    for (QWidget *w : std::initializer_list<QWidget *>{m_senderBox, m_receiverBox, m_senderLabel, m_receiverLabel})
        w->setVisible(format);
}

void DataTestPage::showPassiveAddress(const QString &address)
{
    m_moduleAddressBox->setText(address);
}

// ---- sending ------------------------------------------------------------

void DataTestPage::sendData()
{
    if (!port_ready(m_shell.link(), this))
        return;
    const ModuleState &module = m_shell.link().module();
    if (module.workForm == 0)
        sendPassive();
    else if (module.transForm != 0)
        sendFormat();
    else
        sendTransparent();
}

void DataTestPage::readData()
{
    if (!port_ready(m_shell.link(), this))
        return;
    const auto address = moduleAddress();
    if (!address)
        return;
    m_received.commandSent(PassiveCommand::Read);
    sendFrame(datatest::readFrame(*address), tr("发送指令 "));
}

void DataTestPage::checkMemory()
{
    if (!port_ready(m_shell.link(), this))
        return;
    const auto address = moduleAddress();
    if (!address)
        return;
    m_received.commandSent(PassiveCommand::MemoryCheck);
    sendFrame(datatest::memoryCheckFrame(*address), tr("发送指令 "));
}

void DataTestPage::sendPassive()
{
    const bool format = m_shell.link().module().transForm != 0;
    const auto address = moduleAddress();
    if (!address)
        return;
    std::optional<QByteArray> receiver;
    if (format && !(receiver = receiverAddress()))
        return;
    const auto data = sendAreaBytes(true, format, true);
    if (!data)
        return;
    m_received.commandSent(PassiveCommand::Write);
    sendFrame(datatest::passiveWriteFrame(*address, *data, receiver), tr("发射数据：  "));
    m_shell.setPanel(Shell::ModulePanel, tr("发射数据"));
}

void DataTestPage::sendFormat()
{
    const auto receiver = receiverAddress();
    if (!receiver)
        return;
    const auto data = sendAreaBytes(false, true, true);
    if (!data)
        return;
    sendFrame(datatest::formatFrame(*receiver, *data), tr("发射数据：  "));
    m_shell.setPanel(Shell::ModulePanel, tr("发射数据"));
}

void DataTestPage::sendTransparent()
{
    // Transparent data has no frame around it: with no data there is nothing to write.
    const auto data = sendAreaBytes(false, false, false);
    if (!data)
        return;
    sendFrame(*data, tr("发射数据：  "));
    m_shell.setPanel(Shell::ModulePanel, tr("发射数据"));
}

void DataTestPage::refuse(const QString &text)
{
    message(this, text, tr("系统提示"), QMessageBox::Information);
}

std::optional<QByteArray> DataTestPage::moduleAddress()
{
    if (m_moduleAddressBox->text().isEmpty()) {
        refuse(tr("您还没有输入模块地址"));
        return std::nullopt;
    }
    const auto bytes = datatest::addressBytes(m_moduleAddressBox->text());
    if (!bytes)
        refuse(tr("您输入的模块地址错误，模块地址是 2 个字节"));
    return bytes;
}

std::optional<QByteArray> DataTestPage::receiverAddress()
{
    if (m_receiverBox->text().isEmpty()) {
        refuse(tr("您还没有输入接收方地址"));
        return std::nullopt;
    }
    const auto bytes = datatest::addressBytes(m_receiverBox->text());
    if (!bytes)
        refuse(tr("您输入的接收方地址错误，接收方地址是 2 个字节"));
    return bytes;
}

std::optional<QByteArray> DataTestPage::sendAreaBytes(bool passive, bool format, bool allowEmpty)
{
    const QString typed = m_sendArea->toPlainText();
    const QString cut = datatest::cutToGroups(typed);
    const QByteArray data = datatest::hexBytes(cut);
    if (data.isEmpty() && !allowEmpty) {
        refuse(tr("发送区没有数据"));
        return std::nullopt;
    }
    const int most = datatest::maxData(passive, format);
    if (data.size() > most) {
        refuse(tr("发送区数据太长，一次最多发送 %1 个字节").arg(most));
        return std::nullopt;
    }
    if (cut != typed) {
        m_sendArea->setPlainText(cut);
        m_sendArea->moveCursor(QTextCursor::End);
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
    QTextCursor end(m_rawArea->document());
    end.movePosition(QTextCursor::End);
    end.insertText(line + kCrLf);
    m_rawArea->verticalScrollBar()->setValue(m_rawArea->verticalScrollBar()->maximum());
}

// ---- receiving ----------------------------------------------------------

void DataTestPage::parse(const QByteArray &block)
{
    const datatest::Outcome out = m_received.take(block, m_shell.link().module());
    for (const QString &line : out.log)
        log(line);
    if (!out.collected.isEmpty())
        m_quietGap.start(timing::interval(kQuietGapMs));
}

void DataTestPage::showCollected()
{
    m_quietGap.stop();
    const datatest::Shown d = m_received.show(m_shell.link().module());
    m_receiveArea->setPlainText(d.receive);
    if (d.sender)
        m_senderBox->setText(*d.sender);
    log(d.log);
    m_shell.setPanel(Shell::ModulePanel, tr("接收数据"));
}

void DataTestPage::linkLost()
{
    // Bytes already collected were read from the module: show them rather than lose them.
    if (m_quietGap.isActive())
        showCollected();
    m_quietGap.stop();
}

} // namespace lt
