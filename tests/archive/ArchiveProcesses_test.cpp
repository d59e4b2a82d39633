// Many programs recording into one archive at once, and a program killed
// while it records: no entry lost, and the archive stays consistent.
#include <signal.h>

#include <QSet>
#include <QThread>

#include <memory>

#include "ArchiveFixture.h"
#include "ArchivePrograms.h"

namespace vantrel::archive::test {

using ArchivePrograms = ArchiveTest;

TEST_P(ArchivePrograms, EightProgramsRecordAtOnceAndNoEntryIsLost) {
    constexpr int kPrograms = 8;
    constexpr int kEach = 15;
    const QProcessEnvironment env = ArchiveEnvironment(choice_, folder_.path() + "/home");
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int k = 0; k < kPrograms; ++k) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->setProcessEnvironment(env);
        writers.back()->start(QStringLiteral(ARCHIVE_WRITER_PATH), {QString::number(kEach)});
    }
    QSet<QString> ids;
    for (auto& w : writers) {
        ASSERT_TRUE(w->waitForFinished(120000));
        EXPECT_EQ(w->exitCode(), 0) << w->readAllStandardError().toStdString();
        const QStringList lines = QString::fromLatin1(w->readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), kEach);
        for (const QString& id : lines) ids.insert(id);
    }
    EXPECT_EQ(ids.size(), kPrograms * kEach);
    auto store = open();
    ASSERT_TRUE(store);
    EXPECT_EQ(store->list(QString(), QDateTime())->size(), static_cast<std::size_t>(kPrograms * kEach));
    EXPECT_EQ(store->radios()->size(), static_cast<std::size_t>(kPrograms));
    ExpectRadiosMatchEntries(*store);
}

TEST_P(ArchivePrograms, AProgramKilledWhileRecordingLeavesTheArchiveConsistent) {
    const QProcessEnvironment env = ArchiveEnvironment(choice_, folder_.path() + "/home");
    QProcess writer;
    writer.setProcessEnvironment(env);
    writer.start(QStringLiteral(ARCHIVE_WRITER_PATH), {"0"});
    ASSERT_TRUE(writer.waitForStarted());
    QString out;
    for (int n = 0; n < 600 && out.count('\n') < 20; ++n) {
        writer.waitForReadyRead(100);
        out += QString::fromLatin1(writer.readAllStandardOutput());
    }
    ASSERT_GE(out.count('\n'), 20) << writer.readAllStandardError().toStdString();
    ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
    writer.waitForFinished();
    out += QString::fromLatin1(writer.readAllStandardOutput());

    const ProgramResult check = Ctl({"archive", "check"}, env);
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString() << check.err.toStdString();
    // Every entry the program reported stored is there.
    auto store = open();
    ASSERT_TRUE(store);
    EXPECT_GE(store->list(QString(), QDateTime())->size(), static_cast<std::size_t>(out.count('\n')));
    // An entry and its radio's count went in together or not at all.
    ExpectRadiosMatchEntries(*store);
}

INSTANTIATE_TEST_SUITE_P(Engines, ArchivePrograms, ::testing::Values(Engine::Sqlite, Engine::Postgres), EngineName);

}  // namespace vantrel::archive::test
