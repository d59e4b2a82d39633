#pragma once
// One open archive: a database connection of its own, on the thread that
// opened it (Qt SQL connections do not move between threads). Every query
// binds its values.
#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "archive/ArchiveEntry.h"
#include "archive/ArchiveLocation.h"
#include "archive/ArchiveSchema.h"

namespace vantrel::archive {

// A shared archive that does not answer within this time counts as down.
constexpr int kConnectTimeoutSeconds = 3;
// How long a program waits for another one's write to an SQLite archive.
constexpr int kBusyTimeoutMs = 10000;

struct RadioSummary {
    QString serial;
    QString modelNumber;   // of its newest entry that names one
    qint64 lastId = 0;
    QDateTime lastTime;
    QString lastOperation;
    qint64 entries = 0;
};

// An entry whose image fails the check, and why.
struct CheckFailure {
    qint64 id;
    QString reason;
};

struct CheckReport {
    QStringList integrity;               // the engine's own findings; empty when sound
    std::vector<CheckFailure> failures;  // images that do not match their hash
    qint64 images = 0;                   // images checked
};

class ArchiveStore {
public:
    // Opens the archive, creating an SQLite file (mode 0600) and its tables
    // when needed; nullptr with the reason in error when it cannot be used.
    // `schema` is the version to bring it to (older ones only in tests).
    static std::unique_ptr<ArchiveStore> Open(const ArchiveLocation& where, QString& error,
                                              int schema = kSchemaVersion);
    ~ArchiveStore();
    ArchiveStore(const ArchiveStore&) = delete;
    ArchiveStore& operator=(const ArchiveStore&) = delete;

    const ArchiveLocation& location() const { return where_; }
    // The reason of the last failure.
    const QString& error() const { return error_; }

    // Stores the entry and sets its id. An entry whose uuid is already there
    // is not stored again (its id is the stored one's).
    bool add(ArchiveEntry& entry);

    // Every radio, by serial number.
    std::optional<std::vector<RadioSummary>> radios();
    // Newest first, without images; an empty serial or an invalid time
    // does not filter.
    std::optional<std::vector<ArchiveEntry>> list(const QString& serial, const QDateTime& since);
    // With its image; nullopt with an empty error() when there is none.
    std::optional<ArchiveEntry> entry(qint64 id);
    // The same radio's newest entry with an image before this one.
    std::optional<ArchiveEntry> previousImage(const ArchiveEntry& entry);
    // The radio's newest completed write (with its image) before `before`.
    std::optional<ArchiveEntry> latestWrite(const QString& serial, const QDateTime& before);
    // The newest read on the port and device from `since` to `until`.
    std::optional<ArchiveEntry> latestRead(const QString& port, const QString& device, const QDateTime& since,
                                           const QDateTime& until);

    std::optional<CheckReport> check();

    // Entries kept here for a shared archive that was down ("target" is its
    // description), oldest first, with their images.
    bool markPending(const QString& uuid, const QString& target);
    std::optional<std::vector<ArchiveEntry>> pending(const QString& target);
    bool clearPending(const QString& uuid, const QString& target);

    QSqlDatabase& database() { return db_; }

private:
    ArchiveStore(ArchiveLocation where, QString connection);
    bool fail(const QString& reason);
    // add() inside its transaction.
    bool insert(ArchiveEntry& entry);

    ArchiveLocation where_;
    QString connection_;
    QSqlDatabase db_;
    QString error_;
};

}  // namespace vantrel::archive
