#pragma once
// Storing finished transfers, on the calling thread. ArchiveRecorder runs
// this off the transfer's path; a fleet job may call it from its own worker.
//
// Nothing here fails a transfer: what cannot be stored is named through
// `warn`. When a shared archive cannot be reached, its entries go to the
// local SQLite archive and are copied across on a later recording (or
// archive command) that reaches it.
#include <QString>

#include <functional>
#include <vector>

#include "archive/ArchiveEntry.h"
#include "archive/ArchiveLocation.h"
#include "archive/FinishedTransfer.h"

namespace vantrel::archive {

using Warn = std::function<void(const QString&)>;

// The entry for a transfer, with a new uuid, the radio facts the bytes (or
// for a failed write the image it started from) carry, and who recorded it.
// Its serial is the image's own until Attribute() files it.
ArchiveEntry EntryFor(const FinishedTransfer& transfer);

// Files and stores the transfers in order, each entry's id set in `stored`
// when given. Returns how many were stored (locally kept ones included).
int RecordTransfers(const ArchiveLocation& where, const std::vector<FinishedTransfer>& transfers, const Warn& warn,
                    std::vector<ArchiveEntry>* stored = nullptr);

}  // namespace vantrel::archive
