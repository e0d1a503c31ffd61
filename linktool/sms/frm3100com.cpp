#include "frm3100com.h"

namespace lt {

void openFrm3100COM(MainWindow &)
{
}

} // namespace lt
