#include "archive/PendingCopies.h"

#include <QFileInfo>

#include "archive/ArchiveStore.h"

namespace vantrel::archive {

int CopyPending(ArchiveStore& local, ArchiveStore& shared, QString& error) {
    const QString target = shared.location().describe();
    const auto entries = local.pending(target);
    if (!entries) {
        error = local.error();
        return -1;
    }
    int copied = 0;
    for (ArchiveEntry e : *entries) {
        if (!shared.add(e)) {
            error = shared.error();
            return -1;
        }
        if (!local.clearPending(e.uuid, target)) {
            error = local.error();
            return -1;
        }
        ++copied;
    }
    return copied;
}

int CopyPendingFromLocal(ArchiveStore& shared, QString& error) {
    const ArchiveLocation local = ParseLocation(QString());
    // Nothing was ever kept when there is no local archive yet.
    if (!local.error.isEmpty() || !QFileInfo::exists(local.path)) return 0;
    const auto store = ArchiveStore::Open(local, error);
    if (!store) return -1;
    return CopyPending(*store, shared, error);
}

}  // namespace vantrel::archive
