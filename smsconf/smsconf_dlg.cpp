#include "smsconf_dlg.h"

#include "box_width.h"
#include "frames.h"
#include "input_dialogs.h"
#include "message_box.h"
#include "port_box.h"
#include "port_list.h"
#include "timing.h"

#include "language_menu.h"
#include "program.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

#include <climits>

namespace sms {

namespace {

const QString kNotice = QStringLiteral("提示");
const QString kOpenCaption = QStringLiteral("打开串口");
const QString kCloseCaption = QStringLiteral("关闭串口");
const QString kDefaultPort = QStringLiteral("4");

// Settings keys.
const QString kPortKey = QStringLiteral("port");
const QString kBaudKey = QStringLiteral("baud");
const QString kLogKey = QStringLiteral("trafficLog");
const QString kGeometryKey = QStringLiteral("geometry");

// Rows of the phone list always in sight; a taller window shows them all.
constexpr int kPhoneRowsShown = 8;
constexpr int kMessageRowsShown = 8;

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
    // A row as high as a line of the font (Chinese included) needs, never lower than the original 18.
    list->verticalHeader()->setDefaultSectionSize(qMax(18, list->fontMetrics().height() + 4));
    // The original widths, or what a heading needs when its words are wider.
    list->setColumnWidth(0, qMax(width0, list->horizontalHeader()->sectionSizeHint(0)));
    list->setColumnWidth(1, qMax(width1, list->horizontalHeader()->sectionSizeHint(1)));
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

// Wide enough for every column without a horizontal scroll bar, and high
// enough for the header and `rows` rows.
void sizeList(QTableWidget *list, int rows)
{
    const int frame = 2 * list->frameWidth();
    list->setMinimumWidth(list->horizontalHeader()->length() + list->verticalScrollBar()->sizeHint().width() + frame);
    list->setMinimumHeight(list->horizontalHeader()->sizeHint().height()
                           + rows * list->verticalHeader()->defaultSectionSize() + frame);
}

QComboBox *makeCombo(QWidget *parent, const QString &name, const QStringList &entries, int chosen, bool editable)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (editable)
        combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(entries);
    combo->setCurrentIndex(chosen);
    return combo;
}

QLineEdit *makeBox(QWidget *parent, const QString &name, const QString &longestValue)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(name);
    qx::fitToLongest(e, longestValue);
    return e;
}

// A text box, or a list that takes a typed value (the module's four lists, the port box).
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
                                  [this] { m_port.DiscardReceived(); }}),
      m_logFolder(qx::TrafficLog::defaultFolder())
{
    setObjectName(QStringLiteral("CSmsconfDlg"));
    setWindowTitle(QStringLiteral("组态短信设置软件-V1.0"));
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
    connect(&m_log, &qx::TrafficLog::failed, this, &CSmsconfDlg::onLogFailed);
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
    // Logged when handed over: a page takes seconds on a slow line.
    if (m_port.isOpen())
        m_log.record(qx::TrafficLog::Direction::Sent, bytes);
    return m_port.WritePort(bytes);
}

CSmsconfDlg::~CSmsconfDlg()
{
    m_timer1.stop();
    m_timer2.stop();
    m_timer3.stop();
    m_port.ClosePort();
}

QPushButton *CSmsconfDlg::addButton(const QString &name, const QString &caption, void (CSmsconfDlg::*slot)())
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(name);
    // Enter belongs to the dialog (it closes it), not to whichever button had focus last.
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

void CSmsconfDlg::buildControls()
{
    auto *sides = new QHBoxLayout(this);
    sides->addLayout(buildPhoneSide());
    sides->addLayout(buildMessageSide(), 1);
    m_operationGroup = {m_stopRead, m_stopWrite, button(QStringLiteral("writePhoneTable")),
                        button(QStringLiteral("readPhoneTable")), button(QStringLiteral("writeMessages")),
                        button(QStringLiteral("writeSingle")), button(QStringLiteral("clearMessages")),
                        button(QStringLiteral("setSerialParams")), button(QStringLiteral("readMessages"))};

    // Open as tall as the screen allows up to every phone row, never smaller
    // than what every control needs.
    const QSize least = sides->minimumSize();
    const int extraRows = kPhoneSlots - kPhoneRowsShown;
    QSize start(least.width(), least.height() + extraRows * m_phoneList->verticalHeader()->defaultSectionSize());
    if (const QScreen *s = screen()) {
        // Room for the title bar and the window's edges.
        const QSize room = s->availableGeometry().size() - QSize(16, 40);
        start = start.boundedTo(room);
    }
    resize(start.expandedTo(least));
}

QLayout *CSmsconfDlg::buildPhoneSide()
{
    auto *column = new QVBoxLayout;

    m_phoneList = makeList(this, QStringLiteral("phoneList"), QStringLiteral("序号"), 80,
                           QStringLiteral("电话号码"), 200, kPhoneSlots, 1);
    sizeList(m_phoneList, kPhoneRowsShown);
    connect(m_phoneList, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { editPhone(row); });
    column->addWidget(m_phoneList, 1);

    auto *writePhone = addButton(QStringLiteral("writePhoneTable"), QStringLiteral("写入号码表"),
                                 &CSmsconfDlg::OnWritePhoneTable);
    auto *readPhone = addButton(QStringLiteral("readPhoneTable"), QStringLiteral("读取号码表"),
                                &CSmsconfDlg::OnReadPhoneTable);
    auto *exportPhones = addButton(QStringLiteral("exportPhones"), tr("导出…"), &CSmsconfDlg::OnExportPhones);
    exportPhones->setToolTip(tr("把电话号码表存为 CSV 文件（序号,电话号码）"));
    auto *importPhones = addButton(QStringLiteral("importPhones"), tr("导入…"), &CSmsconfDlg::OnImportPhones);
    importPhones->setToolTip(tr("从 CSV 文件读入电话号码表；写入模块仍需按“写入号码表”"));
    auto *phoneButtons = new QHBoxLayout;
    for (auto *b : {writePhone, readPhone, exportPhones, importPhones})
        phoneButtons->addWidget(b);
    column->addLayout(phoneButtons);

    // Label, box, set, query: the module's values, then the PC's port.
    auto *grid = new QGridLayout;
    column->addLayout(grid);
    int row = 0;
    auto label = [this, grid, &row](const QString &text) {
        auto *l = new QLabel(text, this);
        grid->addWidget(l, row, 0);
        return l;
    };

    label(QStringLiteral("设备地址"));
    m_deviceAddress = makeBox(this, QStringLiteral("deviceAddress"), QStringLiteral("2147483647"));
    grid->addWidget(m_deviceAddress, row, 1);
    grid->addWidget(addButton(QStringLiteral("setDeviceAddress"), QStringLiteral("设置"), &CSmsconfDlg::OnSetDeviceAddress),
                    row, 2);
    grid->addWidget(
        addButton(QStringLiteral("queryDeviceAddress"), QStringLiteral("查询"), &CSmsconfDlg::OnQueryDeviceAddress), row, 3);
    ++row;
    label(QStringLiteral("寄存器地址"));
    m_registerAddress = makeBox(this, QStringLiteral("registerAddress"), QStringLiteral("2147483647"));
    grid->addWidget(m_registerAddress, row, 1);
    grid->addWidget(
        addButton(QStringLiteral("setRegisterAddress"), QStringLiteral("设置"), &CSmsconfDlg::OnSetRegisterAddress), row, 2);
    grid->addWidget(
        addButton(QStringLiteral("queryRegisterAddress"), QStringLiteral("查询"), &CSmsconfDlg::OnQueryRegisterAddress),
        row, 3);
    ++row;

    label(QStringLiteral("波特率"));
    m_moduleBaud = makeCombo(this, QStringLiteral("moduleBaud"), kBaudRates, 3, true);
    grid->addWidget(m_moduleBaud, row, 1);
    grid->addWidget(addButton(QStringLiteral("setSerialParams"), QStringLiteral("设置"), &CSmsconfDlg::OnSetSerialParams),
                    row, 2);
    grid->addWidget(
        addButton(QStringLiteral("querySerialParams"), QStringLiteral("查询"), &CSmsconfDlg::OnQuerySerialParams), row, 3);
    ++row;
    label(QStringLiteral("数据位"));
    m_dataBits = makeCombo(this, QStringLiteral("dataBits"), {QStringLiteral("8位"), QStringLiteral("9位")}, 0, true);
    grid->addWidget(m_dataBits, row++, 1);
    label(QStringLiteral("校验位"));
    m_parity = makeCombo(this, QStringLiteral("parity"),
                         {QStringLiteral("无校验"), QStringLiteral("奇校验"), QStringLiteral("偶校验")}, 0, true);
    grid->addWidget(m_parity, row++, 1);
    label(QStringLiteral("停止位"));
    m_stopBits = makeCombo(this, QStringLiteral("stopBits"), {QStringLiteral("1位"), QStringLiteral("2位")}, 0, true);
    grid->addWidget(m_stopBits, row, 1);

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
    grid->addWidget(language, row++, 2, 1, 2, Qt::AlignRight);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    grid->addWidget(line, row++, 0, 1, 4);

    auto *portLabel = label(QStringLiteral("串口编号"));
    m_portBox = new qx::PortBox(this);
    m_portBox->setRescanInterval(timing::interval(qx::PortBox::kRescanMs));
    m_portBox->setObjectName(QStringLiteral("portNumber"));
    m_portBox->setToolTip(tr("串口编号 n（即 COMn）、COMn 或设备路径，如 /dev/ttyUSB0"));
    grid->addWidget(m_portBox, row, 1, 1, 2);
    m_openButton = addButton(QStringLiteral("openPort"), kOpenCaption, &CSmsconfDlg::OnOpenClose);
    m_openButton->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Expanding);
    grid->addWidget(m_openButton, row++, 3, 2, 1);
    auto *baudLabel = label(QStringLiteral("波特率"));
    m_pcBaud = makeCombo(this, QStringLiteral("pcBaud"), kBaudRates, 3, false);
    grid->addWidget(m_pcBaud, row, 1);
    m_logBox = new QCheckBox(tr("通讯记录"), this);
    m_logBox->setObjectName(QStringLiteral("trafficLog"));
    m_logBox->setToolTip(tr("打开串口后把收发的每一块数据连同时间记到 CSV 文件里"));
    connect(m_logBox, &QCheckBox::clicked, this, &CSmsconfDlg::onLogClicked);
    grid->addWidget(m_logBox, row++, 2);
    m_portGroup = {m_portBox, m_pcBaud, portLabel, baudLabel};

    grid->setColumnStretch(1, 1);
    return column;
}

QLayout *CSmsconfDlg::buildMessageSide()
{
    auto *column = new QVBoxLayout;

    auto *top = new QGridLayout;
    column->addLayout(top);
    top->addWidget(new QLabel(QStringLiteral("序号"), this), 0, 0);
    m_position = makeBox(this, QStringLiteral("position"), QString::number(kMessageCount - 1));
    m_position->setReadOnly(true);
    m_position->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_position));
    top->addWidget(m_position, 0, 1);

    auto *readMessages = addButton(QStringLiteral("readMessages"), QStringLiteral("读信息表"), &CSmsconfDlg::OnReadMessages);
    m_stopRead = addButton(QStringLiteral("stopRead"), QStringLiteral("中断读取"), &CSmsconfDlg::OnStopRead);
    auto *writeMessages = addButton(QStringLiteral("writeMessages"), QStringLiteral("写信息表"), &CSmsconfDlg::OnWriteMessages);
    m_stopWrite = addButton(QStringLiteral("stopWrite"), QStringLiteral("中断写入"), &CSmsconfDlg::OnStopWrite);
    auto *writeSingle = addButton(QStringLiteral("writeSingle"), QStringLiteral("单次写入"), &CSmsconfDlg::OnWriteSingle);
    auto *clearMessages = addButton(QStringLiteral("clearMessages"), QStringLiteral("清空信息表"), &CSmsconfDlg::OnClearMessages);
    auto *exportMessages = addButton(QStringLiteral("exportMessages"), tr("导出…"), &CSmsconfDlg::OnExportMessages);
    exportMessages->setToolTip(tr("把信息表存为 CSV 文件（位置,信息内容）"));
    auto *importMessages = addButton(QStringLiteral("importMessages"), tr("导入…"), &CSmsconfDlg::OnImportMessages);
    importMessages->setToolTip(tr("从 CSV 文件读入信息表；写入模块仍需按“写信息表”"));
    top->addWidget(readMessages, 0, 2);
    top->addWidget(writeMessages, 0, 3);
    top->addWidget(writeSingle, 0, 4);
    top->addWidget(clearMessages, 0, 5);
    top->addWidget(m_stopRead, 1, 2);
    top->addWidget(m_stopWrite, 1, 3);
    top->addWidget(exportMessages, 1, 4);
    top->addWidget(importMessages, 1, 5);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("progress"));
    m_progress->setTextVisible(false);
    m_progress->setRange(0, 100);
    m_progress->setValue(0);
    column->addWidget(m_progress);

    m_messageList = makeList(this, QStringLiteral("messageList"), QStringLiteral("寄存器位置"), 80,
                             QStringLiteral("信息内容"), 350, kMessageCount, 0);
    sizeList(m_messageList, kMessageRowsShown);
    m_messageList->viewport()->installEventFilter(this);
    connect(m_messageList, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { editMessage(row); });
    column->addWidget(m_messageList, 1);
    return column;
}

void CSmsconfDlg::fillLists()
{
    m_position->clear();
    m_deviceAddress->clear();
    m_registerAddress->clear();
    m_portBox->setValue(kDefaultPort);
}

void CSmsconfDlg::rememberIn(QSettings *settings)
{
    m_settings = settings;
    if (!settings)
        return;
    // A port that is gone is not offered again: the box keeps its default,
    // and nothing is opened before the user asks.
    const QString port = settings->value(kPortKey).toString();
    if (!port.isEmpty() && QFileInfo::exists(qx::portDevice(port)))
        m_portBox->setValue(port);
    const int baud = m_pcBaud->findText(settings->value(kBaudKey).toString());
    if (baud >= 0)
        m_pcBaud->setCurrentIndex(baud);
    m_logBox->setChecked(settings->value(kLogKey, false).toBool());
    restoreGeometry(settings->value(kGeometryKey).toByteArray());
}

void CSmsconfDlg::applyStartOptions(const StartOptions &options)
{
    if (!options.port.isEmpty())
        m_portBox->setValue(options.port);
    if (options.log)
        m_logBox->setChecked(true);
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
    if (m_openButton->text() == kOpenCaption)
        openPort();
    else
        closePort();
}

void CSmsconfDlg::openPort()
{
    const QString chosen = m_portBox->value();
    const QString device = qx::portDevice(chosen);
    const int baud = leadingNumber(m_pcBaud->currentText().toLatin1());
    // Another program's lock counts even where the system would let this
    // one open the device too (as it does for root).
    if (const auto holder = qx::portLockHolder(device, m_portSystem)) {
        qx::PortRefusal busy;
        busy.kind = qx::PortRefusal::Busy;
        busy.device = device;
        busy.holder = holder;
        refusePort(busy);
        return;
    }
    if (!m_port.OpenDevice(device, baud)) {
        refusePort(qx::explainOpenFailure(device, m_port.lastOpenFault(), m_portSystem));
        return;
    }
    setPortOpenLook(true);
    if (m_settings) {
        // A device by the name that finds it again wherever it is plugged in.
        m_settings->setValue(kPortKey, qx::portNumber(chosen) > 0 ? chosen : qx::stablePortName(chosen));
        m_settings->setValue(kBaudKey, m_pcBaud->currentText());
    }
    if (m_logBox->isChecked())
        startLog();
}

void CSmsconfDlg::refusePort(const qx::PortRefusal &refusal)
{
    const QString text = refusal.text();
    if (text.isEmpty())
        showMessage(QStringLiteral("串口打开失败"), kNotice);
    else
        message(this, text, qx::PortRefusal::title(), QMessageBox::Warning);
}

void CSmsconfDlg::startLog()
{
    const QString chosen = m_portBox->value();
    const qx::TrafficLog::Session session{
        QCoreApplication::applicationName() + QLatin1Char(' ') + qx::programVersion(), chosen,
        qx::portDevice(chosen), m_pcBaud->currentText() + QStringLiteral(",n,8,1")};
    m_log.open(m_logFolder, session);
}

void CSmsconfDlg::onLogClicked(bool on)
{
    if (m_settings)
        m_settings->setValue(kLogKey, on);
    if (!on)
        m_log.close();
    else if (m_port.isOpen())
        startLog();
}

void CSmsconfDlg::onLogFailed(const QString &text)
{
    // The log is off; the exchange goes on without it.
    m_logBox->setChecked(false);
    showMessage(text, kNotice);
}

void CSmsconfDlg::closePort()
{
    // A loop must not run on against a closed port and then unlock the
    // operation group as if the port were still there.
    m_protocol.StopLoops();
    m_timer2.stop();
    m_timer3.stop();
    m_port.ClosePort();
    m_log.close();
    setPortOpenLook(false);
}

void CSmsconfDlg::onReplyTick()
{
    if (m_port.isOpen() && m_port.lineLost()) {
        onLineLost();
        return;
    }
    m_port.ReplyTimerTick([this](const QByteArray &reply) { applyReply(reply); });
}

void CSmsconfDlg::takeWholeReply()
{
    m_port.TakeWholeReply([this](const QByteArray &reply) { applyReply(reply); });
}

void CSmsconfDlg::applyReply(const QByteArray &reply)
{
    // Logged as the reply rule cut it, which is what the dialog acted on.
    m_log.record(qx::TrafficLog::Direction::Received, reply);
    m_protocol.ApplyReply(reply);
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

void CSmsconfDlg::OnExportPhones()
{
    exportTable(TableKind::Phones);
}

void CSmsconfDlg::OnImportPhones()
{
    importTable(TableKind::Phones);
}

void CSmsconfDlg::OnExportMessages()
{
    exportTable(TableKind::Messages);
}

void CSmsconfDlg::OnImportMessages()
{
    importTable(TableKind::Messages);
}

void CSmsconfDlg::exportTable(TableKind kind)
{
    const bool phones = kind == TableKind::Phones;
    const QString path = fileToSave(this, phones ? tr("导出电话号码表") : tr("导出信息表"),
                                    phones ? tr("电话号码表.csv") : tr("信息表.csv"));
    if (path.isEmpty())
        return;
    QStringList values;
    for (int row = 0; row < (phones ? kPhoneSlots : kMessageCount); ++row)
        values << (phones ? phoneNumber(row) : messageText(row));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(sms::exportTable(kind, values)) < 0 || !file.commit())
        showMessage(tr("无法写入文件 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), kNotice);
}

void CSmsconfDlg::importTable(TableKind kind)
{
    const bool phones = kind == TableKind::Phones;
    const QString path = fileToOpen(this, phones ? tr("导入电话号码表") : tr("导入信息表"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        showMessage(tr("无法读取文件 %1：%2").arg(QDir::toNativeSeparators(path), file.errorString()), kNotice);
        return;
    }
    const TableImport read = sms::importTable(kind, file.readAll());
    if (!read.ok()) {
        showMessage(read.refusal(), kNotice);
        return;
    }
    // What was typed and not yet written would be replaced: ask first.
    if ((phones ? m_edits.anyPhones() : m_edits.anyMessages())
        && !question(this,
                     phones ? tr("电话号码表中有修改尚未写入模块，导入后这些修改将被文件内容替换。\n确定要导入吗？")
                            : tr("信息表中有修改尚未写入模块，导入后这些修改将被文件内容替换。\n确定要导入吗？"),
                     kNotice))
        return;
    // The lists only: the module gets the tables when the user writes them.
    for (int row = 0; row < read.values.size(); ++row) {
        const QString before = phones ? phoneNumber(row) : messageText(row);
        if (read.values.at(row) == before)
            continue;
        if (phones) {
            setPhoneNumber(row, read.values.at(row));
            m_edits.phoneEdited(row);
        } else {
            setMessageText(row, read.values.at(row));
            m_edits.messageEdited(row);
        }
    }
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

void CSmsconfDlg::done(int result)
{
    if (m_settings)
        m_settings->setValue(kGeometryKey, saveGeometry());
    QDialog::done(result);
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

QString CSmsconfDlg::noAnswerNote() const
{
    return qx::modemManagerRunning(m_portSystem.procRoot) ? QLatin1Char('\n') + qx::modemManagerNote() : QString();
}

} // namespace sms
