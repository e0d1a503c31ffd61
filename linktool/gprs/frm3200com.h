#pragma once

namespace lt {

class MainWindow;

// Opens frm3200COM, the QX3200 window, as a modeless child of the main window
// (page by work_mode); a second call brings the one open instance to the front.
void openFrm3200COM(MainWindow &main);

} // namespace lt
