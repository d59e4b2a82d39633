// vantrelctl archive radios|list|show|get|diff|check on both engines.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

#include "ArchiveFixture.h"
#include "ArchivePrograms.h"
#include "archive/RecordTransfer.h"
#include "codeplug/CodeplugFile.h"

namespace vantrel::archive::test {

namespace {

// Two reads of one radio with another first channel, a write under
// the file's serial, and a failed read.
class ArchiveCommands : public ArchiveTest {
protected:
    void SetUp() override {
        ArchiveTest::SetUp();
        env_ = ArchiveEnvironment(choice_, folder_.path() + "/home");
        first_ = Image("A100000001", 1);
        second_ = Image("A100000001", 2);
        std::vector<FinishedTransfer> ts = {Transfer(Operation::Read, "Com1", first_),
                                            Transfer(Operation::Read, "Com1", second_),
                                            Transfer(Operation::Write, "Com2", Image("X"), Image("F000000001")),
                                            Transfer(Operation::Read, "Com3", std::nullopt)};
        for (std::size_t k = 0; k < ts.size(); ++k) ts[k].time = ts[0].time.addSecs(static_cast<int>(k));
        ASSERT_EQ(RecordTransfers(where_, ts, {}, &stored_), 4);
    }
    QString id(std::size_t k) const { return QString::number(stored_[k].id); }
    ProgramResult ctl(const QStringList& args) { return Ctl(QStringList{"archive"} + args, env_); }

    QProcessEnvironment env_;
    CodeplugImage::Bytes first_{}, second_{};
    std::vector<ArchiveEntry> stored_;
};

QJsonDocument parsed(const ProgramResult& r) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    return doc;
}

}  // namespace

TEST_P(ArchiveCommands, RadiosAndListShowTheHistoryNewestFirst) {
    const ProgramResult radios = ctl({"radios", "--json"});
    ASSERT_EQ(radios.exitCode, 0) << radios.err.toStdString();
    const QJsonArray r = parsed(radios).array();
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r[0]["serial"].toString(), "A100000001");
    EXPECT_EQ(r[0]["entries"].toInt(), 2);
    EXPECT_EQ(r[0]["lastEntry"]["id"].toInteger(), stored_[1].id);

    const ProgramResult list = ctl({"list", "--serial", "A100000001", "--json"});
    ASSERT_EQ(list.exitCode, 0) << list.err.toStdString();
    const QJsonArray l = parsed(list).array();
    ASSERT_EQ(l.size(), 2);
    EXPECT_EQ(l[0]["id"].toInteger(), stored_[1].id);
    EXPECT_EQ(l[1]["id"].toInteger(), stored_[0].id);

    const ProgramResult all = ctl({"list"});
    ASSERT_EQ(all.exitCode, 0);
    EXPECT_TRUE(all.out.startsWith("ID  Time (UTC)")) << all.out.toStdString();
    EXPECT_TRUE(all.out.contains("F000000001 (from file)")) << all.out.toStdString();
    EXPECT_EQ(all.out.count('\n'), 5);
    const QString since = stored_[2].time.toString(Qt::ISODateWithMs);
    EXPECT_EQ(parsed(ctl({"list", "--since", since, "--json"})).array().size(), 2);
}

TEST_P(ArchiveCommands, GetGivesBackTheExactBytes) {
    const QString file = folder_.path() + "/got.cpg";
    const ProgramResult get = ctl({"get", id(1), "-o", file});
    ASSERT_EQ(get.exitCode, 0) << get.err.toStdString();
    CodeplugImage back;
    ASSERT_TRUE(CopyToBox(back, file.toStdString()).ok());
    EXPECT_EQ(back.bytes(), second_);

    const ProgramResult failed = ctl({"get", id(3), "-o", file});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.contains("holds no image")) << failed.err.toStdString();
}

TEST_P(ArchiveCommands, ShowPrintsTheEntryAndWhatShowPrintsForItsImage) {
    const ProgramResult text = ctl({"show", id(0)});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains("Filed under serial:    A100000001")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("Serial Number:         A100000001")) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains("Scan List:"));

    const QJsonObject json = parsed(ctl({"show", id(0), "--json"})).object();
    EXPECT_EQ(json["entry"]["id"].toInteger(), stored_[0].id);
    EXPECT_EQ(json["image"]["serialNumber"].toString(), "A100000001");
    EXPECT_TRUE(parsed(ctl({"show", id(3), "--json"})).object()["image"].isNull());
}

TEST_P(ArchiveCommands, DiffComparesWithTheRadiosEntryBeforeAnotherEntryOrAFile) {
    const ProgramResult before = ctl({"diff", id(1)});
    EXPECT_EQ(before.exitCode, 1) << before.err.toStdString();
    EXPECT_TRUE(before.out.startsWith("channel 1 Rx Freq. ")) << before.out.toStdString();
    EXPECT_EQ(ctl({"diff", id(1), id(1)}).exitCode, 0);

    const QString file = folder_.path() + "/first.cpg";
    ASSERT_EQ(ctl({"get", id(0), "-o", file}).exitCode, 0);
    EXPECT_EQ(ctl({"diff", id(0), file}).exitCode, 0);
    const QJsonObject json = parsed(ctl({"diff", id(1), file, "--json"})).object();
    EXPECT_FALSE(json["equal"].toBool());

    const ProgramResult first = ctl({"diff", id(0)});
    EXPECT_EQ(first.exitCode, 1);
    EXPECT_TRUE(first.err.contains("nothing before it")) << first.err.toStdString();
}

TEST_P(ArchiveCommands, CheckNamesTheEntriesWhoseImageNoLongerMatches) {
    EXPECT_EQ(ctl({"check"}).exitCode, 0);
    {
        auto store = open();
        QSqlQuery q(store->database());
        q.prepare(QStringLiteral("UPDATE entries SET image = ? WHERE id = ?"));
        q.addBindValue(QByteArray(384, 'x'));
        q.addBindValue(stored_[0].id);
        ASSERT_TRUE(q.exec());
    }
    const ProgramResult check = ctl({"check"});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.out.contains(QStringLiteral("entry %1: image does not match its SHA-256").arg(id(0))))
        << check.out.toStdString();
    // A tampered image is never handed out.
    const ProgramResult get = ctl({"get", id(0), "-o", folder_.path() + "/x.cpg"});
    EXPECT_EQ(get.exitCode, 1);
    EXPECT_FALSE(QFile::exists(folder_.path() + "/x.cpg"));
}

TEST_P(ArchiveCommands, UsageErrorsExitTwo) {
    for (const QStringList& args : {QStringList{}, QStringList{"frob"}, QStringList{"show"},
                                    QStringList{"show", "abc"}, QStringList{"get", "1"},
                                    QStringList{"diff", "1", "2", "3"}, QStringList{"list", "--since", "yesterday"}}) {
        const ProgramResult r = ctl(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    }
    EXPECT_EQ(ctl({"show", "999999"}).exitCode, 1);
    EXPECT_EQ(ctl({"--help"}).exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Engines, ArchiveCommands, ::testing::Values(Engine::Sqlite, Engine::Postgres), EngineName);

}  // namespace vantrel::archive::test
