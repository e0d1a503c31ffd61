#include "tool_windows.h"

#include "form18.h"
#include "form9.h"

#include "link/main_window.h"
#include "link/shared_state.h"
#include "link/strings.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

namespace lt {

namespace {

QPointer<Form9> g_form9;
QPointer<Form18> g_form18;

// The window's frame inside the main window, brought to the front.
QMdiSubWindow *raise(MainWindow &main, QWidget *window)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(window->parentWidget());
    if (sub) {
        sub->show();
        main.mdi().setActiveSubWindow(sub);
    }
    return sub;
}

} // namespace

void openAddressCalculator(MainWindow &main, bool kVariant)
{
    if (!g_form9) {
        g_form9 = new Form9;
        main.addChild(g_form9);
    }
    g_form9->setWindowTitle(kVariant ? QStringLiteral("为用户计算地址K") : QStringLiteral("为用户计算地址"));
    if (QMdiSubWindow *sub = raise(main, g_form9))
        sub->resize(twips(7260), twips(4650));
    shared().calc_k = kVariant ? -1 : 0;
}

void openUnicodeTool(MainWindow &main)
{
    if (!g_form18) {
        g_form18 = new Form18;
        main.addChild(g_form18);
    }
    raise(main, g_form18);
}

} // namespace lt
