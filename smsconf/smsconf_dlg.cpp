#include "smsconf_dlg.h"

#include "frames.h"
#include "input_dialogs.h"
#include "message_box.h"
#include "timing.h"

#include "language_menu.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>

#include <climits>

namespace sms {

namespace {

const QString kNotice = QStringLiteral("提示");
const QString kOpenCaption = QStringLiteral("打开串口");
const QString kCloseCaption = QStringLiteral("关闭串口");

// Dialog units of the layout to pixels (an 8-point dialog font).
QRect du(int x, int y, int w, int h)
{
    return QRect(qRound(x * 1.5), qRound(y * 1.625), qRound(w * 1.5), qRound(h * 1.625));
}

const QStringList kBaudRates = {QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                                QStringLiteral("9600"), QStringLiteral("14400"), QStringLiteral("19200"),
                                QStringLiteral("38400"), QStringLiteral("57600"), QStringLiteral("115200")};

QTableWidget *makeList(QWidget *parent, const QString &name, const QString &head0, int width0,
                       const QString &head1, int width1, int rows, int firstLabel)
{
    auto *list = new QTableWidget(rows, 2, parent);
    list->setObjectName(name);
    list->setHorizontalHeaderLabels({head0, head1});
    list->verticalHeader()->hide();
    list->verticalHeader()->setDefaultSectionSize(18);
    list->setColumnWidth(0, width0);
    list->setColumnWidth(1, width1);
    list->setShowGrid(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    for (int r = 0; r < rows; ++r) {
        auto *label = new QTableWidgetItem(QString::number(firstLabel + r));
        label->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        list->setItem(r, 0, label);
        auto *value = new QTableWidgetItem;
        value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        list->setItem(r, 1, value);
    }
    // Selected rows white on dodger blue whether or not the list has focus, all others black on white.
    QPalette pal = list->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, QPalette::Highlight, QColor(30, 144, 255));
        pal.setColor(group, QPalette::HighlightedText, Qt::white);
        pal.setColor(group, QPalette::Base, Qt::white);
        pal.setColor(group, QPalette::Text, Qt::black);
    }
    list->setPalette(pal);
    return list;
}

QComboBox *makeCombo(QWidget *parent, const QString &name, const QStringList &entries, int chosen,
                     bool editable, QRect where)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (editable)
        combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(entries);
    combo->setCurrentIndex(chosen);
    combo->setGeometry(where);
    return combo;
}

// A text box, or a list that takes a typed value (the module's four lists).
bool takesTyping(const QWidget *w)
{
    const auto *list = qobject_cast<const QComboBox *>(w);
    return qobject_cast<const QLineEdit *>(w) || (list && list->isEditable());
}

} // namespace

CSmsconfDlg::CSmsconfDlg(QWidget *parent) : CSmsconfDlg(makeSystemPortDevice, parent)
{
}

CSmsconfDlg::CSmsconfDlg(PortDeviceFactory makeDevice, QWidget *parent)
    : QDialog(parent),
      m_port(std::move(makeDevice)),
      m_protocol(*this, Transport{[this](const QByteArray &bytes) { return writeRequest(bytes); },
                                  [this] { m_port.DiscardReceived(); }})
{
    setObjectName(QStringLiteral("CSmsconfDlg"));
    setWindowTitle(QStringLiteral("组态短信设置软件-V1.0"));
    setFixedSize(du(0, 0, 535, 403).size());
    buildControls();
    fillLists();
    setOperationGroup(false);

    connect(&m_timer1, &QTimer::timeout, this, &CSmsconfDlg::onReplyTick);
    connect(&m_timer2, &QTimer::timeout, this, [this] { m_protocol.ReadLoopTick(); });
    connect(&m_timer3, &QTimer::timeout, this, [this] { m_protocol.WriteLoopTick(); });
    m_timer1.start(timing::interval(50));
    m_protocol.readState = CommandProtocol::kIdle;
    m_protocol.writeState = CommandProtocol::kIdle;

    // The reader thread only says a reply is whole; it is taken here, on the dialog's thread.
    m_port.setWholeReplyNotifier(
        [this] { QMetaObject::invokeMethod(this, &CSmsconfDlg::takeWholeReply, Qt::QueuedConnection); });
    setReplyRule(ReplyRule::WholeReply);
}

void CSmsconfDlg::setReplyRule(ReplyRule rule)
{
    m_replyRule = rule;
    m_protocol.setStepOnReply(rule == ReplyRule::WholeReply);
}

int CSmsconfDlg::writeRequest(const QByteArray &bytes)
{
    // Set before the bytes go out, so that not even the quickest answer comes
    // before the port knows its shape; a request without one clears the last.
    if (m_replyRule == ReplyRule::WholeReply)
        m_port.expectReply(replyShapeFor(bytes));
    return m_port.WritePort(bytes);
}

CSmsconfDlg::~CSmsconfDlg()
{
    m_timer1.stop();
    m_timer2.stop();
    m_timer3.stop();
    m_port.ClosePort();
}

QPushButton *CSmsconfDlg::addButton(const QString &name, const QString &caption, int x, int y, int w, int h,
                                    void (CSmsconfDlg::*slot)())
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(du(x, y, w, h));
    // Enter belongs to the dialog (it closes it), not to whichever button had focus last.
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

void CSmsconfDlg::buildControls()
{
    m_phoneList = makeList(this, QStringLiteral("phoneList"), QStringLiteral("序号"), 80,
                           QStringLiteral("电话号码"), 200, kPhoneSlots, 1);
    m_phoneList->setGeometry(du(7, 6, 207, 224));
    m_messageList = makeList(this, QStringLiteral("messageList"), QStringLiteral("寄存器位置"), 80,
                             QStringLiteral("信息内容"), 350, kMessageCount, 0);
    m_messageList->setGeometry(du(218, 49, 310, 345));
    m_messageList->viewport()->installEventFilter(this);
    connect(m_phoneList, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { editPhone(row); });
    connect(m_messageList, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { editMessage(row); });

    auto label = [this](const QString &text, int x, int y, int w = 40) {
        auto *l = new QLabel(text, this);
        l->setGeometry(du(x, y, w, 10));
        return l;
    };
    auto box = [this](const QString &name, QRect where) {
        auto *e = new QLineEdit(this);
        e->setObjectName(name);
        e->setGeometry(where);
        return e;
    };

    auto *writePhone = addButton(QStringLiteral("writePhoneTable"), QStringLiteral("写入号码表"), 7, 236, 55, 13,
                                 &CSmsconfDlg::OnWritePhoneTable);
    auto *readPhone = addButton(QStringLiteral("readPhoneTable"), QStringLiteral("读取号码表"), 69, 236, 55, 13,
                                &CSmsconfDlg::OnReadPhoneTable);

    label(QStringLiteral("设备地址"), 7, 258);
    m_deviceAddress = box(QStringLiteral("deviceAddress"), du(50, 257, 47, 12));
    addButton(QStringLiteral("setDeviceAddress"), QStringLiteral("设置"), 100, 256, 55, 13,
              &CSmsconfDlg::OnSetDeviceAddress);
    addButton(QStringLiteral("queryDeviceAddress"), QStringLiteral("查询"), 159, 256, 55, 13,
              &CSmsconfDlg::OnQueryDeviceAddress);
    label(QStringLiteral("寄存器地址"), 7, 273);
    m_registerAddress = box(QStringLiteral("registerAddress"), du(50, 272, 47, 12));
    addButton(QStringLiteral("setRegisterAddress"), QStringLiteral("设置"), 100, 271, 55, 13,
              &CSmsconfDlg::OnSetRegisterAddress);
    addButton(QStringLiteral("queryRegisterAddress"), QStringLiteral("查询"), 159, 271, 55, 13,
              &CSmsconfDlg::OnQueryRegisterAddress);

    label(QStringLiteral("波特率"), 7, 291);
    m_moduleBaud = makeCombo(this, QStringLiteral("moduleBaud"), kBaudRates, 3, true, du(49, 290, 47, 12));
    auto *setSerial = addButton(QStringLiteral("setSerialParams"), QStringLiteral("设置"), 101, 289, 54, 13,
                                &CSmsconfDlg::OnSetSerialParams);
    addButton(QStringLiteral("querySerialParams"), QStringLiteral("查询"), 159, 289, 55, 13,
              &CSmsconfDlg::OnQuerySerialParams);
    label(QStringLiteral("数据位"), 7, 307);
    m_dataBits = makeCombo(this, QStringLiteral("dataBits"), {QStringLiteral("8位"), QStringLiteral("9位")}, 0, true,
                           du(49, 306, 47, 12));
    label(QStringLiteral("校验位"), 7, 322);
    m_parity = makeCombo(this, QStringLiteral("parity"),
                         {QStringLiteral("无校验"), QStringLiteral("奇校验"), QStringLiteral("偶校验")}, 0, true,
                         du(49, 321, 47, 12));
    label(QStringLiteral("停止位"), 7, 337);
    m_stopBits = makeCombo(this, QStringLiteral("stopBits"), {QStringLiteral("1位"), QStringLiteral("2位")}, 0, true,
                           du(49, 336, 47, 12));

    auto *portLabel = label(QStringLiteral("串口编号"), 7, 368, 34);
    m_portNumber = box(QStringLiteral("portNumber"), du(42, 366, 50, 13));
    auto *baudLabel = label(QStringLiteral("波特率"), 7, 385, 34);
    m_pcBaud = makeCombo(this, QStringLiteral("pcBaud"), kBaudRates, 3, false, du(42, 382, 51, 16));
    m_openButton = addButton(QStringLiteral("openPort"), kOpenCaption, 95, 365, 59, 29, &CSmsconfDlg::OnOpenClose);
    m_portGroup = {m_portNumber, m_pcBaud, portLabel, baudLabel};

    label(QStringLiteral("序号"), 218, 8, 24);
    m_position = box(QStringLiteral("position"), du(243, 6, 66, 13));
    m_position->setReadOnly(true);
    m_position->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_position));

    auto *readMessages = addButton(QStringLiteral("readMessages"), QStringLiteral("读信息表"), 313, 6, 44, 13,
                                   &CSmsconfDlg::OnReadMessages);
    m_stopRead = addButton(QStringLiteral("stopRead"), QStringLiteral("中断读取"), 313, 20, 44, 13,
                           &CSmsconfDlg::OnStopRead);
    auto *writeMessages = addButton(QStringLiteral("writeMessages"), QStringLiteral("写信息表"), 362, 6, 44, 13,
                                    &CSmsconfDlg::OnWriteMessages);
    m_stopWrite = addButton(QStringLiteral("stopWrite"), QStringLiteral("中断写入"), 362, 20, 44, 13,
                            &CSmsconfDlg::OnStopWrite);
    auto *writeSingle = addButton(QStringLiteral("writeSingle"), QStringLiteral("单次写入"), 413, 6, 44, 13,
                                  &CSmsconfDlg::OnWriteSingle);
    auto *clearMessages = addButton(QStringLiteral("clearMessages"), QStringLiteral("清空信息表"), 484, 6, 44, 13,
                                    &CSmsconfDlg::OnClearMessages);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setGeometry(du(218, 35, 310, 11));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);

    m_operationGroup = {m_stopRead, m_stopWrite, writePhone, readPhone, writeMessages,
                        writeSingle, clearMessages, setSerial, readMessages};

    // A dialog has no menu bar: the language entry is a menu button in the
    // free corner beside the module's serial lists, right-aligned with the
    // buttons above it and as wide as its words need.
    auto *language = new QPushButton(this);
    language->setObjectName(QStringLiteral("languageButton"));
    language->setAutoDefault(false);
    auto *menu = new qx::LanguageMenu([this](const QString &text, const QString &title) { showMessage(text, title); },
                                      language);
    language->setMenu(menu);
    language->setText(menu->title());
    const QRect corner = du(101, 336, 113, 13);
    const int width = qMin(language->sizeHint().width(), corner.width());
    language->setGeometry(corner.right() + 1 - width, corner.y(), width, corner.height());
}

void CSmsconfDlg::fillLists()
{
    m_position->clear();
    m_deviceAddress->clear();
    m_registerAddress->clear();
    m_portNumber->setText(QStringLiteral("4"));
}

QComboBox *CSmsconfDlg::moduleList(SerialList list) const
{
    switch (list) {
    case SerialList::Baud:
        return m_moduleBaud;
    case SerialList::DataBits:
        return m_dataBits;
    case SerialList::Parity:
        return m_parity;
    case SerialList::StopBits:
        return m_stopBits;
    }
    return nullptr;
}

QPushButton *CSmsconfDlg::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName, Qt::FindDirectChildrenOnly);
}

int CSmsconfDlg::selectedIndex(const QComboBox *list)
{
    return list->currentText().isEmpty() ? -1 : list->findText(list->currentText(), Qt::MatchExactly);
}

void CSmsconfDlg::setOperationGroup(bool enabled, QPushButton *except)
{
    for (auto *b : m_operationGroup)
        b->setEnabled(b == except ? !enabled : enabled);
}

void CSmsconfDlg::setPortOpenLook(bool open)
{
    m_openButton->setText(open ? kCloseCaption : kOpenCaption);
    for (auto *w : m_portGroup)
        w->setEnabled(!open);
    setOperationGroup(open);
}

void CSmsconfDlg::OnOpenClose()
{
    if (m_openButton->text() == kOpenCaption) {
        const int number = leadingNumber(m_portNumber->text().toLatin1());
        const int baud = leadingNumber(m_pcBaud->currentText().toLatin1());
        if (!m_port.OpenPort(number, baud)) {
            showMessage(QStringLiteral("串口打开失败"), kNotice);
            return;
        }
        setPortOpenLook(true);
    } else {
        closePort();
    }
}

void CSmsconfDlg::closePort()
{
    // A loop must not run on against a closed port and then unlock the
    // operation group as if the port were still there.
    m_protocol.StopLoops();
    m_timer2.stop();
    m_timer3.stop();
    m_port.ClosePort();
    setPortOpenLook(false);
}

void CSmsconfDlg::onReplyTick()
{
    if (m_port.isOpen() && m_port.lineLost()) {
        onLineLost();
        return;
    }
    m_port.ReplyTimerTick([this](const QByteArray &reply) { m_protocol.ApplyReply(reply); });
}

void CSmsconfDlg::takeWholeReply()
{
    m_port.TakeWholeReply([this](const QByteArray &reply) { m_protocol.ApplyReply(reply); });
}

void CSmsconfDlg::onLineLost()
{
    closePort();
    showMessage(QStringLiteral("串口已断开，请检查连接后重新打开串口"), kNotice);
}

void CSmsconfDlg::OnWritePhoneTable()
{
    m_protocol.SendPhoneTable(m_protocol.phoneNumbers());
}

void CSmsconfDlg::OnReadPhoneTable()
{
    for (int row = 0; row < kPhoneSlots; ++row)
        setPhoneNumber(row, QString());
    m_protocol.RequestPhoneTable();
}

void CSmsconfDlg::OnClearMessages()
{
    m_protocol.ClearMessageTable();
}

void CSmsconfDlg::OnReadMessages()
{
    for (int row = 0; row < kMessageCount; ++row)
        setMessageText(row, QString());
    setOperationGroup(false, m_stopRead);
    m_protocol.StartRead();
    m_progress->setRange(0, kBlockCount);
    m_progress->setValue(0);
    m_timer2.start(timing::interval(100));
}

void CSmsconfDlg::OnStopRead()
{
    m_protocol.readState = CommandProtocol::kIdle;
    setOperationGroup(true);
}

void CSmsconfDlg::OnWriteMessages()
{
    setOperationGroup(false, m_stopWrite);
    m_protocol.StartWrite();
    m_progress->setRange(0, kPageCount);
    m_progress->setValue(1);
    m_timer3.start(timing::interval(100));
}

void CSmsconfDlg::OnStopWrite()
{
    m_protocol.writeState = CommandProtocol::kIdle;
    setOperationGroup(true);
}

void CSmsconfDlg::OnWriteSingle()
{
    if (m_position->text().isEmpty()) {
        showMessage(QStringLiteral("请选择需要写入的编号"), kNotice);
        return;
    }
    m_protocol.WriteSinglePage(m_position->text().toInt());
}

bool CSmsconfDlg::addressValue(const QLineEdit *box, int *value)
{
    // Only a plain decimal number that fits is sent; anything else would go
    // out as some other address than the one typed.
    bool ok = false;
    const QString text = box->text().trimmed();
    const qlonglong v = text.toLongLong(&ok);
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!ok || !digits.match(text).hasMatch() || v > INT_MAX) {
        showMessage(QStringLiteral("您输入的设备地址错误"), kNotice);
        return false;
    }
    *value = int(v);
    return true;
}

void CSmsconfDlg::OnSetDeviceAddress()
{
    int value = 0;
    if (addressValue(m_deviceAddress, &value))
        m_protocol.SetDeviceAddress(value);
}

void CSmsconfDlg::OnQueryDeviceAddress()
{
    m_deviceAddress->clear();
    m_protocol.QueryDeviceAddress();
}

void CSmsconfDlg::OnSetRegisterAddress()
{
    int value = 0;
    if (addressValue(m_registerAddress, &value))
        m_protocol.SetRegisterAddress(value);
}

void CSmsconfDlg::OnQueryRegisterAddress()
{
    m_registerAddress->clear();
    m_protocol.QueryRegisterAddress();
}

void CSmsconfDlg::OnSetSerialParams()
{
    const int baud = selectedIndex(m_moduleBaud);
    const int dataBits = selectedIndex(m_dataBits);
    const int parity = selectedIndex(m_parity);
    const int stopBits = selectedIndex(m_stopBits);
    // A list without a choice would go out as a byte the module cannot take.
    if (baud < 0 || dataBits < 0 || parity < 0 || stopBits < 0) {
        showMessage(QStringLiteral("请从列表中选择模块的波特率、数据位、校验位和停止位"), kNotice);
        return;
    }
    m_protocol.SetSerialParams(baud, dataBits, parity, stopBits);
}

void CSmsconfDlg::OnQuerySerialParams()
{
    for (auto list : {SerialList::Baud, SerialList::DataBits, SerialList::Parity, SerialList::StopBits})
        moduleList(list)->setCurrentIndex(-1);
    m_protocol.QuerySerialParams();
}

void CSmsconfDlg::editPhone(int row)
{
    auto *box = new CInputMsg(this);
    m_phoneInput = box;
    connect(box, &QDialog::accepted, this, [this, box, row] {
        if (box->confirmed()) {
            setPhoneNumber(row, box->text());
            m_edits.phoneEdited(row);
        }
    });
    box->show();
}

void CSmsconfDlg::editMessage(int row)
{
    auto *box = new CInfoDlg(this);
    m_messageInput = box;
    connect(box, &QDialog::accepted, this, [this, box, row] {
        if (box->confirmed()) {
            setMessageText(row, box->text());
            m_edits.messageEdited(row);
        }
    });
    box->show();
}

void CSmsconfDlg::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter ends typing in a box, not the program.
        if (takesTyping(focusWidget()))
            return;
        close();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CSmsconfDlg::reject()
{
    // The lists are the tables' only copy: ask before dropping what the module does not hold.
    if (m_edits.any()
        && !question(this, tr("电话号码表或信息表中有修改尚未写入模块，关闭后这些修改将丢失。\n确定要关闭吗？"), kNotice))
        return;
    QDialog::reject();
}

bool CSmsconfDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_messageList->viewport() && event->type() == QEvent::MouseButtonPress) {
        const int row = m_messageList->rowAt(static_cast<QMouseEvent *>(event)->position().toPoint().y());
        m_position->setText(row < 0 ? QString() : m_messageList->item(row, 0)->text());
    }
    return QDialog::eventFilter(watched, event);
}

QString CSmsconfDlg::phoneNumber(int row) const
{
    const auto *item = m_phoneList->item(row, 1);
    return item ? item->text() : QString();
}

void CSmsconfDlg::setPhoneNumber(int row, const QString &number)
{
    if (auto *item = m_phoneList->item(row, 1))
        item->setText(number);
    m_edits.phoneReplaced(row);
}

QString CSmsconfDlg::messageText(int row) const
{
    const auto *item = m_messageList->item(row, 1);
    return item ? item->text() : QString();
}

void CSmsconfDlg::setMessageText(int row, const QString &text)
{
    if (auto *item = m_messageList->item(row, 1))
        item->setText(text);
    m_edits.messageReplaced(row);
}

void CSmsconfDlg::selectSerialParam(SerialList list, int index)
{
    moduleList(list)->setCurrentIndex(index);
}

void CSmsconfDlg::setDeviceAddress(const QString &text)
{
    m_deviceAddress->setText(text);
}

void CSmsconfDlg::setRegisterAddress(const QString &text)
{
    m_registerAddress->setText(text);
}

void CSmsconfDlg::setProgress(int value)
{
    m_progress->setValue(value);
}

void CSmsconfDlg::loopEnded(Loop loop)
{
    (loop == Loop::Read ? m_timer2 : m_timer3).stop();
    setOperationGroup(m_port.isOpen());
}

void CSmsconfDlg::loopStepped(Loop loop)
{
    (loop == Loop::Read ? m_timer2 : m_timer3).start();
}

void CSmsconfDlg::phonesStored(const QStringList &numbers)
{
    m_edits.phonesStored(numbers, m_protocol.phoneNumbers());
}

void CSmsconfDlg::pageStored(int page, const QStringList &texts)
{
    m_edits.messagesStored(kPageRecords * page, texts, m_protocol.pageTexts(page));
}

void CSmsconfDlg::showMessage(const QString &text, const QString &title)
{
    message(this, text, title);
}

} // namespace sms
