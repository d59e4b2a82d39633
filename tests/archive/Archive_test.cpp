// The archive core on both engines: what each transfer files, under which
// radio, and that the bytes come back exactly.
#include <QSqlError>
#include <QSqlQuery>

#include "ArchiveFixture.h"
#include "archive/ArchiveRecorder.h"
#include "archive/Attribution.h"
#include "archive/RecordTransfer.h"

namespace vantrel::archive::test {

namespace {

class ServerEnvironment : public ::testing::Environment {
public:
    void TearDown() override { SharedServer().stop(); }
};
[[maybe_unused]] const auto* const kServerEnvironment = ::testing::AddGlobalTestEnvironment(new ServerEnvironment);

QByteArray bytes(const CodeplugImage::Bytes& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<int>(b.size()));
}

// An entry of `serial` at `minute` past a fixed hour, stored as it comes.
ArchiveEntry Entry(const char* uuid, const char* serial, Operation op, int minute, const char* model = "U2",
                   bool image = true) {
    ArchiveEntry e;
    e.uuid = QString::fromLatin1(uuid);
    e.time = QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC).addSecs(minute * 60);
    e.operation = op;
    e.completed = image;
    e.outcome = QStringLiteral("Done");
    e.radio.serial = QString::fromLatin1(serial);
    e.radio.modelNumber = QString::fromLatin1(model);
    if (image) {
        e.image = bytes(Image(serial, minute));
        e.sha256 = ImageHash(e.image);
    }
    return e;
}

std::vector<QString> warnings;
const Warn kCollect = [](const QString& w) { warnings.push_back(w); };

}  // namespace

using Archive = ArchiveTest;

TEST_P(Archive, EachTransferIsFiledUnderTheRightRadio) {
    warnings.clear();
    const auto radioA = Image("A100000001", 1);
    const auto radioB = Image("B200000002", 2);
    const auto fileC = Image("C300000003", 3);
    std::vector<FinishedTransfer> ts;
    ts.push_back(Transfer(Operation::Read, "Com1", radioA));
    // The write sends a blank serial; the read just before on Com1 names the radio.
    ts.push_back(Transfer(Operation::Write, "Com1", Image("\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 4), fileC));
    // The read-back carries the radio's serial.
    ts.push_back(Transfer(Operation::Verify, "Com1", radioA, fileC));
    // No read on Com2: the write goes under the file's serial, so marked.
    ts.push_back(Transfer(Operation::Write, "Com2", radioB, fileC));
    // A failed read names no radio and keeps no bytes.
    ts.push_back(Transfer(Operation::Read, "Com3", std::nullopt));
    // A failed write on Com1 still belongs to the radio read there.
    ts.push_back(Transfer(Operation::Write, "Com1", std::nullopt, fileC));
    for (std::size_t k = 0; k < ts.size(); ++k) ts[k].time = ts[0].time.addSecs(static_cast<int>(k));
    std::vector<ArchiveEntry> stored;
    ASSERT_EQ(RecordTransfers(where_, ts, kCollect, &stored), 6) << (warnings.empty() ? "" : warnings[0].toStdString());
    EXPECT_TRUE(warnings.empty());

    struct Expected {
        const char* serial;
        bool fromFile;
        bool image;
    };
    const Expected expected[] = {{"A100000001", false, true}, {"A100000001", false, true}, {"A100000001", false, true},
                                 {"C300000003", true, true},  {"", false, false},          {"A100000001", false, false}};
    auto store = open();
    ASSERT_TRUE(store);
    const auto list = store->list(QString(), QDateTime());
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 6u);
    for (std::size_t k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const ArchiveEntry& e = (*list)[5 - k];  // newest first
        EXPECT_EQ(e.id, stored[k].id);
        EXPECT_EQ(e.operation, ts[k].operation);
        EXPECT_EQ(e.radio.serial.toStdString(), expected[k].serial);
        EXPECT_EQ(e.serialFromFile, expected[k].fromFile);
        EXPECT_EQ(e.completed, expected[k].image);
        const auto full = store->entry(e.id);
        ASSERT_TRUE(full);
        EXPECT_EQ(!full->image.isEmpty(), expected[k].image);
        if (expected[k].image) {
            EXPECT_EQ(full->image, bytes(*ts[k].bytes));
        }
        EXPECT_EQ(full->sha256.isEmpty(), !expected[k].image);
    }
    EXPECT_EQ(store->list(QStringLiteral("A100000001"), QDateTime())->size(), 4u);
    EXPECT_EQ(store->list(QString(), ts[4].time)->size(), 2u);

    const auto radios = store->radios();
    ASSERT_TRUE(radios);
    ASSERT_EQ(radios->size(), 2u);
    EXPECT_EQ((*radios)[0].serial, QStringLiteral("A100000001"));
    EXPECT_EQ((*radios)[0].entries, 4);
    EXPECT_EQ((*radios)[0].lastId, stored[5].id);
    EXPECT_EQ((*radios)[1].serial, QStringLiteral("C300000003"));

    const auto before = store->previousImage((*list)[0]);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->id, stored[2].id);
}

TEST_P(Archive, TheRadiosTableFollowsEveryInsertInAnyOrder) {
    auto store = open();
    ASSERT_TRUE(store);
    // Added in this order; an older entry arriving late (a copy that waited
    // locally) leaves the newest in place but may still name the model.
    std::vector<ArchiveEntry> entries = {
        Entry("a10", "A1", Operation::Read, 10, "U2"),   Entry("a30", "A1", Operation::Write, 30, ""),
        Entry("a20", "A1", Operation::Verify, 20, "U3"), Entry("b05", "B2", Operation::Read, 5, ""),
        Entry("n01", "", Operation::Read, 1, "", false), Entry("a10", "A1", Operation::Read, 10, "U2"),
        Entry("a30b", "A1", Operation::Write, 30, "", false),
    };
    for (ArchiveEntry& e : entries) ASSERT_TRUE(store->add(e)) << store->error().toStdString();
    EXPECT_EQ(entries[5].id, entries[0].id);  // the same uuid is stored once

    ExpectRadiosMatchEntries(*store);
    const auto radios = store->radios();
    ASSERT_EQ(radios->size(), 2u);
    const RadioSummary& a = (*radios)[0];
    EXPECT_EQ(a.entries, 4);
    EXPECT_EQ(a.lastId, entries[6].id);  // as new as a30, stored after it
    EXPECT_EQ(a.modelNumber, "U3");
    EXPECT_EQ((*radios)[1].modelNumber, "");
}

TEST_P(Archive, LatestWriteIsTheRadiosNewestCompletedWriteBeforeTheRead) {
    auto store = open();
    ASSERT_TRUE(store);
    std::vector<ArchiveEntry> entries = {
        Entry("w10", "A1", Operation::Write, 10), Entry("w20", "A1", Operation::Write, 20),
        Entry("w25", "A1", Operation::Write, 25, "U2", false), Entry("r28", "A1", Operation::Read, 28),
        Entry("v29", "A1", Operation::Verify, 29), Entry("w40", "A1", Operation::Write, 40),
        Entry("b30", "B2", Operation::Write, 30),
    };
    for (ArchiveEntry& e : entries) ASSERT_TRUE(store->add(e)) << store->error().toStdString();
    const QDateTime read = Entry("r35", "A1", Operation::Read, 35).time;
    const auto write = store->latestWrite(QStringLiteral("A1"), read);
    ASSERT_TRUE(write) << store->error().toStdString();
    EXPECT_EQ(write->uuid, "w20");
    EXPECT_EQ(write->image, entries[1].image);
    EXPECT_FALSE(store->latestWrite(QStringLiteral("C3"), read));
    EXPECT_FALSE(store->latestWrite(QStringLiteral("A1"), entries[0].time));
    EXPECT_TRUE(store->error().isEmpty());
}

TEST_P(Archive, AReadLongBeforeTheWriteDoesNotNameTheRadio) {
    auto read = Transfer(Operation::Read, "Com1", Image("A100000001"));
    auto write = Transfer(Operation::Write, "Com1", Image("X"), Image("F000000009"));
    read.time = write.time.addSecs(-kReadBeforeWriteSeconds - 1);
    std::vector<ArchiveEntry> stored;
    ASSERT_EQ(RecordTransfers(where_, {read, write}, kCollect, &stored), 2);
    auto store = open();
    const auto e = store->entry(stored[1].id);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->radio.serial, QStringLiteral("F000000009"));
    EXPECT_TRUE(e->serialFromFile);
}

TEST_P(Archive, AnOlderSchemaOpensAndKeepsItsEntries) {
    // Each older version, with entries of two radios written as that version
    // wrote them: the newer program lists them and their radios.
    for (int version = 1; version < kSchemaVersion; ++version) {
        SCOPED_TRACE(version);
        const ArchiveLocation where = ParseLocation(GetParam() == Engine::Sqlite
                                                        ? folder_.path() + QStringLiteral("/v%1.sqlite").arg(version)
                                                        : newDatabase());
        QString error;
        {
            auto old = ArchiveStore::Open(where, error, version);
            ASSERT_TRUE(old) << error.toStdString();
            QSqlQuery q(old->database());
            q.prepare(QStringLiteral(
                "INSERT INTO entries (uuid, time_utc, operation, completed, outcome, port, device, serial,"
                " super_number, model_number, firmware_version, codeplug_version, image, sha256, program_version,"
                " user_name, host_name) VALUES (?, ?, ?, 1, 'Done', 'Com1', '/dev/ttyUSB0', ?, '', ?, 'R1', 'R2',"
                " ?, ?, '0.9', 'u', 'h')"));
            const struct {
                const char* uuid;
                const char* time;
                const char* operation;
                const char* serial;
                const char* model;
            } rows[] = {{"u-1", "2025-01-02T03:04:05.000Z", "read", "OLD0000001", "M"},
                        {"u-2", "2025-01-03T03:04:05.000Z", "write", "OLD0000001", ""},
                        {"u-3", "2025-01-01T03:04:05.000Z", "read", "OLD0000002", "N"}};
            for (const auto& r : rows) {
                const QByteArray image = bytes(Image(r.serial));
                for (const QVariant& v : {QVariant(r.uuid), QVariant(r.time), QVariant(r.operation),
                                          QVariant(r.serial), QVariant(r.model), QVariant(image),
                                          QVariant(ImageHash(image))})
                    q.addBindValue(v);
                ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
            }
        }
        auto store = ArchiveStore::Open(where, error);
        ASSERT_TRUE(store) << error.toStdString();
        EXPECT_EQ(SchemaVersion(store->database(), error), kSchemaVersion);
        const auto list = store->list(QStringLiteral("OLD0000001"), QDateTime());
        ASSERT_TRUE(list);
        ASSERT_EQ(list->size(), 2u);
        EXPECT_FALSE((*list)[1].serialFromFile);
        EXPECT_EQ((*list)[1].time, QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5), Qt::UTC));
        ExpectRadiosMatchEntries(*store);
        const auto radios = store->radios();
        ASSERT_EQ(radios->size(), 2u);
        EXPECT_EQ((*radios)[0].entries, 2);
        EXPECT_EQ((*radios)[0].lastOperation, "write");
        EXPECT_EQ((*radios)[0].modelNumber, "M");
        // The migrated table goes on counting.
        ArchiveEntry next = Entry("u-4", "OLD0000002", Operation::Write, 0, "");
        ASSERT_TRUE(store->add(next)) << store->error().toStdString();
        ExpectRadiosMatchEntries(*store);
        const auto report = store->check();
        ASSERT_TRUE(report);
        EXPECT_TRUE(report->failures.empty());
    }
}

TEST_P(Archive, CheckFindsAnImageThatNoLongerMatchesItsHash) {
    std::vector<ArchiveEntry> stored;
    ASSERT_EQ(RecordTransfers(where_, {Transfer(Operation::Read, "Com1", Image("A1")),
                                       Transfer(Operation::Read, "Com1", Image("A2"))},
                              kCollect, &stored),
              2);
    auto store = open();
    QSqlQuery q(store->database());
    q.prepare(QStringLiteral("UPDATE entries SET image = ? WHERE id = ?"));
    q.addBindValue(bytes(Image("A2", 9)));
    q.addBindValue(stored[1].id);
    ASSERT_TRUE(q.exec());
    const auto report = store->check();
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->integrity.isEmpty());
    EXPECT_EQ(report->images, 2);
    ASSERT_EQ(report->failures.size(), 1u);
    EXPECT_EQ(report->failures[0].id, stored[1].id);
}

TEST_P(Archive, TheRecorderStoresOffTheCallersThreadAndInOrder) {
    {
        ArchiveRecorder recorder(where_, kCollect);
        recorder.record(Transfer(Operation::Read, "Com4", Image("R400000004")));
        recorder.record(Transfer(Operation::Write, "Com4", Image("X"), Image("F1")));
    }  // the destructor waits for both
    auto store = open();
    const auto list = store->list(QStringLiteral("R400000004"), QDateTime());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Engines, Archive, ::testing::Values(Engine::Sqlite, Engine::Postgres), EngineName);

}  // namespace vantrel::archive::test
