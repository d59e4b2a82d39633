#pragma once
// The radios table: one row a radio (its model, newest entry and number of
// entries), so that listing the radios of a large archive stays quick.
//
// Only ArchiveStore::add() writes entries, so it keeps the table right in
// the same transaction as each insert, on both engines alike, with no
// trigger (which each engine would spell in its own language). An entry may
// arrive older than the radio's newest (a copy kept locally while the shared
// archive was down): the newest stays the newest by time, then by id.
#include <QSqlDatabase>
#include <QString>

#include "archive/ArchiveEntry.h"

namespace vantrel::archive {

// Counts the stored entry (its id set) in its radio's row; an entry filed
// under no serial number belongs to no radio. False with the reason.
bool CountInRadioSummary(QSqlDatabase& db, const ArchiveEntry& entry, QString& error);

}  // namespace vantrel::archive
