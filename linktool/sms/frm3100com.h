#pragma once

namespace lt {

class Shell;

// Opens frm3100COM, the QX3100 window, as a modeless child of the main window;
// a second call brings the one open instance to the front.
void openFrm3100COM(Shell &shell);

} // namespace lt
