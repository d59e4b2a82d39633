#pragma once
// The archive tests run once on SQLite and once on PostgreSQL: each test gets
// an archive of its own (a new file, or a new database on the tests' server)
// and a private $XDG_DATA_HOME, so the local archive is its own too.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <atomic>
#include <map>

#include "PostgresServer.h"
#include "archive/ArchiveLocation.h"
#include "archive/ArchiveStore.h"
#include "archive/FinishedTransfer.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/CodeplugImage.h"
#include "support/SeededImage.h"

namespace vantrel::archive::test {

using vantrel::test::Image;

enum class Engine { Sqlite, Postgres };

inline std::string EngineName(const ::testing::TestParamInfo<Engine>& info) {
    return info.param == Engine::Sqlite ? "SQLite" : "PostgreSQL";
}


inline FinishedTransfer Transfer(Operation op, const std::string& port, std::optional<CodeplugImage::Bytes> bytes,
                                 std::optional<CodeplugImage::Bytes> written = std::nullopt) {
    FinishedTransfer t;
    t.operation = op;
    t.completed = bytes.has_value();
    t.outcome = bytes ? "Done" : "Communication Error";
    t.port = port;
    t.device = "/dev/tty-" + port;
    t.bytes = bytes;
    t.written = written;
    return t;
}

// The archive's radios, as its entries say they are: each serial's count,
// newest entry (by time, then id), and the model of its newest entry that
// names one.
inline void ExpectRadiosMatchEntries(ArchiveStore& store) {
    const auto entries = store.list(QString(), QDateTime());  // newest first
    ASSERT_TRUE(entries) << store.error().toStdString();
    std::map<QString, RadioSummary> expected;
    for (const ArchiveEntry& e : *entries) {
        if (e.radio.serial.isEmpty()) continue;
        RadioSummary& r = expected[e.radio.serial];
        if (r.entries++ == 0) {
            r.serial = e.radio.serial;
            r.lastId = e.id;
            r.lastTime = e.time;
            r.lastOperation = QString::fromLatin1(OperationName(e.operation));
        }
        if (r.modelNumber.isEmpty()) r.modelNumber = e.radio.modelNumber;
    }
    const auto radios = store.radios();
    ASSERT_TRUE(radios) << store.error().toStdString();
    ASSERT_EQ(radios->size(), expected.size());
    auto want = expected.begin();
    for (const RadioSummary& got : *radios) {
        const RadioSummary& r = (want++)->second;
        SCOPED_TRACE(r.serial.toStdString());
        EXPECT_EQ(got.serial, r.serial);
        EXPECT_EQ(got.modelNumber, r.modelNumber);
        EXPECT_EQ(got.lastId, r.lastId);
        EXPECT_EQ(got.lastTime, r.lastTime);
        EXPECT_EQ(got.lastOperation, r.lastOperation);
        EXPECT_EQ(got.entries, r.entries);
    }
}

class ArchiveTest : public ::testing::TestWithParam<Engine> {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        qputenv("XDG_DATA_HOME", (folder_.path() + "/home").toLocal8Bit());
        qunsetenv("VANTREL_ARCHIVE");
        choice_ = GetParam() == Engine::Sqlite ? folder_.path() + "/archive.sqlite" : newDatabase();
        where_ = ParseLocation(choice_);
    }

    QString newDatabase() {
        static std::atomic<int> made{0};
        PostgresServer& server = SharedServer();
        EXPECT_TRUE(server.started()) << server.failure().toStdString();
        return server.newDatabase(QStringLiteral("archive_%1_%2").arg(::getpid()).arg(made++));
    }

    std::unique_ptr<ArchiveStore> open() {
        QString error;
        auto store = ArchiveStore::Open(where_, error);
        EXPECT_TRUE(store) << error.toStdString();
        return store;
    }

    QTemporaryDir folder_;
    QString choice_;   // what VANTREL_ARCHIVE would say
    ArchiveLocation where_;
};

}  // namespace vantrel::archive::test
