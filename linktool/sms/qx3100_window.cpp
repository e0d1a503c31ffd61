#include "qx3100_window.h"

#include "info_panel.h"
#include "module_model_group.h"
#include "parameter_page.h"
#include "sms_test_tab.h"

#include "qx3100/codes.h"
#include "qx3100/requests.h"

#include "link/link.h"
#include "link/timing.h"
#include "ui/message_box.h"
#include "ui/open_link.h"
#include "ui/settings_files.h"
#include "ui/shell.h"
#include "ui/strings.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace lt {

using qx3100::Group;

namespace {

// The parser goes back to this window's mode a second after load, and the
// first refresh comes then too.
constexpr int kSettleMs = 1000;

} // namespace

void openQx3100Window(Shell &shell)
{
    if (auto *open = shell.frame().findChild<Qx3100Window *>()) {
        shell.activateChild(open);
        // The connect window has just opened the port and left its own parser
        // armed (after a lost link, or for another module): the window takes
        // the new link as it does when it opens.
        open->load();
        return;
    }
    auto *window = new Qx3100Window(shell);
    QMdiSubWindow *sub = shell.addChild(window);
    // Top left of the frame's area, 11800 x 8180 twips, or larger where the
    // fonts need more room to show every text whole.
    sub->move(0, 0);
    shell.fitChild(window, QSize(twips(11800), twips(8180)));
    window->load();
}

Qx3100Window::Qx3100Window(Shell &shell, QWidget *parent)
    : QWidget(parent), m_shell(shell),
      m_recorder(this,
                 [this]() -> std::optional<int> {
                     // "9600,n,8,1": the rate the module answered at.
                     bool ok = false;
                     const int bps = m_shell.link().port().settings().section(QLatin1Char(','), 0, 0).toInt(&ok);
                     return ok ? std::optional(bps) : std::nullopt;
                 }),
      m_parser(m_recorder, shell.link().module()), m_reads(timing::interval, QStringLiteral("Timer2"), this),
      m_workModeWrite(timing::interval, QStringLiteral("Timer1"), this),
      m_powerSavingWrite(timing::interval, QStringLiteral("Timer3"), this),
      m_settingsWrite(timing::interval, QStringLiteral("settingsWrite"), this)
{
    setObjectName(QStringLiteral("frm3100COM"));
    setWindowTitle(tr("短信模块参数设置"));

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_page = new ParameterPage;
    auto *smsPage = new QWidget;
    auto *smsLayout = new QHBoxLayout(smsPage);
    m_smsTest = new SmsTestTab(shell, smsPage);
    m_phone = new PhoneTableGroup(*this, smsPage);
    smsLayout->addWidget(m_smsTest, 3);
    smsLayout->addWidget(m_phone, 2);
    m_tabs->addTab(m_page, tr("    基本设置    "));
    m_tabs->addTab(smsPage, tr("    短信测试    "));
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(m_tabs, 3);
    layout->addLayout(buildSide(), 1);
    m_loopLock.setWidgets({}, {m_tabs->tabBar(), m_page, m_smsTest});

    for (qx::Sequencer *s : {&m_reads, &m_workModeWrite, &m_powerSavingWrite}) {
        connect(s, &qx::Sequencer::send, this, &Qx3100Window::send);
        connect(s, &qx::Sequencer::finished, this, &Qx3100Window::unlock);
    }
    connect(&m_settingsWrite, &qx::Sequencer::send, this, &Qx3100Window::send);
    connect(&m_reads, &qx::Sequencer::finished, this, [this] {
        if (std::exchange(m_readBackPending, false))
            m_files->readBack();
    });
    const std::pair<QTimer *, const char *> timers[] = {{&m_rearmParser, "Timer5"}, {&m_firstRefresh, "Timer6"}};
    for (auto [timer, name] : timers) {
        timer->setObjectName(QLatin1String(name));
        timer->setParent(this);   // found by name like every other control
        timer->setSingleShot(true);
    }
    connect(&m_rearmParser, &QTimer::timeout, this, [this] {
        m_shell.link().setParseMode(ParseMode::Qx3100);
        m_shell.link().port().setDtr(false);
    });
    connect(&m_firstRefresh, &QTimer::timeout, this, &Qx3100Window::refresh);

    connect(m_page, &ParameterPage::writeRequested, this, &Qx3100Window::write);
    connect(m_tabs, &QTabWidget::currentChanged, this, &Qx3100Window::tabChanged);
    connect(m_smsTest, &SmsTestTab::repliesWanted, this, [this] { m_repliesTo = RepliesTo::SmsTest; });
    // The SMS request's pause locks the window as a sequence does.
    connect(m_smsTest, &SmsTestTab::requestWaiting, this, [this](bool waiting) {
        if (waiting)
            lock();
        else
            unlock();
    });
    connect(&m_shell.link(), &Link::vanished, this, &Qx3100Window::linkLost);
}

Qx3100Window::~Qx3100Window() = default;

QVBoxLayout *Qx3100Window::buildSide()
{
    m_panel = new InfoPanel;
    m_model = new ModuleModelGroup;
    connect(m_panel, &InfoPanel::refreshClicked, this, [this] {
        if (portReady())
            refresh();
    });
    connect(m_panel, &InfoPanel::exitClicked, this, &Qx3100Window::close);
    connect(m_model, &ModuleModelGroup::writeRequested, this, [this] { write(Group::ModuleType); });
    m_files = new SettingsFiles(
        this, {QStringLiteral("QX3100"), qx3100::fieldNames(),
               // The baud rate keeps its own button: the module answers at the new rate at once.
               [](const QString &field) {
                   const auto group = qx3100::groupOf(field);
                   return group && *group != Group::Baud;
               },
               [this] { return qx3100::toParams(lastRead()); },
               [this](const QJsonObject &params, QJsonObject &taken) -> std::optional<params::Refusal> {
                   const qx3100::ParamsRead read = qx3100::fromParams(params);
                   if (read.refusal)
                       return read.refusal;
                   m_page->fill(read.settings);
                   if (read.settings.module_type)
                       m_model->choose(*read.settings.module_type);
                   taken = qx3100::toParams(read.settings);
                   return std::nullopt;
               },
               [this](const QJsonObject &taken, const QStringList &changed) { return writeSettings(taken, changed); }});
    // Beside the refresh button: the file holds what a refresh read.
    m_panel->placeBesideRefresh(m_files->saveButton());
    m_panel->placeBesideRefresh(m_files->loadButton());
    auto *side = new QVBoxLayout;
    side->addWidget(m_panel);
    side->addWidget(m_model);
    side->addStretch();
    return side;
}

void Qx3100Window::load()
{
    m_smsTest->hideButtons();
    Link &link = m_shell.link();
    link.registerParser(ParseMode::Qx3100, this, [this](const QByteArray &block) { parse(block); });
    m_tabs->setCurrentIndex(0);
    m_page->showSpinnerValues();
    m_shell.showPortInUse();
    m_shell.setPortUser(this);
    link.port().setDtr(false);
    m_rearmParser.start(timing::interval(kSettleMs));
    link.setParseMode(ParseMode::Qx3100);
    m_firstRefresh.start(timing::interval(kSettleMs));
    m_phone->checkDb();
}

bool Qx3100Window::portReady()
{
    return port_ready(m_shell.link(), this);
}

void Qx3100Window::send(const QByteArray &frame)
{
    m_shell.link().send(frame);
}

void Qx3100Window::parse(const QByteArray &block)
{
    if (m_repliesTo == RepliesTo::SmsTest && !qx3100::isPhoneTableAnswer(block))
        m_smsTest->parse(block);
    else
        m_parser.parse(block);
}

void Qx3100Window::lock()
{
    m_page->lockButtons();
    m_panel->lockButtons();
    m_model->lockButtons();
    m_phone->lockButtons();
    m_files->saveButton()->setEnabled(false);
    m_files->loadButton()->setEnabled(false);
    m_tabs->setEnabled(false);
    m_locked = true;
}

void Qx3100Window::unlock()
{
    if (m_loopLocked) {
        m_loopLock.unlock();
        m_loopLocked = false;
    }
    m_page->unlockButtons();
    m_panel->unlockButtons();
    m_model->unlockButtons();
    m_phone->unlockButtons();
    m_files->saveButton()->setEnabled(true);
    m_files->loadButton()->setEnabled(true);
    m_tabs->setEnabled(true);
    m_locked = false;
}

void Qx3100Window::lockForLoop()
{
    // Disabling the tab control would take the pause button with it: the
    // tab bar and the rest of the tabs are locked instead.
    lock();
    m_loopLock.lock();
    m_loopLocked = true;
    m_tabs->setEnabled(true);
}

void Qx3100Window::unlockAfterLoop()
{
    unlock();
}

void Qx3100Window::refresh()
{
    m_panel->showPlaceholders();
    m_recorder.clear();
    m_reads.start(qx3100::readPlan());
    m_repliesTo = RepliesTo::Parameters;
    lock();
}

void Qx3100Window::write(Group group)
{
    if (!portReady())
        return;
    qx3100::Settings values = m_page->values(group);
    if (group == Group::ModuleType) {
        values.module_type = m_model->model();
        if (!values.module_type)
            return;   // nothing chosen, nothing to send
    }
    if (group == Group::Baud && !values.baud) {
        // A rate typed that the list does not have goes out as code 0, as it always has.
        send(qx3100::setByte(code::kSerialLine, qx3100::baudCode(std::nullopt)));
        return;
    }
    // Checked before anything is sent: once a sequence runs, the locked
    // window could not be corrected.
    const qx3100::GroupWrite w = qx3100::writeGroup(group, values);
    if (w.refusal) {
        m_page->focusField(w.refusal->field);
        message(this, w.refusal->message, w.refusal->title);
        return;
    }
    if (const auto plan = qx3100::writePlan(group, w.frames)) {
        (group == Group::WorkMode ? m_workModeWrite : m_powerSavingWrite).start(*plan);
        lock();
        return;
    }
    for (const QByteArray &frame : w.frames)
        send(frame);
}

bool Qx3100Window::writeSettings(const QJsonObject &taken, const QStringList &changed)
{
    // The comparison stays open while the window works; a write then would
    // run beside a refresh or another write and mix their frames.
    if (m_locked) {
        message(this, tr("正在与模块通信，请等这次操作结束后再写入模块"), tr("系统提示"));
        return false;
    }
    if (!portReady())
        return false;
    const qx3100::Settings settings = qx3100::fromParams(taken).settings;
    QJsonObject wanted;
    for (const QString &field : changed)
        wanted.insert(field, taken.value(field));
    // Every group is checked before the first is sent.
    QList<qx::Sequencer::Plan> plans;
    for (const Group group : groupsGiven(qx3100::writeOrder(), wanted, &qx3100::fieldsOf)) {
        const qx3100::GroupWrite w = qx3100::writeGroup(group, settings);
        if (w.refusal) {
            m_files->refuse(*w.refusal);
            return false;
        }
        plans += plansOf(group, w.frames, &qx3100::writePlan);
    }
    lock();
    m_settingsChain.run(plans, [this] {
        unlock();   // the refresh locks again
        m_readBackPending = true;
        refresh();
    });
    return true;
}

void Qx3100Window::sendNow(Group group)
{
    for (const QByteArray &frame : qx3100::writeGroup(group, m_page->values(group)).frames)
        send(frame);
}

void Qx3100Window::tabChanged(int index)
{
    if (index == 1) {
        setWindowTitle(tr("短信模块通信测试"));
        m_repliesTo = RepliesTo::SmsTest;
        m_smsTest->prepare();
    } else {
        setWindowTitle(tr("短信模块参数设置"));
        m_repliesTo = RepliesTo::Parameters;
    }
    m_shell.setSmsMannerVisible(true);
}

void Qx3100Window::stopSequences()
{
    for (qx::Sequencer *s : {&m_reads, &m_workModeWrite, &m_powerSavingWrite})
        s->stop();
    m_settingsChain.stop();
    m_readBackPending = false;
    m_rearmParser.stop();
    m_firstRefresh.stop();
    m_phone->linkLost();
    m_smsTest->linkLost();
}

void Qx3100Window::linkLost()
{
    stopSequences();
    if (m_locked)
        unlock();
}

void Qx3100Window::closeEvent(QCloseEvent *event)
{
    stopSequences();
    m_shell.showPortUnused();
    if (m_shell.portUser() == this)
        m_shell.setPortUser(nullptr);
    if (m_shell.link().port().isOpen())
        m_shell.link().port().close();
    event->accept();
}

// ---- what the frame half of the parser shows ----

void Qx3100Window::initialisationFinished()
{
    postMessage(this, tr("模块初始化已经完成，您可以设置参数了"), tr("提示信息"));
}

void Qx3100Window::showWorkForm(bool passive)
{
    m_panel->showWorkForm(passive);
    m_page->showWorkForm(passive);
    m_smsTest->showWorkForm(passive ? 0 : 1);
}

void Qx3100Window::showTransForm(bool transparent)
{
    m_panel->showTransForm(transparent);
    m_page->showTransForm(transparent);
    m_smsTest->showTransForm(transparent ? 0 : 1);
}

void Qx3100Window::showReceiver(const QString &number)
{
    m_panel->showReceiver(number);
    m_page->showReceiver(number);
}

void Qx3100Window::showPasswordUse(bool used)
{
    m_panel->showPasswordUse(used);
    // The module gets its own setting back, as when the user chooses it.
    if (m_page->showPasswordUse(used))
        sendNow(Group::PasswordUse);
}

void Qx3100Window::showPassword(const QString &colonText)
{
    m_panel->showPassword(colonText);
}

void Qx3100Window::showVersion(const QString &version)
{
    m_panel->showVersion(version, m_shell.link().port().settings());
}

void Qx3100Window::showPassiveAddress(const QString &colonText)
{
    m_panel->showPassiveAddress(colonText);
    m_page->showPassiveAddress(colonText);
}

void Qx3100Window::showRestartTime(double seconds)
{
    m_page->showRestartTime(seconds);
    m_panel->showRestartTime(seconds);
}

void Qx3100Window::showTransparentMode(int mode)
{
    m_panel->showTransparentMode(mode);
}

void Qx3100Window::showAddressParameters(int start, int length, int maxInGroup, int type)
{
    m_panel->showAddressParameters(start, length, maxInGroup, type);
    m_page->showAddressType(type);
}

void Qx3100Window::showPowerSaving(bool on)
{
    m_panel->showPowerSaving(on);
    m_page->showPowerSaving(on);
}

void Qx3100Window::showWakeDelays(double idleSeconds, double dataSeconds)
{
    m_panel->showWakeDelays(idleSeconds, dataSeconds);
    m_page->showWakeDelays(idleSeconds, dataSeconds);
}

void Qx3100Window::showWakeMode(int mode)
{
    m_panel->showWakeMode(mode);
    m_page->showWakeMode(mode);
}

void Qx3100Window::phoneEntryRead(const QByteArray &record)
{
    m_phone->entryRead(record);
}

void Qx3100Window::phoneEntryWritten(int high, int low)
{
    m_phone->entryWritten(high, low);
}

void Qx3100Window::readNext(int step)
{
    m_reads.next(step);
}

} // namespace lt
