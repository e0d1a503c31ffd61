#include "linktool_windows.h"

#include "app/main_window.h"
#include "link/link.h"
#include "link/timing.h"
#include "modes/connect_windows.h"
#include "modes/restart_notice.h"
#include "ui/network_wait_notice.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

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
                 *s.main, QStringLiteral("您设置了QX3200模块通信模式，模块已经重新启动，需要等待一点时间"), {});
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
