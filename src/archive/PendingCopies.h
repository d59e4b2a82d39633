#pragma once
// Entries that went to the local archive while the shared one was down are
// copied across when it answers again. Each entry's uuid is unique in every
// archive, so a copy interrupted half-way, or two programs copying at once,
// still leave every entry in the shared archive exactly once.
#include <QString>

namespace vantrel::archive {

class ArchiveStore;

// Copies what `local` keeps for `shared`; the number copied, or -1 with the
// reason in error.
int CopyPending(ArchiveStore& local, ArchiveStore& shared, QString& error);

// Opens the local archive and copies what it keeps for `shared`; quiet when
// there is nothing (or no local archive): the number copied.
int CopyPendingFromLocal(ArchiveStore& shared, QString& error);

}  // namespace vantrel::archive
