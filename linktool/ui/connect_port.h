#pragma once

#include <QString>

class QWidget;

namespace qx {
class PortBox;
}

namespace lt {

// Combo1 of both connect windows: COM1 to COM8, then every serial device
// found, scanned again while the window is idle; any device path may be
// typed. COM1 is chosen at first.
qx::PortBox *makePortList(QWidget *parent);

// What Connect opens for the list's text: COM1 to COM8 (typed as COMn, comn
// or n too) as "COMn", an absolute path as typed. Anything else names no
// port of this computer: empty.
QString portToOpen(const QString &text);

// The port a connect window starts with from what was stored: that port
// while its device is there (an adapter may have been unplugged since), COM1
// otherwise.
QString rememberedPort(const QString &stored);

} // namespace lt
