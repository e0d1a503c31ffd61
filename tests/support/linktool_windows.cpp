#include "linktool_windows.h"
#include "qx3100_longest.h"

#include "app/main_window.h"
#include "link/link.h"
#include "link/timing.h"
#include "modes/connect_windows.h"
#include "modes/restart_notice.h"
#include "ui/network_wait_notice.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace lt;

namespace test {

WindowStage::WindowStage()
{
    resetProgramState();
    QStandardPaths::setTestModeEnabled(true);
    timing::setScale(0.25, 250);
    main = std::make_unique<MainWindow>();
    main->show();
    m_messages = std::make_unique<MessageRecorder>();
}

WindowStage::~WindowStage()
{
    main.reset();
    resetProgramState();
}

QWidget *WindowStage::find(const char *name)
{
    QWidget *w = nullptr;
    const bool shown = QTest::qWaitFor([&] {
        w = main->findChild<QWidget *>(QLatin1String(name));
        return w && w->isVisible();
    });
    return shown ? w : nullptr;
}

QWidget *WindowStage::mdiChild(const char *name)
{
    QWidget *w = find(name);
    return w ? w->parentWidget() : nullptr;
}

void WindowStage::trigger(const char *action)
{
    main->findChild<QAction *>(QLatin1String(action))->trigger();
}

SimModule &WindowStage::module(const QString &model)
{
    if (!m_module)
        m_module = std::make_unique<SimModule>(model);
    return *m_module;
}

QWidget *WindowStage::connected(const QString &model, void (*open)(Shell &), const char *name)
{
    module(model);
    open(*main);
    QWidget *w = find(name);
    if (!w)
        return nullptr;
    QPointer<QPushButton> connect = w->findChild<QPushButton *>(QStringLiteral("Command1_0"));
    connect->click();
    const bool answered = QTest::qWaitFor([&] { return connect && connect->isEnabled(); }, 8000);
    return answered ? w : nullptr;
}

namespace {

// The address calculator with each box at its longest and the addresses listed.
QWidget *calculatorFilled(WindowStage &stage)
{
    QWidget *form = stage.find("Form9");
    if (!form)
        return nullptr;
    form->findChild<QLineEdit *>(QStringLiteral("Text1_4"))->setText(QStringLiteral("00:FF:"));
    auto *groupSize = form->findChild<QScrollBar *>(QStringLiteral("VScroll3"));
    groupSize->setValue(groupSize->minimum());
    form->findChild<QScrollBar *>(QStringLiteral("VScroll4"))->setValue(2);   // 十六进制
    form->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
    return form->parentWidget();
}

// Waits for the window's first read of the module (the sequence timed by
// Timer2, started a moment after the window opens) to start and to end.
bool firstReadDone(QWidget *window)
{
    auto running = [window](const char *name) { return window->findChild<QTimer *>(QLatin1String(name))->isActive(); };
    return QTest::qWaitFor([&] { return running("Timer2"); }, 8000)
           && QTest::qWaitFor([&] { return !running("Timer2") && !running("Timer6"); }, 15000);
}

// Puts the longest value a box takes into it, as a user types it or the
// module reports it, and names it for the fit check.
void fill(QWidget *window, const char *name, const QString &value)
{
    auto *box = window->findChild<QLineEdit *>(QLatin1String(name));
    box->setText(value);
    box->setProperty("longestValue", value);
}

// The QX3100 window after the connect window's module answered and its
// first read ended, on the tab `page`, each box holding its longest value.
QWidget *qx3100Tab(WindowStage &s, int page)
{
    s.module(QStringLiteral("qx3100"));
    openSmsConnect(*s.main);
    QWidget *connect = s.find("frm3000MOD");
    if (!connect)
        return nullptr;
    connect->findChild<QPushButton *>(QStringLiteral("Command1_0"))->click();
    QWidget *w = s.find("frm3100COM");
    if (!w || !firstReadDone(w))
        return nullptr;
    for (const auto &[name, value] : kQx3100LongestValues)
        fill(w, name, QString::fromLatin1(value));
    auto *grid = w->findChild<QTableWidget *>(QStringLiteral("Grid"));
    grid->setRowCount(1);
    grid->setItem(0, 1, new QTableWidgetItem(QString::fromLatin1(kQx3100GridAddress)));
    grid->setItem(0, 2, new QTableWidgetItem(QString::fromLatin1(kQx3100GridNumber)));
    w->findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(page);
    return w->parentWidget();
}

// The QX3200 window as the connect window's Enter opens it in the working
// `mode` the module reports (0x80 data communication, 0 address setting),
// after its first read of a module whose values are the longest each shows,
// on the page named `page`.
QWidget *qx3200Page(WindowStage &s, int mode, const char *page)
{
    SimModule &module = s.module(QStringLiteral("qx3200"));
    const std::pair<const char *, int> longest[] = {
        {"mode", mode},        {"heartbeat", 9999},    {"restarts", 255},      {"passive", 0x0102},
        {"addr-start", 255},   {"addr-length", 4},     {"group-max", 255},     {"addr-type", 3},
        {"idle-units", 65534}, {"data-units", 65534},  {"power", 1},           {"wake-mode", 1},
        {"identity", 0xDDDD},  {"target", 0xDDDD},     {"internal", 0xDDDD},   {"submode", 0}};
    for (const auto &[key, value] : longest)
        module.set(QLatin1String(key), value);
    QWidget *connect = s.connected(QStringLiteral("qx3200"), openQx3200Connect, "frmQX3200");
    if (!connect)
        return nullptr;
    connect->findChild<QPushButton *>(QStringLiteral("Command1_2"))->click();
    QWidget *w = s.find("frm3200COM");
    if (!w || !firstReadDone(w))
        return nullptr;
    auto *tabs = w->findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    tabs->setCurrentWidget(w->findChild<QWidget *>(QLatin1String(page)));
    if (tabs->currentWidget()->objectName() != QLatin1String(page))
        return nullptr;
    // What the data test page shows after a message from the network: the sender's address.
    if (QWidget *sender = w->findChild<QLineEdit *>(QStringLiteral("Text1_5")))
        static_cast<QLineEdit *>(sender)->setText(QStringLiteral("DD:DD:"));
    return w->parentWidget();
}

} // namespace

const QList<WindowToShow> &linktoolWindows()
{
    static const QList<WindowToShow> windows = {
        {"main window", [](WindowStage &s) -> QWidget * {
             s.module(QStringLiteral("qx3100"));
             ModulePort &port = s.main->link().port();
             port.select(QStringLiteral("COM1"), QStringLiteral("115200bps"), QStringLiteral("n,8,1"));
             if (port.open() != ModulePort::Opened)
                 return nullptr;
             s.main->showPortInUse();
             s.main->setPanel(Shell::SendCountPanel, QStringLiteral("65535"));
             return s.find("frmMain") ? s.main.get() : nullptr;
         }},
        {"chooser", [](WindowStage &s) { return s.mdiChild("frmMain"); }},
        // The QX3100's closes on the module's answer.
        {"QX3100 connect", [](WindowStage &s) {
             s.module(QStringLiteral("qx3100"));
             openSmsConnect(*s.main);
             return s.find("frm3000MOD");
         }},
        {"QX3200 connect",
         [](WindowStage &s) { return s.connected(QStringLiteral("qx3200"), openQx3200Connect, "frmQX3200"); }},
        {"restart notice", [](WindowStage &s) {
             auto *notice = new RestartNotice(
                 *s.main,
                 // The text the QX3200 connect window gives it, in the language of the walk.
                 QCoreApplication::translate("lt::Qx3200ConnectWindow",
                                             "您设置了QX3200模块通信模式，模块已经重新启动，需要等待一点时间"),
                 {});
             notice->show();
             return notice;
         }},
        {"network wait notice", [](WindowStage &s) -> QWidget * {
             auto *notice = new NetworkWaitNotice(s.main.get());
             notice->show();
             // Its row at the longest it grows.
             const bool longest = QTest::qWaitFor([notice] { return notice->ticks() >= 30; }, 30000);
             return longest ? notice : nullptr;
         }},
        {"address calculator", [](WindowStage &s) {
             s.trigger("lookfine");
             return calculatorFilled(s);
         }},
        {"address calculator K", [](WindowStage &s) {
             s.trigger("count_k");
             return calculatorFilled(s);
         }},
        {"QX3100 settings", [](WindowStage &s) { return qx3100Tab(s, 0); }},
        {"QX3100 SMS test", [](WindowStage &s) { return qx3100Tab(s, 1); }},
        // The display below the pages shows the values read on every page.
        {"QX3200 settings", [](WindowStage &s) { return qx3200Page(s, 0x80, "page0"); }},
        {"QX3200 data test", [](WindowStage &s) { return qx3200Page(s, 0x80, "DataTestPage"); }},
        {"QX3200 identity", [](WindowStage &s) { return qx3200Page(s, 0, "page2"); }},
        {"Unicode tool", [](WindowStage &s) {
             s.trigger("mnuCode");
             s.find("Form18")->findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("短信 SMS"));
             s.find("Form18")->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
             return s.mdiChild("Form18");
         }},
    };
    return windows;
}

} // namespace test
