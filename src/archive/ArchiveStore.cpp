#include "archive/ArchiveStore.h"

#include "archive/RadioSummaries.h"
#include "codeplug/CodeplugImage.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vantrel::archive {

namespace {

namespace fs = std::filesystem;

// The columns an entry is read from, in the order fromRow() takes them.
constexpr const char* kEntryColumns =
    "id, uuid, time_utc, operation, completed, outcome, port, device, serial, serial_from_file, super_number,"
    " model_number, firmware_version, codeplug_version, sha256, program_version, user_name, host_name";
constexpr int kImageColumn = 18;  // after the columns above, when asked for

struct Driver {
    ArchiveLocation::Kind kind;
    const char* name;
    const char* package;  // the Debian package that brings it
};

constexpr Driver kDrivers[] = {
    {ArchiveLocation::Kind::Sqlite, "QSQLITE", "libqt6sql6-sqlite"},
    {ArchiveLocation::Kind::Postgres, "QPSQL", "libqt6sql6-psql"},
};

// A text never goes in as NULL: the columns hold "" for "none".
QVariant textValue(const QString& s) { return QVariant(s.isNull() ? QStringLiteral("") : s); }

QString timeText(const QDateTime& time) { return StoredTime(time); }

QDateTime timeOf(const QVariant& text) {
    QDateTime t = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
    t.setTimeSpec(Qt::UTC);
    return t;
}

ArchiveEntry fromRow(const QSqlQuery& q, bool withImage) {
    ArchiveEntry e;
    e.id = q.value(0).toLongLong();
    e.uuid = q.value(1).toString();
    e.time = timeOf(q.value(2));
    e.operation = OperationNamed(q.value(3).toString()).value_or(Operation::Read);
    e.completed = q.value(4).toInt() != 0;
    e.outcome = q.value(5).toString();
    e.port = q.value(6).toString();
    e.device = q.value(7).toString();
    e.radio.serial = q.value(8).toString();
    e.serialFromFile = q.value(9).toInt() != 0;
    e.radio.superNumber = q.value(10).toString();
    e.radio.modelNumber = q.value(11).toString();
    e.radio.firmwareVersion = q.value(12).toString();
    e.radio.codeplugVersion = q.value(13).toString();
    e.sha256 = q.value(14).toString();
    e.programVersion = q.value(15).toString();
    e.user = q.value(16).toString();
    e.host = q.value(17).toString();
    if (withImage) e.image = q.value(kImageColumn).toByteArray();
    return e;
}

QString selectEntries(bool withImage, const char* rest) {
    return QStringLiteral("SELECT %1%2 FROM entries %3")
        .arg(QLatin1String(kEntryColumns), withImage ? QStringLiteral(", image") : QString(), QLatin1String(rest));
}

// The default archive's folder is made on first use, private to the user;
// another archive's folder must exist, so that a mistyped path is not
// created somewhere unexpected. The file is made with mode 0600 before
// SQLite opens it (its -wal and -shm files take the same mode).
QString prepareSqliteFile(const QString& path) {
    const fs::path file = path.toStdString();
    const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) {
        if (path != DefaultArchivePath())
            return QStringLiteral("the folder '%1' does not exist").arg(QString::fromStdString(folder.string()));
        if (!fs::create_directories(folder, ec))
            return QStringLiteral("cannot create the folder '%1': %2")
                .arg(QString::fromStdString(folder.string()), QString::fromStdString(ec.message()));
        fs::permissions(folder, fs::perms::owner_all, ec);
    }
    if (fs::is_directory(file, ec)) return QStringLiteral("'%1' is a folder").arg(path);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) ::close(fd);
    else if (errno != EEXIST) return QStringLiteral("cannot create '%1': %2").arg(path, QString::fromLocal8Bit(std::strerror(errno)));
    return {};
}

}  // namespace

ArchiveStore::ArchiveStore(ArchiveLocation where, QString connection)
    : where_(std::move(where)), connection_(std::move(connection)) {}

ArchiveStore::~ArchiveStore() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

bool ArchiveStore::fail(const QString& reason) {
    error_ = reason;
    return false;
}

std::unique_ptr<ArchiveStore> ArchiveStore::Open(const ArchiveLocation& where, QString& error, int schema) {
    static std::atomic<int> opened{0};
    const QString name = where.describe();
    if (!where.error.isEmpty()) {
        error = where.error;
        return nullptr;
    }
    if (where.kind == ArchiveLocation::Kind::Off) {
        error = QStringLiteral("the archive is turned off");
        return nullptr;
    }
    const Driver* driver = nullptr;
    for (const Driver& d : kDrivers)
        if (d.kind == where.kind) driver = &d;
    if (!QSqlDatabase::isDriverAvailable(QLatin1String(driver->name))) {
        error = QStringLiteral("archive %1: the Qt SQL driver %2 is not installed (package %3)")
                    .arg(name, QLatin1String(driver->name), QLatin1String(driver->package));
        return nullptr;
    }
    if (where.kind == ArchiveLocation::Kind::Sqlite) {
        if (const QString reason = prepareSqliteFile(where.path); !reason.isEmpty()) {
            error = QStringLiteral("archive %1: %2").arg(name, reason);
            return nullptr;
        }
    }

    std::unique_ptr<ArchiveStore> store(
        new ArchiveStore(where, QStringLiteral("vantrel-archive-%1").arg(opened.fetch_add(1))));
    QSqlDatabase& db = store->db_;
    db = QSqlDatabase::addDatabase(QLatin1String(driver->name), store->connection_);
    if (where.kind == ArchiveLocation::Kind::Sqlite) {
        db.setDatabaseName(where.path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    } else {
        db.setHostName(where.host);
        db.setPort(where.port);
        db.setDatabaseName(where.database);
        db.setUserName(where.user);
        db.setPassword(where.password);
        db.setConnectOptions(QStringLiteral("connect_timeout=%1").arg(kConnectTimeoutSeconds));
    }
    auto failed = [&](const QString& reason) {
        error = QStringLiteral("archive %1: %2").arg(name, reason.trimmed());
        return nullptr;
    };
    if (!db.open()) return failed(db.lastError().text());
    {
        QSqlQuery q(db);
        // SQLite: readers never wait for a writer, and a program killed
        // mid-write leaves the last committed state. The first statement also
        // reads the file's header, so a file that is no database is found here.
        const QString setUp = where.kind == ArchiveLocation::Kind::Sqlite
                                  ? QStringLiteral("PRAGMA journal_mode=WAL")
                                  : QStringLiteral("SET statement_timeout = %1").arg(kBusyTimeoutMs);
        if (!q.exec(setUp)) return failed(q.lastError().text());
    }
    QString reason;
    if (!MigrateSchema(db, reason, schema)) return failed(reason);
    return store;
}

bool ArchiveStore::add(ArchiveEntry& e) {
    // The entry and its radio's summary go in together or not at all.
    if (!db_.transaction()) return fail(db_.lastError().text());
    const bool inserted = insert(e);
    if (inserted && db_.commit()) return true;
    const QString reason = inserted ? db_.lastError().text() : error_;
    db_.rollback();
    return fail(reason);
}

bool ArchiveStore::insert(ArchiveEntry& e) {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral(
        "INSERT INTO entries (uuid, time_utc, operation, completed, outcome, port, device, serial, serial_from_file,"
        " super_number, model_number, firmware_version, codeplug_version, image, sha256, program_version, user_name,"
        " host_name) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
        " ON CONFLICT (uuid) DO NOTHING"));
    for (const QVariant& v : {textValue(e.uuid), QVariant(timeText(e.time)), QVariant(OperationName(e.operation)),
                              QVariant(e.completed ? 1 : 0), textValue(e.outcome), textValue(e.port),
                              textValue(e.device), textValue(e.radio.serial), QVariant(e.serialFromFile ? 1 : 0),
                              textValue(e.radio.superNumber), textValue(e.radio.modelNumber),
                              textValue(e.radio.firmwareVersion), textValue(e.radio.codeplugVersion)})
        q.addBindValue(v);
    q.addBindValue(e.image.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>()) : QVariant(e.image));
    q.addBindValue(e.sha256.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(e.sha256));
    for (const QString& v : {e.programVersion, e.user, e.host}) q.addBindValue(textValue(v));
    if (!q.exec()) return fail(q.lastError().text());
    const bool isNew = q.numRowsAffected() == 1;
    q.prepare(QStringLiteral("SELECT id FROM entries WHERE uuid = ?"));
    q.addBindValue(e.uuid);
    if (!q.exec() || !q.next()) return fail(q.lastError().text());
    e.id = q.value(0).toLongLong();
    QString reason;
    return !isNew || CountInRadioSummary(db_, e, reason) || fail(reason);
}

std::optional<std::vector<RadioSummary>> ArchiveStore::radios() {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT serial, model_number, last_id, last_time_utc, last_operation, entries FROM radios"
                               " ORDER BY serial"))) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    std::vector<RadioSummary> out;
    while (q.next())
        out.push_back({q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong(), timeOf(q.value(3)),
                       q.value(4).toString(), q.value(5).toLongLong()});
    return out;
}

std::optional<std::vector<ArchiveEntry>> ArchiveStore::list(const QString& serial, const QDateTime& since) {
    QString where = QStringLiteral("WHERE 1 = 1");
    if (!serial.isEmpty()) where += QStringLiteral(" AND serial = :serial");
    if (since.isValid()) where += QStringLiteral(" AND time_utc >= :since");
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(selectEntries(false, "") + where + QStringLiteral(" ORDER BY time_utc DESC, id DESC"));
    if (!serial.isEmpty()) q.bindValue(QStringLiteral(":serial"), serial);
    if (since.isValid()) q.bindValue(QStringLiteral(":since"), timeText(since));
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    std::vector<ArchiveEntry> out;
    while (q.next()) out.push_back(fromRow(q, false));
    return out;
}

std::optional<ArchiveEntry> ArchiveStore::entry(qint64 id) {
    error_.clear();
    QSqlQuery q(db_);
    q.prepare(selectEntries(true, "WHERE id = ?"));
    q.addBindValue(id);
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    if (!q.next()) return std::nullopt;
    return fromRow(q, true);
}

std::optional<ArchiveEntry> ArchiveStore::previousImage(const ArchiveEntry& e) {
    error_.clear();
    QSqlQuery q(db_);
    q.prepare(selectEntries(true, "WHERE serial = ? AND image IS NOT NULL AND (time_utc < ? OR (time_utc = ? AND id < ?))"
                                  " ORDER BY time_utc DESC, id DESC LIMIT 1"));
    const QString time = timeText(e.time);
    for (const QVariant& v : {textValue(e.radio.serial), QVariant(time), QVariant(time), QVariant(e.id)}) q.addBindValue(v);
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    if (!q.next()) return std::nullopt;
    return fromRow(q, true);
}

std::optional<ArchiveEntry> ArchiveStore::latestWrite(const QString& serial, const QDateTime& before) {
    error_.clear();
    QSqlQuery q(db_);
    q.prepare(selectEntries(true, "WHERE serial = ? AND time_utc < ? AND operation = ? AND image IS NOT NULL"
                                  " ORDER BY time_utc DESC, id DESC LIMIT 1"));
    for (const QVariant& v : {textValue(serial), QVariant(timeText(before)), QVariant(OperationName(Operation::Write))})
        q.addBindValue(v);
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    if (!q.next()) return std::nullopt;
    return fromRow(q, true);
}

std::optional<ArchiveEntry> ArchiveStore::latestRead(const QString& port, const QString& device,
                                                     const QDateTime& since, const QDateTime& until) {
    error_.clear();
    QSqlQuery q(db_);
    q.prepare(selectEntries(false, "WHERE port = ? AND device = ? AND time_utc >= ? AND time_utc <= ? AND operation = ?"
                                   " ORDER BY time_utc DESC, id DESC LIMIT 1"));
    for (const QVariant& v : {textValue(port), textValue(device), QVariant(timeText(since)),
                              QVariant(timeText(until)), QVariant(OperationName(Operation::Read))})
        q.addBindValue(v);
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    if (!q.next()) return std::nullopt;
    return fromRow(q, false);
}

std::optional<CheckReport> ArchiveStore::check() {
    CheckReport report;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    // PostgreSQL checks its pages itself as it reads them; SQLite is asked.
    if (where_.kind == ArchiveLocation::Kind::Sqlite) {
        if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
            fail(q.lastError().text());
            return std::nullopt;
        }
        while (q.next())
            if (const QString line = q.value(0).toString(); line != QLatin1String("ok")) report.integrity << line;
    }
    if (!q.exec(QStringLiteral("SELECT id, image, sha256 FROM entries WHERE image IS NOT NULL OR sha256 IS NOT NULL"
                               " ORDER BY id"))) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        const QByteArray image = q.value(1).toByteArray();
        const QString hash = q.value(2).toString();
        ++report.images;
        if (q.value(1).isNull()) report.failures.push_back({id, QStringLiteral("has a hash but no image")});
        else if (image.size() != static_cast<int>(CodeplugImage::kSize))
            report.failures.push_back({id, QStringLiteral("image has %1 bytes, not %2").arg(image.size()).arg(CodeplugImage::kSize)});
        else if (ImageHash(image) != hash)
            report.failures.push_back({id, QStringLiteral("image does not match its SHA-256")});
    }
    if (!q.isActive() && q.lastError().isValid()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    return report;
}

bool ArchiveStore::markPending(const QString& uuid, const QString& target) {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("INSERT INTO pending_copies (uuid, target) VALUES (?, ?) ON CONFLICT DO NOTHING"));
    q.addBindValue(uuid);
    q.addBindValue(target);
    return q.exec() || fail(q.lastError().text());
}

std::optional<std::vector<ArchiveEntry>> ArchiveStore::pending(const QString& target) {
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(selectEntries(true, "WHERE uuid IN (SELECT uuid FROM pending_copies WHERE target = ?)"
                                  " ORDER BY time_utc, id"));
    q.addBindValue(target);
    if (!q.exec()) {
        fail(q.lastError().text());
        return std::nullopt;
    }
    std::vector<ArchiveEntry> out;
    while (q.next()) out.push_back(fromRow(q, true));
    return out;
}

bool ArchiveStore::clearPending(const QString& uuid, const QString& target) {
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("DELETE FROM pending_copies WHERE uuid = ? AND target = ?"));
    q.addBindValue(uuid);
    q.addBindValue(target);
    return q.exec() || fail(q.lastError().text());
}

}  // namespace vantrel::archive
