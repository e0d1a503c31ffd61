#pragma once

namespace lt {

class MainWindow;

// Opens the QX3200 window "模块设置" (frm3200COM) as a modeless child of the
// main window, on the page that shared().work_mode asks for; a window that is
// already open is brought to the front instead.
void openFrm3200COM(MainWindow &main);

} // namespace lt
