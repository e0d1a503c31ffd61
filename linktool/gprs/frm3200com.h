#pragma once

namespace lt {

class Shell;

// What the connect window's Enter opened the QX3200 window for.
enum class WorkMode { AddressSetting = 0, DataCommunication = 1 };

// Opens the QX3200 window "模块设置" (frm3200COM) as a modeless child of the
// shell, on the page the work mode asks for; a window that is already open is
// brought to the front instead and takes the new work mode.
void openFrm3200COM(Shell &shell, WorkMode mode);

} // namespace lt
