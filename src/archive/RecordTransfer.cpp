#include "archive/RecordTransfer.h"

#include <pwd.h>
#include <unistd.h>

#include <QSysInfo>
#include <QUuid>

#include "archive/ArchiveStore.h"
#include "archive/Attribution.h"
#include "archive/PendingCopies.h"
#include "archive/RadioFacts.h"

namespace vantrel::archive {

namespace {

QString userName() {
    if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_name) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

QByteArray bytesOf(const CodeplugImage::Bytes& bytes) {
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

QString whatWasLost(const FinishedTransfer& t) {
    return QStringLiteral("%1 on %2").arg(QLatin1String(OperationName(t.operation)), QString::fromStdString(t.port));
}

// Stores the transfers into one archive; the entries it could not store
// are left in `left` (by index).
void storeInto(ArchiveStore& store, const std::vector<FinishedTransfer>& transfers, std::vector<std::size_t>& left,
               std::vector<ArchiveEntry>& entries, const QString& pendingFor, QString& error) {
    std::vector<std::size_t> notStored;
    for (std::size_t k : left) {
        ArchiveEntry& e = entries[k];
        const Attribution who = Attribute(store, transfers[k]);
        e.radio.serial = who.serial;
        e.serialFromFile = who.fromFile;
        if (store.add(e) && (pendingFor.isEmpty() || store.markPending(e.uuid, pendingFor))) continue;
        error = store.error();
        notStored.push_back(k);
    }
    left = notStored;
}

}  // namespace

ArchiveEntry EntryFor(const FinishedTransfer& t) {
    ArchiveEntry e;
    e.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    e.time = t.time.toUTC();
    e.operation = t.operation;
    e.completed = t.completed;
    e.outcome = QString::fromStdString(t.outcome);
    e.port = QString::fromStdString(t.port);
    e.device = QString::fromStdString(t.device);
    if (t.completed && t.bytes) {
        e.image = bytesOf(*t.bytes);
        e.sha256 = ImageHash(e.image);
        e.radio = RadioFactsOf(*t.bytes);
    } else if (t.written) {
        e.radio = RadioFactsOf(*t.written);
    }
    e.programVersion = QStringLiteral(VANTREL_VERSION);
    e.user = userName();
    e.host = QSysInfo::machineHostName();
    return e;
}

int RecordTransfers(const ArchiveLocation& where, const std::vector<FinishedTransfer>& transfers, const Warn& given,
                    std::vector<ArchiveEntry>* stored) {
    const Warn warn = given ? given : Warn([](const QString&) {});
    if (where.kind == ArchiveLocation::Kind::Off || transfers.empty()) return 0;
    std::vector<ArchiveEntry> entries;
    for (const FinishedTransfer& t : transfers) entries.push_back(EntryFor(t));
    std::vector<std::size_t> left;
    for (std::size_t k = 0; k < transfers.size(); ++k) left.push_back(k);

    QString error;
    if (auto store = ArchiveStore::Open(where, error)) {
        storeInto(*store, transfers, left, entries, QString(), error);
        QString copyError;
        if (where.shared() && left.empty() && CopyPendingFromLocal(*store, copyError) < 0)
            warn(QStringLiteral("entries kept locally could not yet be copied to %1: %2")
                     .arg(where.describe(), copyError));
    }
    if (!left.empty() && where.shared()) {
        const ArchiveLocation local = ParseLocation(QString());
        QString localError;
        // A URL that names no server is kept locally too, but waits for no copy.
        const bool malformed = !where.error.isEmpty();
        if (auto store = ArchiveStore::Open(local, localError)) {
            const std::size_t before = left.size();
            storeInto(*store, transfers, left, entries, malformed ? QString() : where.describe(), localError);
            if (left.size() < before && malformed)
                warn(QStringLiteral("%1: the entry is kept in %2 instead").arg(error, local.describe()));
            else if (left.size() < before)
                warn(QStringLiteral("the shared archive cannot be reached (%1): the entry is kept in %2 and copied "
                                    "across when it answers again")
                         .arg(error, local.describe()));
        }
        if (!left.empty()) error += QStringLiteral("; ") + localError;
    }
    for (std::size_t k : left) warn(QStringLiteral("the %1 was not archived: %2").arg(whatWasLost(transfers[k]), error));
    if (stored) *stored = entries;
    return static_cast<int>(transfers.size() - left.size());
}

}  // namespace vantrel::archive
