#pragma once

namespace qxb {

class DeviceJob;

// What the job's request asks of the module once it is identified.
void addCommandStages(DeviceJob &job);

} // namespace qxb
