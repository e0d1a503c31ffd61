#pragma once

#include "port_refusal.h"

#include <QString>

#include <functional>
#include <memory>

namespace sms {

// Every call the configurator's port makes to the operating system, and
// nothing else: the serial port above it holds the reader thread, the receive
// buffer and the reply rules, and never touches the device itself.
//
// port_device_posix.cpp implements it for Linux and other POSIX systems
// (line_speed.cpp beside it sets the rates that have no speed constant).
// Another platform's implementation is one more file beside them that defines
// makeSystemPortDevice(); smsconf/CMakeLists.txt picks the platform's file.
//
// The reader thread calls bytesWaiting() and read() while the dialog's thread
// calls write() and drain(); open(), setLine(), lowerModemLines(),
// discardInput() and close() run only while no reader runs.
class PortDevice
{
public:
    virtual ~PortDevice() = default;

    // Opens the device for reading and writing, not shared with another
    // program; OpenFault::None when it opened, otherwise what the system said.
    virtual qx::OpenFault open(const QString &path) = 0;
    virtual void close() = 0;
    // Raw bytes at baud, 8 data bits, no parity, 1 stop bit, no flow control.
    // A line that refuses a setting keeps its own (a pseudo-terminal keeps its rate code).
    virtual void setLine(int baud) = 0;
    // DTR and RTS low: the module is wired to take raised lines as a request
    // of its own, and the system raises both when it opens the device.
    virtual void lowerModemLines() = 0;
    virtual void discardInput() = 0;

    // Bytes that arrived and wait to be read; -1 when the device has gone away.
    virtual int bytesWaiting() = 0;
    // Reads up to max of the waiting bytes; how many were read, -1 when the
    // device has gone away.
    virtual int read(char *into, int max) = 0;
    // Hands all count bytes to the device; false when it failed or stopped
    // taking bytes.
    virtual bool write(const char *bytes, int count) = 0;
    // Returns once every byte written has left the line; false when it failed.
    virtual bool drain() = 0;
};

using PortDeviceFactory = std::function<std::unique_ptr<PortDevice>()>;

// The device of the platform the program was built for.
std::unique_ptr<PortDevice> makeSystemPortDevice();

} // namespace sms
