#include "smsconf_dlg.h"

#include "dialog_controls.h"
#include "frames.h"
#include "message_box.h"
#include "port_list.h"
#include "table_files.h"
#include "timing.h"

#include "language_menu.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>

namespace sms {

namespace {

const QString kGeometryKey = QStringLiteral("geometry");

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
                                  [this] { m_port.DiscardReceived(); }})
{
    setObjectName(QStringLiteral("CSmsconfDlg"));
    setWindowTitle(tr("组态短信设置软件-V1.0"));
    buildControls();
    connectButtons();
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
    // Logged when handed over: a page takes seconds on a slow line.
    if (m_port.isOpen())
        trafficLog().record(qx::TrafficLog::Direction::Sent, bytes);
    return m_port.WritePort(bytes);
}

CSmsconfDlg::~CSmsconfDlg()
{
    m_timer1.stop();
    m_timer2.stop();
    m_timer3.stop();
    m_port.ClosePort();
}

void CSmsconfDlg::buildControls()
{
    auto *sides = new QHBoxLayout(this);
    sides->addLayout(buildPhoneSide());
    sides->addLayout(buildMessageSide(), 1);
    m_operationGroup = {m_messages->stopReadButton(), m_messages->stopWriteButton(),
                        button(QStringLiteral("writePhoneTable")), button(QStringLiteral("readPhoneTable")),
                        button(QStringLiteral("writeMessages")), button(QStringLiteral("writeSingle")),
                        button(QStringLiteral("clearMessages")), button(QStringLiteral("setSerialParams")),
                        button(QStringLiteral("readMessages"))};

    // Open as tall as the screen allows up to every phone row, never smaller
    // than what every control needs.
    const QSize least = sides->minimumSize();
    const int extraRows = kPhoneSlots - PhoneSide::kRowsShown;
    QSize start(least.width(), least.height() + extraRows * phoneList()->verticalHeader()->defaultSectionSize());
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
    m_phones = std::make_unique<PhoneSide>(m_edits, this);
    m_phones->addTo(column);

    // The module's values, then the PC's port.
    auto *grid = new QGridLayout;
    column->addLayout(grid);
    m_moduleSettings = std::make_unique<ModuleSettingsGroup>(m_protocol, this);
    int row = m_moduleSettings->addRows(grid, 0);

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

    m_portPanel = std::make_unique<PortPanel>(m_port, this);
    m_portPanel->addRows(grid, row);
    // A loop must not run on against a closed port and then unlock the
    // operation group as if the port were still there.
    connect(m_portPanel.get(), &PortPanel::closing, this, &CSmsconfDlg::stopLoops);
    connect(m_portPanel.get(), &PortPanel::openChanged, this, [this](bool open) { setOperationGroup(open); });

    grid->setColumnStretch(1, 1);
    return column;
}

QLayout *CSmsconfDlg::buildMessageSide()
{
    auto *column = new QVBoxLayout;
    m_messages = std::make_unique<MessageSide>(m_edits, this);
    m_messages->addTo(column);
    return column;
}

// Every button does what its On… action does, whichever piece made it, so
// that a click and a call of the action are one and the same.
void CSmsconfDlg::connectButtons()
{
    const std::pair<const char *, void (CSmsconfDlg::*)()> actions[] = {
        {"writePhoneTable", &CSmsconfDlg::OnWritePhoneTable},
        {"readPhoneTable", &CSmsconfDlg::OnReadPhoneTable},
        {"exportPhones", &CSmsconfDlg::OnExportPhones},
        {"importPhones", &CSmsconfDlg::OnImportPhones},
        {"setDeviceAddress", &CSmsconfDlg::OnSetDeviceAddress},
        {"queryDeviceAddress", &CSmsconfDlg::OnQueryDeviceAddress},
        {"setRegisterAddress", &CSmsconfDlg::OnSetRegisterAddress},
        {"queryRegisterAddress", &CSmsconfDlg::OnQueryRegisterAddress},
        {"setSerialParams", &CSmsconfDlg::OnSetSerialParams},
        {"querySerialParams", &CSmsconfDlg::OnQuerySerialParams},
        {"openPort", &CSmsconfDlg::OnOpenClose},
        {"readMessages", &CSmsconfDlg::OnReadMessages},
        {"stopRead", &CSmsconfDlg::OnStopRead},
        {"writeMessages", &CSmsconfDlg::OnWriteMessages},
        {"stopWrite", &CSmsconfDlg::OnStopWrite},
        {"writeSingle", &CSmsconfDlg::OnWriteSingle},
        {"clearMessages", &CSmsconfDlg::OnClearMessages},
        {"exportMessages", &CSmsconfDlg::OnExportMessages},
        {"importMessages", &CSmsconfDlg::OnImportMessages},
    };
    for (const auto &[name, action] : actions)
        connect(button(QLatin1String(name)), &QPushButton::clicked, this, action);
}

void CSmsconfDlg::rememberIn(QSettings *settings)
{
    m_settings = settings;
    m_portPanel->rememberIn(settings);
    if (settings)
        restoreGeometry(settings->value(kGeometryKey).toByteArray());
}

QPushButton *CSmsconfDlg::button(const QString &objectName) const
{
    return findChild<QPushButton *>(objectName, Qt::FindDirectChildrenOnly);
}

void CSmsconfDlg::setOperationGroup(bool enabled, QPushButton *except)
{
    for (auto *b : m_operationGroup)
        b->setEnabled(b == except ? !enabled : enabled);
}

void CSmsconfDlg::stopLoops()
{
    m_protocol.StopLoops();
    m_timer2.stop();
    m_timer3.stop();
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
    trafficLog().record(qx::TrafficLog::Direction::Received, reply);
    m_protocol.ApplyReply(reply);
}

void CSmsconfDlg::onLineLost()
{
    m_portPanel->close();
    showMessage(tr("串口已断开，请检查连接后重新打开串口"), noticeTitle());
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
    setOperationGroup(false, m_messages->stopReadButton());
    m_protocol.StartRead();
    progressBar()->setRange(0, kBlockCount);
    progressBar()->setValue(0);
    m_timer2.start(timing::interval(100));
}

void CSmsconfDlg::OnStopRead()
{
    m_protocol.readState = CommandProtocol::kIdle;
    setOperationGroup(true);
}

void CSmsconfDlg::OnWriteMessages()
{
    setOperationGroup(false, m_messages->stopWriteButton());
    m_protocol.StartWrite();
    progressBar()->setRange(0, kPageCount);
    progressBar()->setValue(1);
    m_timer3.start(timing::interval(100));
}

void CSmsconfDlg::OnStopWrite()
{
    m_protocol.writeState = CommandProtocol::kIdle;
    setOperationGroup(true);
}

void CSmsconfDlg::OnWriteSingle()
{
    if (positionBox()->text().isEmpty()) {
        showMessage(tr("请选择需要写入的编号"), noticeTitle());
        return;
    }
    m_protocol.WriteSinglePage(positionBox()->text().toInt());
}

void CSmsconfDlg::OnExportPhones()
{
    TableFiles::save(this, *m_phones);
}

void CSmsconfDlg::OnImportPhones()
{
    TableFiles::load(this, *m_phones);
}

void CSmsconfDlg::OnExportMessages()
{
    TableFiles::save(this, *m_messages);
}

void CSmsconfDlg::OnImportMessages()
{
    TableFiles::load(this, *m_messages);
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
        && !question(this, tr("电话号码表或信息表中有修改尚未写入模块，关闭后这些修改将丢失。\n确定要关闭吗？"), noticeTitle()))
        return;
    QDialog::reject();
}

void CSmsconfDlg::selectSerialParam(SerialList list, int index)
{
    moduleList(list)->setCurrentIndex(index);
}

void CSmsconfDlg::setDeviceAddress(const QString &text)
{
    deviceAddressBox()->setText(text);
}

void CSmsconfDlg::setRegisterAddress(const QString &text)
{
    registerAddressBox()->setText(text);
}

void CSmsconfDlg::setProgress(int value)
{
    progressBar()->setValue(value);
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
    return qx::modemManagerRunning(m_portPanel->portSystem().procRoot) ? QLatin1Char('\n') + qx::modemManagerNote()
                                                                       : QString();
}

} // namespace sms
