#include "qx3200_window.h"

#include "data_test_page.h"
#include "identity_page.h"
#include "param_display.h"
#include "param_page.h"

#include "link/link.h"
#include "link/timing.h"
#include "sequencer.h"
#include "ui/message_box.h"
#include "ui/network_wait_notice.h"
#include "ui/open_link.h"
#include "ui/settings_files.h"
#include "ui/shell.h"
#include "ui/strings.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lt {

using qx3200::Group;

namespace {

// The pages of the tab control, by the work mode they belong to.
constexpr int kParamPageIndex = 0;
constexpr int kDataTestIndex = 1;
constexpr int kIdentityIndex = 2;

// The single-shot waits of the window.
constexpr int kReplaceDelayMs = 100;
constexpr int kFirstRefreshMs = 1000;
constexpr int kIdentityRetryMs = 100;

// The port's line as the connect window set it ("9600,n,8,1"): the module's
// line options start as the port's own.
struct PortLine
{
    int baud;
    int dataBits;
    qx3200::Parity parity;
    int stopBits;
};

PortLine portLineOf(const QString &settings)
{
    const QStringList parts = settings.split(QLatin1Char(','));
    const QString parity = parts.value(1).toLower();
    return {settings.left(qMax(0, int(settings.size()) - 6)).toInt(), parts.value(2) == QLatin1String("7") ? 7 : 8,
            parity == QLatin1String("e")   ? qx3200::Parity::Even
            : parity == QLatin1String("o") ? qx3200::Parity::Odd
                                           : qx3200::Parity::None,
            parts.value(3) == QLatin1String("2") ? 2 : 1};
}

void setUpTimer(QTimer &timer, QObject *window, const char *name)
{
    timer.setObjectName(QLatin1String(name));
    timer.setParent(window);   // found by name like every other control
    timer.setSingleShot(true);
}

} // namespace

void openQx3200Window(Shell &shell, WorkMode mode)
{
    if (Qx3200Window *window = Qx3200Window::find(shell)) {
        shell.activateChild(window);
        window->raise();
        // The connect window has just opened the port and left its own parser
        // armed (after a lost link, or with another working mode): the window
        // takes the new link as it does when it opens.
        window->load(mode);
        return;
    }
    auto *window = new Qx3200Window(shell, mode);
    shell.addChild(window)->move(0, 0);
    // The size it was drawn for, or larger where the fonts need more room.
    shell.fitChild(window, QSize(twips(11800), twips(8180)));
}

Qx3200Window *Qx3200Window::find(Shell &shell)
{
    return shell.frame().findChild<Qx3200Window *>();
}

Qx3200Window::Qx3200Window(Shell &shell, WorkMode mode, QWidget *parent)
    : QWidget(parent), m_shell(shell), m_workMode(mode),
      m_parser(m_views, *this, shell.link().module(), [this](const QByteArray &block) { m_dataTest->parse(block); })
{
    setObjectName(QStringLiteral("frm3200COM"));
    setWindowTitle(tr("模块设置"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_paramPage = new ParamPage;
    m_dataTest = new DataTestPage(shell);
    m_identityPage = new IdentityPage;
    m_tabs->addTab(m_paramPage, tr("    参数设置    "));
    m_tabs->addTab(m_dataTest, tr("    通信测试    "));
    m_tabs->addTab(m_identityPage, tr("身份地址设置"));
    m_display = new ParamDisplay(this);
    m_files = new SettingsFiles(
        this, {QStringLiteral("QX3200"), qx3200::fieldNames(),
               // The identity and the serial line keep their own buttons: the
               // network answers the one, the other changes the line at once.
               [](const QString &field) {
                   const auto group = qx3200::groupOf(field);
                   return group && *group != Group::Identity && *group != Group::SerialLine;
               },
               [this] { return qx3200::toParams(lastRead()); },
               [this](const QJsonObject &params, QJsonObject &taken) -> std::optional<params::Refusal> {
                   const qx3200::ParamsRead read = qx3200::fromParams(params);
                   if (read.refusal)
                       return read.refusal;
                   m_paramPage->fill(read.settings);
                   if (read.settings.project && read.settings.site)
                       m_identityPage->showIdentity({}, *read.settings.project, *read.settings.site, {});
                   taken = qx3200::toParams(read.settings);
                   return std::nullopt;
               },
               [this](const QJsonObject &taken, const QStringList &changed) { return writeSettings(taken, changed); }});
    // Beside the refresh button: the file holds what a refresh read.
    auto *files = new QVBoxLayout;
    files->addWidget(m_files->saveButton());
    files->addWidget(m_files->loadButton());
    files->addStretch();
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_display, 1);
    bottom->addLayout(files);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(bottom);
    for (qx3200::ParamView *view : std::initializer_list<qx3200::ParamView *>{
             &m_lastRead, m_display, m_paramPage, m_identityPage, m_dataTest})
        m_views.add(view);

    // The Command1 array, wherever its members sit: a sequence locks them all.
    QList<QWidget *> commandButtons;
    for (int i = 0; i < 12; ++i)
        commandButtons << findChild<QPushButton *>(QStringLiteral("Command1_%1").arg(i));
    m_lock.setWidgets(commandButtons << m_files->saveButton() << m_files->loadButton());

    connect(m_paramPage, &ParamPage::writeRequested, this, &Qx3200Window::write);
    connect(m_identityPage, &IdentityPage::writeRequested, this, [this] { write(Group::Identity); });
    connect(m_display, &ParamDisplay::refreshRequested, this, &Qx3200Window::refresh);
    connect(m_display, &ParamDisplay::exitRequested, this, &Qx3200Window::exit);

    m_readChain = new qx::Sequencer(timing::interval, QStringLiteral("Timer2"), this);
    connect(m_readChain, &qx::Sequencer::ticked, this, [this] {
        m_parser.setParameterMode(true);
        openPortIfClosed();
    });
    connect(m_readChain, &qx::Sequencer::send, this, &Qx3200Window::send);
    connect(m_readChain, &qx::Sequencer::finished, this, [this] {
        m_parser.setParameterMode(false);
        unlockButtons();
        if (std::exchange(m_readBackPending, false))
            m_files->readBack();
    });
    m_settingsWrite = new qx::Sequencer(timing::interval, QStringLiteral("settingsWrite"), this);
    connect(m_settingsWrite, &qx::Sequencer::send, this, &Qx3200Window::send);
    m_settingsChain = new PlanChain(*m_settingsWrite, this);
    const std::pair<Group, const char *> writes[] = {
        {Group::Heartbeat, "Timer1"}, {Group::WorkMode, "Timer4"}, {Group::PowerSaving, "Timer5"}};
    for (const auto &[group, timerName] : writes) {
        auto *sequence = new qx::Sequencer(timing::interval, QLatin1String(timerName), this);
        connect(sequence, &qx::Sequencer::send, this, &Qx3200Window::send);
        connect(sequence, &qx::Sequencer::finished, this, &Qx3200Window::unlockButtons);
        m_writes.insert(group, sequence);
    }
    // The working-mode write gets its port back on every tick, as it always has.
    connect(m_writes.value(Group::WorkMode), &qx::Sequencer::ticked, this, &Qx3200Window::openPortIfClosed);

    setUpTimer(m_replaceDelay, this, "Timer3");
    setUpTimer(m_firstRefresh, this, "Timer6");
    setUpTimer(m_identityRetry, this, "Timer7");
    connect(&m_replaceDelay, &QTimer::timeout, this, &Qx3200Window::replaceIdentity);
    connect(&m_firstRefresh, &QTimer::timeout, this, [this] {
        m_shell.link().port().setDtr(false);
        m_display->pressRefresh();
    });
    connect(&m_identityRetry, &QTimer::timeout, this, &Qx3200Window::writeIdentity);

    connect(m_tabs, &QTabWidget::currentChanged, this, &Qx3200Window::keepPage);
    connect(&shell.link(), &Link::vanished, this, &Qx3200Window::linkLost);
    shell.link().registerParser(ParseMode::Qx3200, this, [this](const QByteArray &block) { m_parser.parse(block); });

    load(mode);
}

Qx3200Window::~Qx3200Window() = default;

void Qx3200Window::load(WorkMode mode)
{
    m_workMode = mode;
    ModulePort &port = m_shell.link().port();
    port.setDtr(false);
    m_tabs->setCurrentIndex(mode == WorkMode::AddressSetting ? kIdentityIndex : kParamPageIndex);
    m_shell.link().setParseMode(ParseMode::Qx3200);
    m_dataTest->forgetModes();

    const PortLine line = portLineOf(port.settings());
    m_paramPage->showPortLine(line.baud, line.dataBits, line.parity, line.stopBits);
    m_paramPage->greyDependentControls();
    port.setDtr(false);
    m_shell.showPortInUse();
    m_shell.setPortUser(this);

    if (!port.isOpen() && port.open() != ModulePort::Opened) {
        message(this, port.serialPort().errorString(), tr("错误"), QMessageBox::Critical);
        return;
    }
    m_firstRefresh.start(timing::interval(kFirstRefreshMs));
}

void Qx3200Window::keepPage(int page)
{
    // Data communication has no identity page, address setting no data test.
    if (m_workMode == WorkMode::DataCommunication && page == kIdentityIndex)
        m_tabs->setCurrentIndex(kDataTestIndex);
    else if (m_workMode == WorkMode::AddressSetting && page == kDataTestIndex)
        m_tabs->setCurrentIndex(kIdentityIndex);
}

qx3200::Settings Qx3200Window::entries(Group group) const
{
    return group == Group::Identity ? m_identityPage->entries() : m_paramPage->entries(group);
}

bool Qx3200Window::refused(const qx3200::GroupWrite &write)
{
    if (!write.refusal)
        return false;
    message(this, write.refusal->message, write.refusal->title);
    return true;
}

void Qx3200Window::write(Group group)
{
    // The identity and working-mode writes open the port themselves when it
    // is closed: they get their chance first.
    if (group == Group::Identity || group == Group::WorkMode)
        openPortIfClosed();
    if (!port_ready(m_shell.link(), this))
        return;
    if (group == Group::Identity) {
        writeIdentity();
        return;
    }
    // The working mode has always locked before it looked at the lists.
    if (group == Group::WorkMode)
        lockButtons();
    const qx3200::GroupWrite write = qx3200::writeGroup(group, entries(group));
    if (refused(write)) {
        // Every button back, not only this one: a later run would otherwise
        // save and restore them disabled for good.
        if (group == Group::WorkMode)
            unlockButtons();
        return;
    }
    // The frames are built now, from what the page shows now: an edit while
    // the sequence runs cannot change it.
    if (const auto plan = qx3200::writePlan(group, write.frames)) {
        if (group != Group::WorkMode)
            lockButtons();
        m_writes.value(group)->start(*plan);
        return;
    }
    send(write.frames.first());
}

bool Qx3200Window::writeSettings(const QJsonObject &taken, const QStringList &changed)
{
    // The comparison stays open while the window works; a write then would
    // run beside a refresh or another write and mix their frames.
    if (m_lock.isLocked()) {
        message(this, tr("正在与模块通信，请等这次操作结束后再写入模块"), tr("系统提示"));
        return false;
    }
    openPortIfClosed();
    if (!port_ready(m_shell.link(), this))
        return false;
    const qx3200::Settings settings = qx3200::fromParams(taken).settings;
    QJsonObject wanted;
    for (const QString &field : changed)
        wanted.insert(field, taken.value(field));
    // Every group is checked before the first is sent.
    QList<qx::Sequencer::Plan> plans;
    for (const Group group : groupsGiven(qx3200::writeOrder(), wanted, &qx3200::fieldsOf)) {
        const qx3200::GroupWrite w = qx3200::writeGroup(group, settings);
        if (w.refusal) {
            m_files->refuse(*w.refusal);
            return false;
        }
        plans += plansOf(group, w.frames, &qx3200::writePlan);
    }
    lockButtons();
    m_settingsChain->run(plans, [this] {
        unlockButtons();   // the refresh locks again
        m_readBackPending = true;
        refresh();
    });
    return true;
}

void Qx3200Window::writeIdentity()
{
    const qx3200::GroupWrite write = qx3200::writeGroup(Group::Identity, entries(Group::Identity));
    if (refused(write))
        return;
    // Only a write that goes out waits for its result; the outcome is a
    // parameter reply, and parameter replies stay expected until a read chain ends.
    m_parser.setParameterMode(true);
    m_parser.setIdentityPending(true);
    openPortIfClosed();
    send(write.frames.first());
    closeWaitNotice();
    m_waitNotice = new NetworkWaitNotice(this);
    m_waitNotice->setWindowModality(Qt::ApplicationModal);
    m_waitNotice->show();
}

void Qx3200Window::replaceIdentity()
{
    if (const auto frame = qx3200::identityReplaceFrame(entries(Group::Identity)))
        send(*frame);
    closeWaitNotice();
}

void Qx3200Window::refresh()
{
    openPortIfClosed();
    if (!port_ready(m_shell.link(), this))
        return;
    m_parser.setIdentityPending(false);
    m_display->showPlaceholders();
    m_lastRead.startRead();
    lockButtons();
    m_readChain->start(qx3200::readPlan());
    m_shell.link().port().setDtr(false);
}

void Qx3200Window::exit()
{
    m_shell.showPortUnused();
    m_shell.link().port().close();
    if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
        sub->close();
    else
        close();
}

void Qx3200Window::send(const QByteArray &frame)
{
    m_shell.link().send(frame);
}

void Qx3200Window::openPortIfClosed()
{
    // After a lost link this is how the window gets its port back: the
    // status panel says so again.
    ModulePort &port = m_shell.link().port();
    if (!port.isOpen() && port.open() == ModulePort::Opened)
        m_shell.showPortInUse();
}

void Qx3200Window::lockButtons()
{
    m_lock.lock();
}

void Qx3200Window::unlockButtons()
{
    m_lock.unlock();
}

void Qx3200Window::stopSequences()
{
    m_readChain->stop();
    for (qx::Sequencer *sequence : std::as_const(m_writes))
        sequence->stop();
    m_settingsChain->stop();
    m_readBackPending = false;
    for (QTimer *t : {&m_replaceDelay, &m_firstRefresh, &m_identityRetry})
        t->stop();
}

void Qx3200Window::linkLost()
{
    stopSequences();
    m_dataTest->linkLost();
    closeWaitNotice();
    m_parser.setParameterMode(false);
    m_parser.setIdentityPending(false);
    unlockButtons();
}

void Qx3200Window::closeWaitNotice()
{
    if (m_waitNotice)
        m_waitNotice->accept();
}

void Qx3200Window::closeEvent(QCloseEvent *event)
{
    stopSequences();
    m_dataTest->linkLost();
    closeWaitNotice();
    if (m_shell.portUser() == this)
        m_shell.setPortUser(nullptr);
    m_shell.link().port().close();
    m_shell.showPortUnused();
    event->accept();
}

// What the replies ask of the window.

void Qx3200Window::nextRead(int step)
{
    m_readChain->next(step);
}

void Qx3200Window::moduleReady()
{
    postMessage(this, tr("模块初始化已经完成，您可以接收和发射数据了"), tr("提示信息"));
}

void Qx3200Window::identityRetry()
{
    m_identityRetry.start(timing::interval(kIdentityRetryMs));
}

void Qx3200Window::identityResult(qx3200::IdentityResult result)
{
    switch (result) {
    case qx3200::IdentityResult::Accepted:
        postMessage(this, tr("模块身份地址设置成功"), tr("系统提示"));
        closeWaitNotice();
        break;
    case qx3200::IdentityResult::Refused:
        postMessage(this, tr("对不起，模块身份地址设置失败"), tr("错误提示"), QMessageBox::Critical);
        closeWaitNotice();
        break;
    case qx3200::IdentityResult::Offline:
        postMessage(this, tr("对不起，您的模块没有上网"), tr("错误提示"), QMessageBox::Critical);
        closeWaitNotice();
        break;
    case qx3200::IdentityResult::Taken:
        postMessage(this, tr("您设置的身份地址已经被占用，要替换它吗？"), tr("错误提示"), QMessageBox::Question,
                    QMessageBox::Yes | QMessageBox::No, [this](QMessageBox::StandardButton answer) {
                        if (answer == QMessageBox::Yes)
                            m_replaceDelay.start(timing::interval(kReplaceDelayMs));
                        else
                            // Declined: a later status 03 must not send the write again.
                            m_parser.setIdentityPending(false);
                    });
        break;
    }
}

} // namespace lt
