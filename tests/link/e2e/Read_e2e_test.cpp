// vantrelctl read against vantrelctl simulate over a pty.
#include "E2eRig.h"

#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace vantrel::link::e2e {
namespace {

TEST(ReadEndToEnd, PacedReadGivesTheRadioImageByteForByte) {
    QTemporaryDir dir;
    {
        Simulator radio(dir.path(), PatternCpg(), {"--pace"});
        ASSERT_TRUE(radio.ready());
        const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("out.cpg")});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(Contents(dir.filePath("out.cpg")), PatternCpg());
        // 534 bytes on the line at 1200 baud, 11 bits each, plus the pauses.
        EXPECT_GT(r.seconds, 4.9);
        QThread::msleep(100);  // the last acknowledgement is still on its way
        radio.stop();
        EXPECT_TRUE(radio.log().contains("read completed"));
    }
    // The simulator removes its link when stopped.
    EXPECT_FALSE(IsSymlink(dir.filePath("radio")));
}

// On a terminal the read says at once what it waits for (a radio that is
// not in programming mode stays silent for seconds), then counts the blocks
// on the same line.
TEST(ReadEndToEnd, TerminalShowsTheWaitThenTheBlocks) {
    QTemporaryDir dir;
    Simulator radio(dir.path(), PatternCpg(), {});
    ASSERT_TRUE(radio.ready());
    const QByteArray port = radio.link().toLocal8Bit();
    const QByteArray out = dir.filePath("out.cpg").toLocal8Bit();
    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::execl(VANTRELCTL_PATH, VANTRELCTL_PATH, "read", "--port", port.constData(), "-o", out.constData(), nullptr);
        ::_exit(127);
    }
    QByteArray shown;
    char buffer[256];
    for (ssize_t got; (got = ::read(terminal, buffer, sizeof buffer)) > 0;) shown.append(buffer, static_cast<int>(got));
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(terminal);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << shown.toStdString();
    const int waiting = shown.indexOf("Reading: waiting for the radio (in programming mode)...");
    const int blocks = shown.indexOf("\rReading: block");
    EXPECT_GE(waiting, 0) << shown.toStdString();
    EXPECT_GT(blocks, waiting) << shown.toStdString();
}

TEST(ReadEndToEnd, ThreeBadChecksumsAreRepairedAndAFourthFails) {
    QTemporaryDir dir;
    {
        Simulator radio(dir.path(), PatternCpg(), {"--bad-checksum", "20:3"});
        const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("ok.cpg")});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(Contents(dir.filePath("ok.cpg")), PatternCpg());
    }
    {
        Simulator radio(dir.path(), PatternCpg(), {"--bad-checksum", "20:4"});
        const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("bad.cpg")});
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err.trimmed(), QStringLiteral("vantrelctl: Communication Error."));
        EXPECT_FALSE(QFile::exists(dir.filePath("bad.cpg")));
    }
}

TEST(ReadEndToEnd, NoiseOnTheLineIsNeverReadAsTheRadiosBytes) {
    // A byte in front of block 1 (the radio's third answer), or after it on
    // a paced line: the block is asked for again, or the read fails; the
    // file never holds other bytes than the radio's. The radio's bytes 8..15
    // are such that the noise in front and bytes 8..14 pass as a block whose
    // checksum is byte 15.
    std::vector<int> bytes;
    for (int n = 0; n < 384; ++n) bytes.push_back((n * 53 + 5) & 0xFF);
    bytes[15] = 0x8D;
    for (int n = 8; n < 15; ++n) bytes[15] = (bytes[15] + bytes[n]) & 0xFF;
    QByteArray cpg = "Vantrel programmer data file\r\n";
    for (int b : bytes) cpg += " " + QByteArray::number(b) + " \r\n";

    const QStringList rows[] = {{"--junk-before", "3:0x8D"}, {"--junk-after", "3:0x8D", "--pace"}};
    for (const QStringList& row : rows) {
        SCOPED_TRACE(row.join(' ').toStdString());
        QTemporaryDir dir;
        Simulator radio(dir.path(), cpg, row);
        const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("out.cpg")});
        if (r.exitCode == 0) {
            EXPECT_EQ(Contents(dir.filePath("out.cpg")), cpg);
        } else {
            EXPECT_EQ(r.err.trimmed(), QStringLiteral("vantrelctl: Communication Error."));
            EXPECT_FALSE(QFile::exists(dir.filePath("out.cpg")));
        }
    }
}

TEST(ReadEndToEnd, FailedReadLeavesAnExistingFileAlone) {
    QTemporaryDir dir;
    const QString out = dir.filePath("keep.cpg");
    QFile f(out);
    f.open(QIODevice::WriteOnly);
    f.write("old contents");
    f.close();
    Simulator radio(dir.path(), PatternCpg(), {"--identity", "0x80"});
    const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", out});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.trimmed(), QStringLiteral("vantrelctl: Communication Error. Unsupported radio codeplug region."));
    EXPECT_EQ(Contents(out), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList({"keep.cpg*"}, QDir::Files).size(), 1);
}

TEST(ReadEndToEnd, UnavailablePortIsReportedOnce) {
    QTemporaryDir dir;
    const CtlRun r = Ctl({"read", "--port", dir.filePath("nothing"), "-o", dir.filePath("out.cpg")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "vantrelctl: cannot open port '" + dir.filePath("nothing") +
                         "'\nComm. Port Unavailable !\n\nPlease Change the Port selection.\n\n" +
                         dir.filePath("nothing") + ": no such device.\nIs the programming cable plugged in?\n");
    EXPECT_FALSE(QFile::exists(dir.filePath("out.cpg")));
}

TEST(ReadEndToEnd, PulledCableEndsTheReadAtOnceWithAStatusText) {
    // The simulated radio dies mid-read and its pty goes with it, as a USB
    // adapter does when pulled: the read ends within a tick, not at its
    // 2 s time-out, says the cable was disconnected and writes no file.
    QTemporaryDir dir;
    Simulator radio(dir.path(), PatternCpg(), {"--pace"});
    QProcess read;
    read.start(QStringLiteral(VANTRELCTL_PATH),
               {"read", "--port", radio.link(), "-o", dir.filePath("out.cpg")});
    QThread::msleep(1500);
    const auto pulled = std::chrono::steady_clock::now();
    radio.kill();
    ASSERT_TRUE(read.waitForFinished(10000));
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - pulled).count();
    EXPECT_EQ(read.exitCode(), 1);
    const QStringList err = QString::fromLocal8Bit(read.readAllStandardError()).trimmed().split('\n');
    EXPECT_EQ(err, (QStringList{"vantrelctl: Communication Error.",
                                "vantrelctl: the cable was disconnected (the serial device went away)"}));
    EXPECT_FALSE(QFile::exists(dir.filePath("out.cpg")));
    // One tick, with room for a loaded machine; the time-out would be 1.8 s.
    EXPECT_LT(took, 1.0);
}

TEST(ReadEndToEnd, AnInterruptedReadEndsAtOnceAndLeavesNothingBehind) {
    // The read runs in vantrelctl's own process (vantrelctl-link replaces it),
    // so Ctrl+C, which signals the terminal's whole process group, and a kill
    // of the one process id both end it: nothing of it keeps the port, and no
    // file appears.
    const struct {
        const char* how;
        int signal;
        bool wholeGroup;
    } rows[] = {{"Ctrl+C", SIGINT, true}, {"kill", SIGTERM, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.how);
        QTemporaryDir dir;
        Simulator radio(dir.path(), PatternCpg(), {"--pace"});
        QProcess read;
        read.setChildProcessModifier([] { ::setpgid(0, 0); });
        read.start(QStringLiteral(VANTRELCTL_PATH), {"read", "--port", radio.link(), "-o", dir.filePath("out.cpg")});
        ASSERT_TRUE(read.waitForStarted());
        const pid_t pid = static_cast<pid_t>(read.processId());
        QThread::msleep(1500);
        ASSERT_EQ(read.state(), QProcess::Running);
        ::kill(row.wholeGroup ? -pid : pid, row.signal);
        ASSERT_TRUE(read.waitForFinished(2000));
        EXPECT_EQ(read.exitStatus(), QProcess::CrashExit);
        EXPECT_EQ(::kill(-pid, 0), -1) << "a process of the read is still running";
        EXPECT_FALSE(QFile::exists(dir.filePath("out.cpg")));
    }
}

}  // namespace
}  // namespace vantrel::link::e2e

namespace vantrel::link::e2e {
namespace {

// A second simulator on the same link takes it over; the first, stopped
// later, leaves the second's link alone.
TEST(SimulateOptions, AStoppedSimulatorRemovesOnlyItsOwnLink) {
    QTemporaryDir dir;
    Simulator first(dir.path(), PatternCpg(1), {});
    ASSERT_TRUE(first.ready());
    const QString firstPty = QFile::symLinkTarget(first.link());
    Simulator second(dir.path(), PatternCpg(2), {});
    for (int n = 0; n < 500 && QFile::symLinkTarget(second.link()) == firstPty; ++n) QThread::msleep(10);
    ASSERT_NE(QFile::symLinkTarget(second.link()), firstPty);
    first.stop();
    ASSERT_TRUE(second.ready());
    const CtlRun r = Ctl({"read", "--port", second.link(), "-o", dir.filePath("out.cpg")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Contents(dir.filePath("out.cpg")), PatternCpg(2));
}

TEST(SimulateOptions, BadValuesAreRefusedBeforeTheRadioStarts) {
    QTemporaryDir dir;
    QFile image(dir.filePath("radio.cpg"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.write(PatternCpg());
    image.close();
    const QStringList rows[] = {
        {"--reaction", "abc"}, {"--reaction", "-1"}, {"--reaction", "1e300"}, {"--reaction", "nan"},
        {"--identity", "0x100"}, {"--bad-checksum", "48:1"}, {"--radio-password", "123456789"},
        {"--junk-before", "0:0x8D"}, {"--junk-after", "3:0x100"},
    };
    for (const QStringList& row : rows) {
        SCOPED_TRACE(row.join(' ').toStdString());
        const CtlRun r = Ctl(QStringList{"simulate", "--image", image.fileName(), "--link",
                                         dir.filePath("radio")} + row, 3000);
        EXPECT_EQ(r.exitCode, 2) << r.err.toStdString();
        EXPECT_FALSE(IsSymlink(dir.filePath("radio")));
    }
    // A --save file that cannot be written is named before the radio starts,
    // not after the first write.
    const QString save = dir.filePath("missing/radio-now.cpg");
    const CtlRun r = Ctl({"simulate", "--image", image.fileName(), "--link", dir.filePath("radio"), "--save", save}, 3000);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err.toStdString(), "vantrelctl: cannot write '" + save.toStdString() + "': No such file or directory\n");
    EXPECT_FALSE(IsSymlink(dir.filePath("radio")));
}

}  // namespace
}  // namespace vantrel::link::e2e
