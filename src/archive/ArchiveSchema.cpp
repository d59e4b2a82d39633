#include "archive/ArchiveSchema.h"

#include <QSqlError>
#include <QSqlQuery>

#include <vector>

namespace vantrel::archive {

namespace {

// Words the two engines spell differently, put in place of {id}, {blob} and
// {key}. Times and serial numbers are compared byte by byte on both, whatever
// the server's locale.
struct EngineWords {
    const char* driver;
    const char* id;
    const char* blob;
    const char* key;
    const char* lock;  // takes the write lock for the rest of the transaction
};

constexpr EngineWords kEngines[] = {
    {"QSQLITE", "INTEGER PRIMARY KEY AUTOINCREMENT", "BLOB", "TEXT", nullptr},
    {"QPSQL", "BIGSERIAL PRIMARY KEY", "BYTEA", "TEXT COLLATE \"C\"", "SELECT pg_advisory_xact_lock(734201)"},
};

const EngineWords& wordsFor(const QSqlDatabase& db) {
    for (const EngineWords& e : kEngines)
        if (db.driverName() == QLatin1String(e.driver)) return e;
    return kEngines[0];
}

// Step n brings the archive from version n - 1 to n.
const std::vector<std::vector<const char*>> kSteps = {
    {
        "CREATE TABLE entries ("
        " id {id},"
        " uuid TEXT NOT NULL UNIQUE,"
        " time_utc {key} NOT NULL,"
        " operation TEXT NOT NULL,"
        " completed INTEGER NOT NULL,"
        " outcome TEXT NOT NULL,"
        " port TEXT NOT NULL,"
        " device TEXT NOT NULL,"
        " serial {key} NOT NULL,"
        " super_number TEXT NOT NULL,"
        " model_number TEXT NOT NULL,"
        " firmware_version TEXT NOT NULL,"
        " codeplug_version TEXT NOT NULL,"
        " image {blob},"
        " sha256 TEXT,"
        " program_version TEXT NOT NULL,"
        " user_name TEXT NOT NULL,"
        " host_name TEXT NOT NULL)",
    },
    {
        // Writes filed under the serial of the written file rather than one
        // the radio reported.
        "ALTER TABLE entries ADD COLUMN serial_from_file INTEGER NOT NULL DEFAULT 0",
        // A radio's history, the read before a write on the same port, and
        // the newest entries first.
        "CREATE INDEX entries_by_serial ON entries (serial, time_utc)",
        "CREATE INDEX entries_by_port ON entries (port, device, time_utc)",
        "CREATE INDEX entries_by_time ON entries (time_utc)",
        // Entries kept here while the shared archive they belong to was down.
        "CREATE TABLE pending_copies (uuid TEXT NOT NULL, target TEXT NOT NULL, PRIMARY KEY (uuid, target))",
    },
    {
        // Each radio's model, newest entry and number of entries, kept up to
        // date by every insert (RadioSummaries.h) so that listing the radios
        // reads one row each instead of grouping every entry. The model is
        // that of the newest entry that names one ('' and 0 while none does).
        "CREATE TABLE radios ("
        " serial {key} PRIMARY KEY,"
        " model_number TEXT NOT NULL,"
        " model_time_utc {key} NOT NULL,"
        " model_id BIGINT NOT NULL,"
        " last_id BIGINT NOT NULL,"
        " last_time_utc {key} NOT NULL,"
        " last_operation TEXT NOT NULL,"
        " entries BIGINT NOT NULL)",
        "INSERT INTO radios (serial, model_number, model_time_utc, model_id, last_id, last_time_utc, last_operation,"
        " entries)"
        " SELECT g.serial, COALESCE(m.model_number, ''), COALESCE(m.time_utc, ''), COALESCE(m.id, 0), l.id,"
        " l.time_utc, l.operation, g.n"
        " FROM (SELECT serial, COUNT(*) AS n FROM entries WHERE serial <> '' GROUP BY serial) g"
        " JOIN entries l ON l.id = (SELECT id FROM entries WHERE serial = g.serial"
        "  ORDER BY time_utc DESC, id DESC LIMIT 1)"
        " LEFT JOIN entries m ON m.id = (SELECT id FROM entries WHERE serial = g.serial AND model_number <> ''"
        "  ORDER BY time_utc DESC, id DESC LIMIT 1)",
    },
};

QString spelled(const char* statement, const EngineWords& words) {
    return QString::fromLatin1(statement)
        .replace(QLatin1String("{id}"), QLatin1String(words.id))
        .replace(QLatin1String("{blob}"), QLatin1String(words.blob))
        .replace(QLatin1String("{key}"), QLatin1String(words.key));
}

bool run(QSqlDatabase& db, const QString& statement, QString& error) {
    QSqlQuery q(db);
    if (q.exec(statement)) return true;
    error = q.lastError().text();
    return false;
}

bool recordVersion(QSqlDatabase& db, int version, QString& error) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO schema_version (version) VALUES (?)"));
    q.addBindValue(version);
    if (q.exec()) return true;
    error = q.lastError().text();
    return false;
}

bool begin(QSqlDatabase& db, QString& error) {
    const EngineWords& words = wordsFor(db);
    // SQLite takes the write lock at once, so that two programs creating the
    // same archive queue up (busy timeout) rather than deadlock.
    if (!words.lock) return run(db, QStringLiteral("BEGIN IMMEDIATE"), error);
    return run(db, QStringLiteral("BEGIN"), error) && run(db, QString::fromLatin1(words.lock), error);
}

}  // namespace

int SchemaVersion(QSqlDatabase& db, QString& error) {
    QSqlQuery q(db);
    // A new database has no table at all; any other failure is the archive's.
    const bool sqlite = db.driverName() == QLatin1String("QSQLITE");
    const QString exists = sqlite ? QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE name = 'schema_version'")
                                  : QStringLiteral("SELECT COUNT(*) FROM pg_tables WHERE tablename = 'schema_version'"
                                                   " AND schemaname = current_schema()");
    if (!q.exec(exists) || !q.next()) {
        error = q.lastError().text();
        return -1;
    }
    if (q.value(0).toInt() == 0) return 0;
    if (!q.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) || !q.next()) {
        error = q.lastError().text();
        return -1;
    }
    return q.value(0).toInt();
}

bool MigrateSchema(QSqlDatabase& db, QString& error, int target) {
    int version = SchemaVersion(db, error);
    if (version < 0) return false;
    if (version > kSchemaVersion) {
        error = QStringLiteral("the archive has schema version %1, newer than this program's %2: use a newer program")
                    .arg(version)
                    .arg(kSchemaVersion);
        return false;
    }
    while (version < target) {
        if (!begin(db, error)) return false;
        // Another program may have taken the step while this one waited.
        version = SchemaVersion(db, error);
        bool ok = version >= 0;
        if (ok && version == 0) ok = run(db, QStringLiteral("CREATE TABLE schema_version (version INTEGER NOT NULL)"), error);
        if (ok && version < target) {
            for (const char* statement : kSteps[static_cast<std::size_t>(version)])
                if (!(ok = run(db, spelled(statement, wordsFor(db)), error))) break;
            ok = ok && recordVersion(db, version + 1, error);
        }
        if (!ok) {
            QString ignored;
            run(db, QStringLiteral("ROLLBACK"), ignored);
            return false;
        }
        if (!run(db, QStringLiteral("COMMIT"), error)) return false;
        version = SchemaVersion(db, error);
        if (version < 0) return false;
    }
    return true;
}

}  // namespace vantrel::archive
