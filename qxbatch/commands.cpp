#include "commands.h"

#include "device_job.h"

namespace qxb {

void addCommandStages(DeviceJob &job)
{
    switch (job.request().command) {
    case Command::Ports:
    case Command::Identify:
        return;
    case Command::Read:
    case Command::Write:
    case Command::PhonesRead:
    case Command::PhonesWrite:
        return;
    }
}

} // namespace qxb
