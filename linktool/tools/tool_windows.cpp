#include "tool_windows.h"

#include "address_calculator.h"
#include "unicode_tool.h"

#include "ui/shell.h"
#include "ui/strings.h"

#include <QPointer>

namespace lt {

namespace {

// One of each per program: a menu entry brings the open one to the front.
QPointer<AddressCalculator> g_calculator;
QPointer<UnicodeTool> g_unicodeTool;

} // namespace

void openAddressCalculator(Shell &shell, bool kVariant)
{
    if (!g_calculator) {
        g_calculator = new AddressCalculator;
        shell.addChild(g_calculator);
    }
    g_calculator->setWindowTitle(kVariant ? AddressCalculator::tr("为用户计算地址K")
                                          : AddressCalculator::tr("为用户计算地址"));
    shell.activateChild(g_calculator);
    shell.fitChild(g_calculator, QSize(twips(7260), twips(4650)));
    g_calculator->setKVariant(kVariant);
}

void openUnicodeTool(Shell &shell)
{
    if (!g_unicodeTool) {
        g_unicodeTool = new UnicodeTool;
        shell.addChild(g_unicodeTool);
    }
    shell.activateChild(g_unicodeTool);
}

} // namespace lt
