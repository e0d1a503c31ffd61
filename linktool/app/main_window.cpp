#include "main_window.h"

#include "chooser.h"

#include "link/handshake.h"
#include "link/link.h"
#include "modes/connect_windows.h"
#include "tools/tool_windows.h"
#include "ui/message_box.h"
#include "ui/strings.h"

#include "language_menu.h"
#include "program.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTextEdit>
#include <QUrl>

#include <utility>

namespace lt {

namespace {

// Settings keys of the main window; the connect windows keep theirs under their own names.
const QString kGeometryKey = QStringLiteral("main/geometry");
const QString kLogKey = QStringLiteral("trafficLog");

// The model a handshake's verdict names, for the log's head.
QString moduleModel(quint8 moduleType)
{
    return moduleType == code::kGprsModule ? QStringLiteral("QX3200") : QStringLiteral("QX3100");
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_mdi(new QMdiArea(this)), m_link(new Link(this)),
      m_handshake(new Handshake(*m_link, this)), m_logFolder(qx::TrafficLog::defaultFolder()),
      m_openFolder([](const QUrl &url) { return QDesktopServices::openUrl(url); })
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(tr("GPRS短信模块 测试程序"));
    setCentralWidget(m_mdi);
    // A child window larger than the area (a small screen, a large font) can be scrolled to.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    resize(QSize(1024, 720).boundedTo(screen()->availableGeometry().size()));
    connect(m_link, &Link::vanished, this, &MainWindow::onVanished);

    // The log only queues what passes; its own thread writes it, so the
    // exchange keeps its pace with the log on.
    ModulePort &port = m_link->port();
    connect(&port, &ModulePort::opened, this, [this] {
        if (m_logAction->isChecked())
            startLog();
    });
    connect(&port, &ModulePort::closed, this, [this] {
        m_log.close();
        m_model.clear();
    });
    connect(m_link, &Link::sent, this, [this](const QByteArray &frame) { m_log.record(qx::TrafficLog::Direction::Sent, frame); });
    connect(m_link, &Link::blockReceived, this,
            [this](const QByteArray &block) { m_log.record(qx::TrafficLog::Direction::Received, block); });
    connect(m_handshake, &Handshake::moduleTypeKnown, this, [this](quint8 type) {
        m_model = moduleModel(type);
        m_log.noteModel(m_model);
    });
    connect(&m_log, &qx::TrafficLog::failed, this, &MainWindow::onLogFailed);

    buildMenus();

    // Start-up: SMS menu hidden, chooser in 100 ms, status panels.
    m_smsManner->menuAction()->setVisible(false);
    m_chooserTimer.setObjectName(QStringLiteral("Timer1"));
    m_chooserTimer.setSingleShot(true);
    m_chooserTimer.setInterval(100);
    connect(&m_chooserTimer, &QTimer::timeout, this, &MainWindow::openChooser);
    m_chooserTimer.start();

    auto *bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(bar);
    for (int i = 0; i < 3; ++i) {
        m_panels[i] = new QLabel(bar);
        m_panels[i]->setObjectName(QStringLiteral("Panel%1").arg(i + 1));
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->addWidget(m_panels[i], 1);
    }
    setPanel(PortPanel, tr("未使用"));
    setPanel(ModulePanel, tr("未使用"));
    setPanel(SendCountPanel, QStringLiteral("0"));
}

MainWindow::~MainWindow()
{
    // The link outlives the members: what it says while it goes must not reach the log.
    disconnect(&m_link->port(), nullptr, this, nullptr);
    disconnect(m_link, nullptr, this, nullptr);
    disconnect(m_handshake, nullptr, this, nullptr);
}

void MainWindow::rememberIn(QSettings *settings)
{
    m_settings = settings;
    if (!settings)
        return;
    restoreGeometry(settings->value(kGeometryKey).toByteArray());
    m_logAction->setChecked(settings->value(kLogKey, false).toBool());
}

void MainWindow::applyStartOptions(const StartOptions &options)
{
    m_startPort = options.port;
    m_startModel = options.model;
    if (options.log)
        m_logAction->setChecked(true);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_settings)
        m_settings->setValue(kGeometryKey, saveGeometry());
    QMainWindow::closeEvent(event);
}

void MainWindow::buildMenus()
{
    auto addAction = [](QMenu *menu, const char *name, const QString &caption) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        return a;
    };

    QMenu *file = menuBar()->addMenu(tr("文件(&F)"));
    file->setObjectName(QStringLiteral("file"));
    connect(addAction(file, "clear_rece", tr("清空接收区")), &QAction::triggered, this, [this] { clearArea("receive"); });
    connect(addAction(file, "clear_send", tr("清空发射区")), &QAction::triggered, this, [this] { clearArea("send"); });
    connect(addAction(file, "clear_yuan", tr("清空源码区")), &QAction::triggered, this, [this] { clearArea("source"); });
    file->addSeparator();
    m_logAction = addAction(file, "trafficLog", tr("通讯记录"));
    m_logAction->setCheckable(true);
    m_logAction->setToolTip(tr("连接模块后把收发的每一块数据连同时间记到 CSV 文件里"));
    // Only the user's own choice is remembered, not --log nor a log that failed.
    connect(m_logAction, &QAction::triggered, this, [this](bool on) {
        if (m_settings)
            m_settings->setValue(kLogKey, on);
    });
    connect(m_logAction, &QAction::toggled, this, &MainWindow::onLogToggled);
    connect(addAction(file, "openLogFolder", tr("打开记录文件夹")), &QAction::triggered, this, &MainWindow::openLogFolder);

    m_smsManner = menuBar()->addMenu(tr("短信发送方式"));
    m_smsManner->setObjectName(QStringLiteral("sms_Manner"));
    auto *group = new QActionGroup(this);
    group->setExclusive(true);
    auto addManner = [&](const char *name, const QString &caption, SmsManner manner) {
        QAction *a = addAction(m_smsManner, name, caption);
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, [this, a, manner] {
            a->setChecked(true);
            emit smsMannerChosen(manner);
        });
        return a;
    };
    m_chinese = addManner("chinese", tr("汉字"), SmsManner::Chinese);
    m_english = addManner("englist", tr("英文"), SmsManner::English);
    m_hex = addManner("sendhex", tr("十六进制"), SmsManner::Hex);
    m_chinese->setChecked(true);

    QMenu *tool = menuBar()->addMenu(tr("工具(&T)"));
    tool->setObjectName(QStringLiteral("tool"));
    connect(addAction(tool, "lookfine", tr("计算地址")), &QAction::triggered, this, [this] { openAddressCalculator(*this, false); });
    connect(addAction(tool, "count_k", tr("计算地址K")), &QAction::triggered, this, [this] { openAddressCalculator(*this, true); });
    connect(addAction(tool, "mnuCode", tr("Unicode码转换")), &QAction::triggered, this, [this] { openUnicodeTool(*this); });

    QMenu *windows = menuBar()->addMenu(tr("窗口"));
    windows->setObjectName(QStringLiteral("windows"));
    connect(windows, &QMenu::aboutToShow, this, [this, windows] {
        windows->clear();
        for (QMdiSubWindow *sub : m_mdi->subWindowList()) {
            QAction *a = windows->addAction(sub->windowTitle());
            a->setCheckable(true);
            a->setChecked(sub == m_mdi->activeSubWindow());
            connect(a, &QAction::triggered, sub, [this, sub] { m_mdi->setActiveSubWindow(sub); });
        }
    });

    menuBar()->addMenu(new qx::LanguageMenu(
        [this](const QString &text, const QString &title) { message(this, text, title); }, this));
}

void MainWindow::clearArea(const char *area)
{
    // The boxes a module window marks as its source, receive or send area.
    QMdiSubWindow *sub = m_mdi->activeSubWindow();
    if (!sub || !sub->widget())
        return;
    for (QWidget *w : sub->widget()->findChildren<QWidget *>()) {
        if (w->property("area").toByteArray() != area)
            continue;
        if (auto *e = qobject_cast<QPlainTextEdit *>(w))
            e->clear();
        else if (auto *t = qobject_cast<QTextEdit *>(w))
            t->clear();
        else if (auto *l = qobject_cast<QLineEdit *>(w))
            l->clear();
    }
}

void MainWindow::setPanel(Panel panel, const QString &value)
{
    static const int prefixes[] = {kPortPrefix, kModulePrefix, kSendCountPrefix};
    m_panels[panel - 1]->setText(res_string(prefixes[panel - 1]) + value);
}

QString MainWindow::panelText(Panel panel) const
{
    return m_panels[panel - 1]->text();
}

void MainWindow::showPortInUse()
{
    setPanel(PortPanel, m_link->port().portName() + QStringLiteral("--") + m_link->port().settings());
}

void MainWindow::showPortUnused()
{
    setPanel(PortPanel, tr("未使用"));
}

QMdiSubWindow *MainWindow::addChild(QWidget *window)
{
    window->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *sub = m_mdi->addSubWindow(window);
    sub->show();
    fitChild(window, {});
    return sub;
}

void MainWindow::fitChild(QWidget *window, QSize startSize)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    if (!sub)
        return;
    const QSize area = m_mdi->viewport()->size();
    const QSize wanted = startSize.isValid() ? startSize.expandedTo(sub->minimumSizeHint()) : sub->sizeHint();
    // Never below what shows the content whole: the area scrolls instead.
    sub->resize(wanted.boundedTo(area).expandedTo(sub->minimumSizeHint()));
    sub->move(qMax(0, qMin(sub->x(), area.width() - sub->width())), qMax(0, qMin(sub->y(), area.height() - sub->height())));
}

void MainWindow::activateChild(QWidget *window)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        sub->show();
        m_mdi->setActiveSubWindow(sub);
    }
}

MainWindow::SmsManner MainWindow::smsManner() const
{
    if (m_english->isChecked())
        return SmsManner::English;
    if (m_hex->isChecked())
        return SmsManner::Hex;
    return SmsManner::Chinese;
}

void MainWindow::setSmsMannerVisible(bool visible)
{
    m_smsManner->menuAction()->setVisible(visible);
}

void MainWindow::onSmsMannerChosen(QObject *context, std::function<void(SmsManner)> slot)
{
    connect(this, &MainWindow::smsMannerChosen, context, std::move(slot));
}

void MainWindow::openChooser()
{
    Chooser::open(*this);
    // --model: that module's connect window, as if its caption were clicked; once.
    const StartOptions::Model model = std::exchange(m_startModel, StartOptions::Model::None);
    if (model == StartOptions::Model::Qx3100)
        openSmsConnect(*this);
    else if (model == StartOptions::Model::Qx3200)
        openQx3200Connect(*this);
}

void MainWindow::startLog()
{
    const ModulePort &port = m_link->port();
    const qx::TrafficLog::Session session{
        QCoreApplication::applicationName() + QLatin1Char(' ') + qx::programVersion(), port.portName(),
        port.device(), port.settings()};
    // A log begun after the handshake still says which module it is.
    if (m_log.open(m_logFolder, session) && !m_model.isEmpty())
        m_log.noteModel(m_model);
}

void MainWindow::onLogToggled(bool on)
{
    if (!on)
        m_log.close();
    else if (m_link->port().isOpen() && !m_log.isOpen())
        startLog();
}

void MainWindow::onLogFailed(const QString &text)
{
    // The log is off; the exchange goes on without it.
    m_logAction->setChecked(false);
    message(this, text, tr("提示"));
}

void MainWindow::openLogFolder()
{
    // Made if need be, so there is something to open before the first log.
    QDir().mkpath(m_logFolder);
    if (!m_openFolder(QUrl::fromLocalFile(m_logFolder)))
        message(this, tr("无法打开文件夹 %1").arg(QDir::toNativeSeparators(m_logFolder)), tr("提示"));
}

void MainWindow::onVanished()
{
    showPortUnused();
    // Windows that were talking to the module stop on the same signal; the
    // message waits until they have, so no timer of theirs runs under it.
    QTimer::singleShot(0, this, [this] {
        message(this, tr("串口已断开，请检查连接"), tr("端口错误"), QMessageBox::Warning);
    });
}

} // namespace lt
