#pragma once

namespace lt {

class MainWindow;

// frm3000MOD (SMS module) and frmQX3200 (GPRS module), each modal over the main window.
void openSmsConnect(MainWindow &main);
void openQx3200Connect(MainWindow &main);

} // namespace lt
