#pragma once

#include <QString>

class QWidget;

namespace lt {

class Link;

// The first steps of Connect: close the port if open, select port (COM1 to
// COM8 or a device path, see portToOpen) and line settings, open, DTR off. A
// refused port is reported with what is wrong and what to do; false means
// the port is closed and the window's controls stay as they were.
bool open_link(Link &link, QWidget *window, const QString &port, const QString &baud, const QString &tail);

// After the window has disabled its controls: the signal-lamp notice, then DTR off again.
void signal_lamp_notice(Link &link, QWidget *window);

// Asked by every button that writes to the module, before it changes
// anything: false, once the user has been told, when the port is closed (the
// module went away, or was never connected).
bool port_ready(Link &link, QWidget *window);

} // namespace lt
