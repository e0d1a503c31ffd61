#include "sms_test_tab.h"

#include "qx3100/sms_test_replies.h"

#include "link/helpers.h"
#include "link/link.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/open_link.h"
#include "ui/shell.h"
#include "ui/typing_aids.h"

#include "box_width.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace lt {

using namespace smstest;

namespace {

// The module needs this long after DTR drops before it takes a request.
constexpr int kPauseMs = 2000;
// Bursts less than this apart belong to one message. Like the receive quiet
// gap it frames data rather than waits for it, so it is never scaled.
constexpr int kMessageGapMs = 200;

template<class Box>
Box *named(Box *box, const QString &name)
{
    box->setObjectName(name);
    return box;
}

} // namespace

SmsTestTab::SmsTestTab(Shell &shell, QWidget *parent) : QWidget(parent), m_shell(shell)
{
    m_addressCaption = named(new QLabel(tr("模块地址"), this), QStringLiteral("Label31"));
    m_moduleAddress = named(new QLineEdit(this), QStringLiteral("Text22"));
    installHexColonAid(m_moduleAddress);

    const QString captions[6] = {tr("源码区"), tr("发送区"), tr("接收区"), QString(), tr("发送方电话号码"), tr("接收方电话号码")};
    for (int i = 0; i < 6; ++i)
        if (!captions[i].isEmpty())
            m_captions[i] = named(new QLabel(captions[i], this), QStringLiteral("Label21_%1").arg(i));

    m_source = named(new QPlainTextEdit(this), QStringLiteral("Text21_0"));
    m_sendArea = named(new QPlainTextEdit(this), QStringLiteral("Text21_1"));
    m_receive = named(new QPlainTextEdit(this), QStringLiteral("Text21_2"));
    m_sender = named(new QLineEdit(this), QStringLiteral("Text21_3"));
    m_receiver = named(new QLineEdit(this), QStringLiteral("Text21_4"));
    m_source->setReadOnly(true);
    m_receive->setReadOnly(true);
    m_sender->setReadOnly(true);
    m_source->setProperty("area", QByteArrayLiteral("source"));
    m_receive->setProperty("area", QByteArrayLiteral("receive"));
    m_sendArea->setProperty("area", QByteArrayLiteral("send"));
    installHexColonAid(m_sendArea, true, [this] { return encoding() == Encoding::Hex; });
    installKeyFilter(m_receiver, num_key);
    m_receiver->setMaxLength(11);
    // As wide as the longest each shows: an address, a sender as six bytes of hex, eleven digits.
    qx::fitToLongest(m_moduleAddress, QStringLiteral("DD:DD:"));
    qx::fitToLongest(m_sender, QStringLiteral("DDDDDDDDDDDD"));
    qx::fitToLongest(m_receiver, QStringLiteral("88888888888"));

    const QString buttons[4] = {tr("读取短信"), tr("发送状态"), tr("发送短信"), tr("复位")};
    for (int i = 0; i < 4; ++i) {
        m_requestButtons[i] = named(new QPushButton(buttons[i], this), QStringLiteral("Command21_%1").arg(i));
        connect(m_requestButtons[i], &QPushButton::clicked, this, [this, i] { requestClicked(Button(i)); });
    }
    m_requestButtons[kResetButton]->hide();
    m_lock.setWidgets({m_requestButtons[0], m_requestButtons[1], m_requestButtons[2], m_requestButtons[3]});

    // Two halves of one width, each naming what it holds above it, so the tab
    // is as narrow as its longest caption or box rather than two of each side by side.
    auto *grid = new QGridLayout(this);
    grid->addWidget(m_captions[0], 0, 0);
    grid->addWidget(m_source, 1, 0, 1, 2);
    grid->addWidget(m_captions[1], 2, 0);
    grid->addWidget(m_sendArea, 3, 0);
    grid->addWidget(m_captions[2], 2, 1);
    grid->addWidget(m_receive, 3, 1);
    grid->addWidget(m_captions[4], 4, 0);
    grid->addWidget(m_sender, 5, 0);
    grid->addWidget(m_captions[5], 4, 1);
    grid->addWidget(m_receiver, 5, 1);
    auto *address = new QHBoxLayout;
    address->addWidget(m_addressCaption);
    address->addWidget(m_moduleAddress);
    address->addStretch();
    grid->addLayout(address, 6, 0, 1, 2);
    auto *row = new QHBoxLayout;
    for (QPushButton *b : m_requestButtons)
        row->addWidget(b);
    grid->addLayout(row, 7, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 2);
    grid->setRowStretch(3, 1);

    m_messageGap.setObjectName(QStringLiteral("rTimer"));
    m_messageGap.setParent(this);   // found by name like every other control
    m_messageGap.setSingleShot(true);
    connect(&m_messageGap, &QTimer::timeout, this, &SmsTestTab::messageGapOver);
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &SmsTestTab::writeRequest);

    connect(m_sendArea, &QPlainTextEdit::textChanged, this, &SmsTestTab::showSendCount);
    shell.onSmsMannerChosen(this, [this](Shell::SmsManner) {
        m_sendArea->clear();
        showSendCount();
    });
}

Encoding SmsTestTab::encoding() const
{
    switch (m_shell.smsManner()) {
    case Shell::SmsManner::English:
        return Encoding::English;
    case Shell::SmsManner::Hex:
        return Encoding::Hex;
    case Shell::SmsManner::Chinese:
        break;
    }
    return Encoding::Chinese;
}

void SmsTestTab::prepare()
{
    const ModuleState &module = m_shell.link().module();
    m_shell.setSmsMannerVisible(true);
    const bool passive = module.workForm == 0;
    for (QWidget *w : {static_cast<QWidget *>(m_addressCaption), static_cast<QWidget *>(m_moduleAddress),
                       static_cast<QWidget *>(m_requestButtons[kReadButton]),
                       static_cast<QWidget *>(m_requestButtons[kStatusButton])})
        w->setVisible(passive);
    showTransForm(module.transForm);
    m_source->clear();
    m_sendArea->clear();
    m_receive->clear();
    m_sender->clear();
    m_receiver->clear();
    m_moduleAddress->clear();
}

void SmsTestTab::showWorkForm(int workForm)
{
    const bool passive = workForm == 0;
    m_addressCaption->setVisible(passive);
    m_moduleAddress->setVisible(passive);
    m_requestButtons[kReadButton]->setVisible(passive);
    m_requestButtons[kStatusButton]->setVisible(passive);
    m_requestButtons[kSendButton]->setVisible(true);
}

void SmsTestTab::hideButtons()
{
    for (QPushButton *b : m_requestButtons)
        b->hide();
}

void SmsTestTab::showTransForm(int transForm)
{
    const bool format = transForm != 0;
    m_captions[4]->setVisible(format);
    m_captions[5]->setVisible(format);
    m_sender->setVisible(format);
    m_receiver->setVisible(format);
}

void SmsTestTab::showSendCount()
{
    m_shell.setPanel(Shell::SendCountPanel, QString::number(sendCount(m_sendArea->toPlainText(), encoding())));
}

void SmsTestTab::refuse(Button button, const QString &text)
{
    message(this, text, tr("系统提示"), QMessageBox::Information);
    m_requestButtons[button]->setEnabled(true);
}

void SmsTestTab::requestClicked(Button button)
{
    if (m_pause.isActive())
        return;   // one request at a time, in the order they were asked for
    const ModuleState &module = m_shell.link().module();
    m_requestButtons[button]->setEnabled(false);
    emit repliesWanted();
    if (button == kResetButton)
        return;

    Pending pending;
    pending.button = button;
    const bool passive = module.workForm == 0;
    if (button == kReadButton || button == kStatusButton) {
        if (!addressValid(m_moduleAddress->text()))
            return refuse(button, tr("您输入的模块地址不正确，请重新输入"));
        const QByteArray address = moduleAddress(m_moduleAddress->text());
        pending.frame = button == kReadButton ? readRequest(address) : statusRequest(address);
        pending.answeredOnceWritten = button == kReadButton ? Request::Read : Request::Status;
    } else {
        const Encoding enc = encoding();
        Body body;
        switch (encodeBody(m_sendArea->toPlainText(), enc, body)) {
        case BodyCheck::Ok:
            break;
        case BodyCheck::Unfit:
            return refuse(button, tr("您所发射的内容不符合要求， 请输入要发射的内容"));
        case BodyCheck::NotAscii:
            return refuse(button, tr("英文方式只能发射ASCII字符，请修改要发射的内容"));
        }
        const SendForm form{passive, module.transForm != 0};
        if (!lengthFits(form, int(body.bytes.size())))
            return refuse(button, tr("您所发射的内容太长，最多32767个字节，请减少要发射的内容"));
        if (passive && !addressValid(m_moduleAddress->text()))
            return refuse(button, tr("您输入的模块地址不正确，请重新输入"));
        if (form.format && !numberValid(m_receiver->text()))
            return refuse(button, tr("您接收方地址不符合要求， 请输入接收方地址"));
        pending.frame = sendRequest(form, moduleAddress(m_moduleAddress->text()), packNumber(m_receiver->text()), body);
    }
    if (!port_ready(m_shell.link(), this)) {
        m_requestButtons[button]->setEnabled(true);
        return;
    }

    // The frame is fixed now: what is typed or chosen during the pause does not change it.
    m_shell.link().port().setDtr(false);
    // Replies are taken as answers to a message from the click on, to read
    // and status from their write, as the tab has always taken them.
    if (button == kSendButton)
        m_answering = Request::Send;
    m_pending = pending;
    m_lock.lock();
    m_pause.start(timing::interval(kPauseMs));
    emit requestWaiting(true);
}

void SmsTestTab::writeRequest()
{
    m_pause.stop();
    const Pending pending = std::exchange(m_pending, Pending{});
    if (port_ready(m_shell.link(), this)) {
        m_shell.link().send(pending.frame);
        if (pending.answeredOnceWritten != Request::None)
            m_answering = pending.answeredOnceWritten;
        log(logLines(sendPrefix(), hex_text(pending.frame)));
    }
    m_shell.link().port().setDtr(true);
    m_lock.unlock();
    if (pending.button)
        m_requestButtons[*pending.button]->setEnabled(true);
    emit requestWaiting(false);
}

void SmsTestTab::log(const QStringList &lines)
{
    // Appended at the end whatever the caret, one line each.
    QTextCursor end(m_source->document());
    end.movePosition(QTextCursor::End);
    for (const QString &line : lines)
        end.insertText(line + QLatin1Char('\n'));
}

void SmsTestTab::parse(const QByteArray &burst)
{
    const ModuleState &module = m_shell.link().module();
    const ReplyContext context{module.workForm, module.transForm, m_answering, m_messageGap.isActive()};
    const ReplyOutcome out = parseBurst(burst, context);
    log(out.log);
    if (out.status)
        m_shell.setPanel(Shell::ModulePanel, statusText(*out.status));
    if (out.collectedAny) {
        m_message += hex_text(out.collected);
        m_messageGap.stop();
        m_messageGap.setInterval(kMessageGapMs);
        m_messageGap.start();
    }
}

void SmsTestTab::messageGapOver()
{
    m_messageGap.stop();
    if (m_message.isEmpty())
        return;
    log(logLines(receivePrefix(), m_message));
    const QByteArray bytes = bytesFromHexText(m_message);
    m_message.clear();
    const ModuleState &module = m_shell.link().module();
    const DecodedMessage m = decodeMessage(bytes, module.workForm, module.transForm, encoding());
    if (m.hasSender)
        m_sender->setText(m.sender);
    m_receive->setPlainText(m.text + QLatin1Char('\n'));
}

void SmsTestTab::linkLost()
{
    if (m_pause.isActive()) {
        // The request can no longer be written: drop it and give the buttons back.
        m_pause.stop();
        const Pending pending = std::exchange(m_pending, Pending{});
        m_shell.link().port().setDtr(true);
        m_lock.unlock();
        if (pending.button)
            m_requestButtons[*pending.button]->setEnabled(true);
        emit requestWaiting(false);
    }
    // What arrived before the line went is shown, not lost.
    if (m_messageGap.isActive())
        messageGapOver();
}

} // namespace lt
