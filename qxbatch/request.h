#pragma once

#include "command_line.h"
#include "phone_csv.h"

#include "link/settings_file.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace qxb {

enum class Command { Ports, Identify, Read, Write, PhonesRead, PhonesWrite };

// The QX3200's working modes, as --set-mode names them.
enum class WorkingMode { DataCommunication, AddressSetting };

// What one run of qxbatch is asked to do.
struct Request {
    Command command = Command::Ports;
    QStringList ports;            // as typed: COMn or a device path
    int baud = 9600;
    QString lineTail = QStringLiteral("n,8,1");   // parity, data bits, stop bits, as the port takes them
    bool json = false;
    QString out;                  // read: a file (one port) or a folder; phones read: a CSV file
    QString profile;              // write: the settings file
    bool verify = false;
    int from = 0;                 // phones read: first and last entry
    int to = 0;
    QString file;                 // phones write: the CSV file
    int settleMs = 0;             // waited before the handshake, for the module to find its network
    std::optional<WorkingMode> setMode;

    // Read from the files before any port is opened.
    lt::settings_file::Document profileDocument;   // write
    QList<PhoneEntry> phoneEntries;                 // phones write
};

struct ParsedCommandLine {
    qx::StartDecision decision;   // run, or leave with texts and an exit code
    Request request;
};

// Reads the command line; anything it cannot run is a usage error (exit 2, nothing sent).
ParsedCommandLine parseCommandLine(const QStringList &arguments);

// The rates the port lists offer, and "8N1"-style line settings as the port's tail ("n,8,1").
bool isOfferedRate(int rate);
std::optional<QString> lineTailFor(const QString &line);

} // namespace qxb
