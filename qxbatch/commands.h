#pragma once

#include <QString>

namespace qxb {

class DeviceJob;
struct Request;

// What the job's request asks of the module once it is identified.
void addCommandStages(DeviceJob &job);

// Reads the files a request names (the profile of write, the CSV of phones
// write) into it before any port is opened; the reason when one cannot be used.
QString loadRequestFiles(Request &request);

} // namespace qxb
