// vantrelctl read, write and verify against the simulated radio each add an
// entry, failures too; a shared archive that is down changes nothing for
// the transfer.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "ArchiveFixture.h"
#include "ArchivePrograms.h"
#include "link/e2e/E2eRig.h"

namespace vantrel::archive::test {

namespace {

using link::e2e::Simulator;

constexpr const char* kSerial = "SIM0000001";

// The simulator's codeplug: a model's default data file, carrying kSerial.
QByteArray RadioCpg() {
    QByteArray cpg = link::e2e::Contents(QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg"));
    QList<QByteArray> lines = cpg.split('\n');
    for (int k = 0; k < 10; ++k)
        lines[1 + static_cast<int>(bytemap::SerialNumber) + k] =
            " " + QByteArray::number(static_cast<unsigned char>(kSerial[k])) + " \r";
    return lines.join('\n');
}

QJsonArray listed(const QProcessEnvironment& env) {
    const ProgramResult r = Ctl({"archive", "list", "--json"}, env);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).array();
}

}  // namespace

using ArchiveTransfers = ArchiveTest;

TEST_P(ArchiveTransfers, ReadsWritesVerifiesAndFailuresLandAsEntries) {
    const QProcessEnvironment env = ArchiveEnvironment(choice_, folder_.path() + "/home");
    const QString file = folder_.path() + "/read.cpg";
    {
        Simulator radio(folder_.path(), RadioCpg(), {});
        ASSERT_TRUE(radio.ready());
        const ProgramResult read = Ctl({"read", "--port", radio.link(), "-o", file}, env);
        ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
        const ProgramResult write = Ctl({"write", file, "--port", radio.link(), "--verify"}, env);
        ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
        EXPECT_FALSE(write.err.contains("archive")) << write.err.toStdString();
    }
    {
        QTemporaryDir quiet;
        Simulator silent(quiet.path(), RadioCpg(), {"--silent-at", "1"});
        ASSERT_TRUE(silent.ready());
        EXPECT_EQ(Ctl({"read", "--port", silent.link(), "-o", folder_.path() + "/none.cpg"}, env).exitCode, 1);
    }

    const QJsonArray entries = listed(env);
    ASSERT_EQ(entries.size(), 4);
    struct Expected {
        const char* operation;
        bool completed;
        const char* serial;
    };
    // Newest first. The write blanks the serial it sends, so the write and
    // the verify of it are filed under the read just before on the port.
    const Expected expected[] = {
        {"read", false, ""}, {"verify", true, kSerial}, {"write", true, kSerial}, {"read", true, kSerial}};
    for (int k = 0; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(entries[k]["operation"].toString(), expected[k].operation);
        EXPECT_EQ(entries[k]["completed"].toBool(), expected[k].completed);
        EXPECT_EQ(entries[k]["serial"].toString(), expected[k].serial);
        EXPECT_FALSE(entries[k]["serialFromFile"].toBool());
    }
    EXPECT_EQ(entries[1]["outcome"].toString(), "the radio holds every byte written");

    const QString got = folder_.path() + "/got.cpg";
    ASSERT_EQ(Ctl({"archive", "get", QString::number(entries[3]["id"].toInteger()), "-o", got}, env).exitCode, 0);
    EXPECT_EQ(link::e2e::Contents(got), link::e2e::Contents(file));
}

INSTANTIATE_TEST_SUITE_P(Engines, ArchiveTransfers, ::testing::Values(Engine::Sqlite, Engine::Postgres), EngineName);

TEST(ArchiveTransfersShared, ASharedArchiveThatIsDownTakesNothingFromTheTransfer) {
    QTemporaryDir folder;
    const QString url = QStringLiteral("postgresql://postgres@127.0.0.1:%1/archive").arg(FreePort());
    const QProcessEnvironment env = ArchiveEnvironment(url, folder.path() + "/home");
    Simulator radio(folder.path(), RadioCpg(), {});
    ASSERT_TRUE(radio.ready());
    const ProgramResult read = Ctl({"read", "--port", radio.link(), "-o", folder.path() + "/read.cpg"}, env);
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(link::e2e::Contents(folder.path() + "/read.cpg"), RadioCpg());
    EXPECT_TRUE(read.err.contains("vantrelctl: warning: archive: the shared archive cannot be reached"))
        << read.err.toStdString();
    // The entry waits in the local archive.
    const QJsonArray local = listed(ArchiveEnvironment(folder.path() + "/home/Vantrel CPS/archive.sqlite",
                                                       folder.path() + "/home"));
    ASSERT_EQ(local.size(), 1);
    EXPECT_EQ(local[0]["serial"].toString(), kSerial);
}

}  // namespace vantrel::archive::test
