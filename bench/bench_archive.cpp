// Times the radio archive: recording one entry (open, file, store, close:
// what each transfer costs its program, off the transfer's path), on SQLite
// and on PostgreSQL; and `archive radios` / `archive list --serial` on an
// archive of 100,000 entries (1,000 radios of 100 entries each), as queries
// and as the whole vantrelctl command, beside that command on a small
// archive (what starting the programs and connecting costs).
//
// PostgreSQL runs on a server of the benchmark's own (initdb in a temporary
// folder, as the tests do); without one it is left out, and says why.
#include <QCoreApplication>
#include <QProcess>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "TimedRuns.h"
#include "archive/ArchiveStore.h"
#include "archive/PostgresServer.h"
#include "archive/RecordTransfer.h"

namespace {

using namespace vantrel::archive;
using Clock = std::chrono::steady_clock;

constexpr int kRadios = 1000;
constexpr int kEntriesEach = 100;
constexpr int kSchemaBeforeRadios = 2;

void report(const char* what, int runs, const std::function<void()>& step) { ReportRuns(what, runs, step, 46); }

FinishedTransfer aRead(int n) {
    vantrel::CodeplugImage image;
    for (std::size_t k = 0; k < vantrel::CodeplugImage::kSize; ++k) image.setByte(k, static_cast<std::uint8_t>(k + n));
    image.setText(vantrel::bytemap::SerialNumber, vantrel::bytemap::SerialNumberSize, "B" + std::to_string(n % 7));
    FinishedTransfer t;
    t.completed = true;
    t.outcome = "Done";
    t.port = "Com1";
    t.device = "/dev/ttyUSB0";
    t.bytes = image.bytes();
    return t;
}

// 100,000 entries in one transaction, straight through one prepared insert.
bool fill(ArchiveStore& store) {
    QSqlDatabase& db = store.database();
    db.transaction();
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "INSERT INTO entries (uuid, time_utc, operation, completed, outcome, port, device, serial, serial_from_file,"
        " super_number, model_number, firmware_version, codeplug_version, image, sha256, program_version, user_name,"
        " host_name) VALUES (?, ?, ?, 1, 'Done', 'Com1', '/dev/ttyUSB0', ?, 0, 'S', ?, 'R1', 'R2', ?, ?, '1.0', 'u', 'h')"));
    const QDateTime start(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    QByteArray image(384, '\0');
    for (int n = 0; n < kRadios * kEntriesEach; ++n) {
        image[n % 384] = static_cast<char>(n);
        q.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
        q.addBindValue(start.addSecs(n * 60).toString(Qt::ISODateWithMs));
        q.addBindValue(n % 3 ? QStringLiteral("write") : QStringLiteral("read"));
        q.addBindValue(QStringLiteral("R%1").arg(n % kRadios, 6, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("Model %1").arg(n % 5));
        q.addBindValue(image);
        q.addBindValue(ImageHash(image));
        if (!q.exec()) {
            std::printf("fill failed: %s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    return db.commit();
}

void measure(const char* engine, const QString& choice, const QString& bigChoice) {
    const ArchiveLocation where = ParseLocation(choice);
    int n = 0;
    report(qPrintable(QStringLiteral("%1: record one entry").arg(engine)), 50,
           [&] { RecordTransfers(where, {aRead(n++)}, [](const QString& w) { std::printf("%s\n", qPrintable(w)); }); });

    const ArchiveLocation big = ParseLocation(bigChoice);
    QString error;
    // The entries go into an archive of the schema before the radios table;
    // opening it then brings it up to date, as an older archive is.
    auto store = ArchiveStore::Open(big, error, kSchemaBeforeRadios);
    if (!store) {
        std::printf("%s: %s\n", engine, qPrintable(error));
        return;
    }
    auto t0 = Clock::now();
    if (!fill(*store)) return;
    store.reset();
    std::printf("%s: 100,000 entries stored in %.1f s\n", engine,
                std::chrono::duration<double>(Clock::now() - t0).count());
    t0 = Clock::now();
    store = ArchiveStore::Open(big, error);
    if (!store) {
        std::printf("%s: %s\n", engine, qPrintable(error));
        return;
    }
    std::printf("%s: migrated to the radios table in %.1f s\n", engine,
                std::chrono::duration<double>(Clock::now() - t0).count());
    if (big.kind == ArchiveLocation::Kind::Postgres) QSqlQuery(store->database()).exec(QStringLiteral("ANALYZE"));
    report(qPrintable(QStringLiteral("%1: radios query (100,000 entries)").arg(engine)), 20, [&] { store->radios(); });
    report(qPrintable(QStringLiteral("%1: list --serial query").arg(engine)), 20,
           [&] { store->list(QStringLiteral("R000421"), QDateTime()); });
    store.reset();

    auto command = [&](const QStringList& args, const QString& archive) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VANTREL_ARCHIVE"), archive);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VANTRELCTL_PATH), args);
        p.waitForFinished();
    };
    // What every archive command costs whatever the archive holds: two
    // programs started, Qt SQL's driver loaded, the database connected.
    report(qPrintable(QStringLiteral("%1: vantrelctl archive radios, 50 entries").arg(engine)), 10,
           [&] { command({"archive", "radios"}, choice); });
    report(qPrintable(QStringLiteral("%1: vantrelctl archive radios").arg(engine)), 10,
           [&] { command({"archive", "radios"}, bigChoice); });
    report(qPrintable(QStringLiteral("%1: vantrelctl archive list --serial").arg(engine)), 10,
           [&] { command({"archive", "list", "--serial", "R000421"}, bigChoice); });
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    qputenv("XDG_DATA_HOME", (folder.path() + "/home").toLocal8Bit());
    measure("SQLite", folder.path() + "/record.sqlite", folder.path() + "/big.sqlite");

    test::PostgresServer server;
    if (!server.started()) {
        std::printf("PostgreSQL: not measured, no server: %s\n", qPrintable(server.failure()));
        return 0;
    }
    measure("PostgreSQL", server.newDatabase(QStringLiteral("record")), server.newDatabase(QStringLiteral("big")));
    server.stop();
    return 0;
}
