#include "connect_windows.h"

namespace lt {

void openSmsConnect(MainWindow &)
{
}

void openQx3200Connect(MainWindow &)
{
}

} // namespace lt
