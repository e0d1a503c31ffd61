#include "tool_windows.h"

namespace lt {

void openAddressCalculator(MainWindow &, bool)
{
}

void openUnicodeTool(MainWindow &)
{
}

} // namespace lt
