#pragma once
// Each transfer of a fleet job into the radio archive, as a single read or
// write goes there; called on the ports' threads (the recorder queues).
#include "archive/ArchiveRecorder.h"
#include "fleet/FleetReport.h"

namespace vantrel::fleet {

class ArchivingObserver : public FleetObserver {
public:
    explicit ArchivingObserver(archive::ArchiveRecorder& recorder) : recorder_(recorder) {}
    void transferDone(const TransferRecord& r) override;

private:
    archive::ArchiveRecorder& recorder_;
};

}  // namespace vantrel::fleet
