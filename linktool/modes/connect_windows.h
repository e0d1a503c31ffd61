#pragma once

namespace lt {

class Shell;

// frm3000MOD (SMS module) and frmQX3200 (GPRS module), each modal over the shell's frame.
void openSmsConnect(Shell &shell);
void openQx3200Connect(Shell &shell);

} // namespace lt
