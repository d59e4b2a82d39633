// vantrelctl write (and read back) against vantrelctl simulate over a pty.
#include "E2eRig.h"

#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace vantrel::link::e2e {
namespace {

QByteArray DataFile(const char* name) {
    return Contents(QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/") + name);
}

TEST(WriteEndToEnd, WrittenCodeplugReadsBackByteForByte) {
    QTemporaryDir dir;
    // The radio holds one default codeplug; a changed copy of it is written.
    QByteArray program = DataFile("U2_EMEA.cpg");
    ASSERT_FALSE(program.isEmpty());
    QList<QByteArray> lines = program.split('\n');
    lines[1 + 14] = " 3 \r";  // priority channel 3
    program = lines.join('\n');
    QFile f(dir.filePath("program.cpg"));
    f.open(QIODevice::WriteOnly);
    f.write(program);
    f.close();

    Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"), {"--pace", "--save", dir.filePath("radio-now.cpg")});
    const CtlRun w = Ctl({"write", "--port", radio.link(), f.fileName()});
    EXPECT_EQ(w.exitCode, 0) << w.err.toStdString();
    EXPECT_TRUE(w.err.contains("Successfully Writing End."));
    // 935 bytes on the line at 1200 baud plus the pauses of the exchange.
    EXPECT_GT(w.seconds, 935 * 11 / 1200.0);
    const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("back.cpg")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Contents(dir.filePath("back.cpg")), program);
    EXPECT_EQ(Contents(dir.filePath("radio-now.cpg")), program);
}

TEST(WriteEndToEnd, RadioPasswordMustBeKnown) {
    QTemporaryDir dir;
    const QString file = QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg");
    Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"),
                    {"--radio-password", "Ab12", "--refuse-block", "30:3"});
    const CtlRun wrong = Ctl({"write", "--port", radio.link(), file, "--password", "ab12"});
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_TRUE(wrong.err.contains("Invalid password.\nCodeplug is password protected.\n"
                                   "vantrelctl: the password given with --password is not the radio's\n"))
        << wrong.err.toStdString();
    EXPECT_FALSE(wrong.err.contains("Successfully"));

    // Without --password and with no terminal to ask on, nobody typed a wrong
    // password: the write stops and says how to give it.
    const CtlRun unasked = Ctl({"write", "--port", radio.link(), file});
    EXPECT_EQ(unasked.exitCode, 1);
    EXPECT_EQ(unasked.err.toStdString(), "Codeplug is protected.\nvantrelctl: the radio asks for its password: give it with "
                           "--password TEXT (there is no terminal to ask on)\n");

    const CtlRun right = Ctl({"write", "--port", radio.link(), file, "--password", "Ab12", "--verify"});
    EXPECT_EQ(right.exitCode, 0) << right.err.toStdString();
    EXPECT_TRUE(right.err.contains("verify: the radio holds every byte written"));
}

// Ctrl+C at the hidden password question ends the write and gives the
// terminal its echo back.
TEST(WriteEndToEnd, CtrlCAtThePasswordQuestionLeavesTheTerminalEchoing) {
    QTemporaryDir dir;
    const QByteArray file = VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg";
    Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"), {"--radio-password", "Ab12"});
    ASSERT_TRUE(radio.ready());
    const QByteArray port = radio.link().toLocal8Bit();

    int terminal = -1;
    const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::execl(VANTRELCTL_PATH, VANTRELCTL_PATH, "write", "--port", port.constData(), file.constData(), nullptr);
        ::_exit(127);
    }
    QByteArray shown;
    for (int n = 0; n < 1000 && !shown.contains("Please enter password: "); ++n) {
        char buffer[256];
        const ssize_t got = ::read(terminal, buffer, sizeof buffer);
        if (got <= 0) break;
        shown.append(buffer, static_cast<int>(got));
    }
    ASSERT_TRUE(shown.contains("Please enter password: ")) << shown.toStdString();
    termios asked{};
    ::tcgetattr(terminal, &asked);
    EXPECT_FALSE(asked.c_lflag & ECHO);

    ::write(terminal, "\x03", 1);   // the terminal's interrupt key
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << status;
    termios after{};
    ::tcgetattr(terminal, &after);
    EXPECT_TRUE(after.c_lflag & ECHO);
    ::close(terminal);
}

TEST(WriteEndToEnd, AnAnswerThatIsNotCleanIsNeverAnAcknowledgement) {
    QTemporaryDir dir;
    const QString file = QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg");
    {
        // The radio refuses block 20 once and a 0x4F of noise comes in front
        // of its 0x46 (block 20 is the radio's 25th answer).
        Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"), {"--refuse-block", "20:1", "--junk-before", "25:0x4F"});
        const CtlRun w = Ctl({"write", "--port", radio.link(), file});
        EXPECT_EQ(w.exitCode, 1);
        EXPECT_EQ(w.err.trimmed(), QStringLiteral("vantrelctl: Communication Error."));
        radio.stop();
        EXPECT_FALSE(radio.log().contains("write completed"));
    }
    // Noise after the last acknowledgement: every block went out, but the
    // write cannot tell that the radio took the last one. It says so; a
    // verify settles it.
    for (const bool verify : {false, true}) {
        SCOPED_TRACE(verify);
        Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"), {"--junk-after", "52:0x46"});
        QStringList args{"write", "--port", radio.link(), file};
        if (verify) args << "--verify";
        const CtlRun w = Ctl(args);
        if (!verify) {
            EXPECT_EQ(w.exitCode, 1);
            EXPECT_EQ(w.err.toStdString(),
                      "vantrelctl: Writing End, but an answer from the radio was not clear. Please read the radio "
                      "back to verify.\nvantrelctl: the radio may not hold the whole codeplug: write again with "
                      "--verify, or read it back and compare\n");
            continue;
        }
        EXPECT_EQ(w.exitCode, 0) << w.err.toStdString();
        EXPECT_TRUE(w.err.startsWith("vantrelctl write: warning: Writing End, but an answer")) << w.err.toStdString();
        EXPECT_TRUE(w.err.contains("verify: the radio holds every byte written"));
    }
}

TEST(WriteEndToEnd, AWriteStoppedInItsDataPhaseLeavesTheRadioIdleAfterItsTimeOut) {
    QTemporaryDir dir;
    Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"), {"--pace"});
    QProcess write;
    write.start(QStringLiteral(VANTRELCTL_PATH),
                {"write", "--port", radio.link(), QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg")});
    ASSERT_TRUE(write.waitForStarted());
    QThread::msleep(2500);  // well into the data phase, which lasts 9 s
    ASSERT_FALSE(write.waitForFinished(0)) << write.readAllStandardError().toStdString();
    write.kill();
    write.waitForFinished();
    QThread::msleep(3000);  // the radio's time-out (2 s) after the last byte it heard
    const CtlRun r = Ctl({"read", "--port", radio.link(), "-o", dir.filePath("out.cpg")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(Contents(dir.filePath("out.cpg")), DataFile("U2_EMEA.cpg"));
}

TEST(WriteEndToEnd, RadioOfAnotherModelIsRefused) {
    QTemporaryDir dir;
    Simulator radio(dir.path(), DataFile("U2_EMEA.cpg"), {"--target", "0x11"});
    const CtlRun w = Ctl({"write", "--port", radio.link(),
                          QStringLiteral(VANTREL_TEST_DATA_DIR "/../data/U2_EMEA.cpg")});
    EXPECT_EQ(w.exitCode, 1);
    EXPECT_EQ(w.err.trimmed(), QStringLiteral("vantrelctl: Communication Error. Unsupported radio codeplug region."));
}

}  // namespace
}  // namespace vantrel::link::e2e
