#include "fleet/ArchivingObserver.h"

namespace vantrel::fleet {

void ArchivingObserver::transferDone(const TransferRecord& r) {
    archive::FinishedTransfer t;
    t.operation = r.operation;
    t.completed = r.completed && r.bytes.has_value();
    t.outcome = r.outcome;
    t.port = r.port;
    t.device = r.device;
    if (t.completed) t.bytes = r.bytes;
    recorder_.record(std::move(t));
}

}  // namespace vantrel::fleet
