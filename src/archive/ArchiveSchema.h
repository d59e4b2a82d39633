#pragma once
// The archive's tables, one schema for SQLite and PostgreSQL, kept in steps:
// an archive records the version it has reached in schema_version, and
// opening it applies the steps after that version, so an archive written by
// an older program opens in a newer one.
#include <QSqlDatabase>
#include <QString>

namespace vantrel::archive {

// The version this program writes.
constexpr int kSchemaVersion = 3;

// The version the archive has reached: 0 for an empty database, -1 (with
// the reason in error) when it cannot be read.
int SchemaVersion(QSqlDatabase& db, QString& error);

// Brings the archive to `target` (kSchemaVersion but in tests), one step per
// transaction, holding the engine's write lock so that programs opening the
// same new archive at once apply each step once. False with the reason.
bool MigrateSchema(QSqlDatabase& db, QString& error, int target = kSchemaVersion);

}  // namespace vantrel::archive
