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
    QString error;
    {
        auto old = ArchiveStore::Open(where_, error, 1);
        ASSERT_TRUE(old) << error.toStdString();
        QSqlQuery q(old->database());
        q.prepare(QStringLiteral(
            "INSERT INTO entries (uuid, time_utc, operation, completed, outcome, port, device, serial, super_number,"
            " model_number, firmware_version, codeplug_version, image, sha256, program_version, user_name, host_name)"
            " VALUES ('u-1', '2025-01-02T03:04:05.000Z', 'read', 1, 'Done', 'Com1', '/dev/ttyUSB0', 'OLD0000001',"
            " '', 'M', 'R1', 'R2', ?, ?, '0.9', 'u', 'h')"));
        const QByteArray image = bytes(Image("OLD0000001"));
        q.addBindValue(image);
        q.addBindValue(ImageHash(image));
        ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString();
    }
    auto store = open();
    ASSERT_TRUE(store);
    EXPECT_EQ(SchemaVersion(store->database(), error), kSchemaVersion);
    const auto list = store->list(QStringLiteral("OLD0000001"), QDateTime());
    ASSERT_TRUE(list);
    ASSERT_EQ(list->size(), 1u);
    EXPECT_FALSE((*list)[0].serialFromFile);
    EXPECT_EQ((*list)[0].time, QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5), Qt::UTC));
    const auto report = store->check();
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->failures.empty());
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
