#include "frm3200com.h"

namespace lt {

void openFrm3200COM(MainWindow &)
{
}

} // namespace lt
