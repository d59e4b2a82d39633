// vantrelctl's command-line conventions: help on stdout, usage errors named
// (exit 2), failures with the system's reason (exit 1), a read that checks
// its output before it touches the port, and a light process for everything
// but the report.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/RunProgram.h"

namespace {

namespace fs = std::filesystem;
using vantrel::test::EnvChange;
using vantrel::test::ProgramRun;
using vantrel::test::RunProgram;

const std::string kData = VANTREL_BUILD_DATA_DIR;

ProgramRun Ctl(std::vector<std::string> args, const std::vector<EnvChange>& env = {}) {
    args.insert(args.begin(), VANTRELCTL_PATH);
    return RunProgram(args, env, std::chrono::seconds(20));
}

bool StartsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "vantrel_cli_XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : "";
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A pseudo-terminal whose far end stands in for a radio port: anything a
// command sent there would wait in the master.
class IdlePort {
public:
    IdlePort() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        path_ = ::ptsname(master_);
        slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);   // keeps the line up
        ::fcntl(master_, F_SETFL, O_NONBLOCK);
    }
    ~IdlePort() {
        ::close(slave_);
        ::close(master_);
    }
    const std::string& path() const { return path_; }
    bool touched() const {
        char byte;
        return ::read(master_, &byte, 1) > 0;
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

TEST(CliConventions, HelpGoesToStandardOutputForTheToolAndEachCommand) {
    const std::vector<std::vector<std::string>> rows = {
        {"--help"}, {"-h"}, {"read", "--help"}, {"write", "-h"}, {"show", "--help"}, {"simulate", "--help"},
        {"report", "--help"},
        // help wins over what is missing or misplaced
        {"read", "--port", "/dev/null", "--help"}, {"show", "a.cpg", "b.cpg", "-h"},
    };
    for (const auto& row : rows) {
        const ProgramRun run = Ctl(row);
        SCOPED_TRACE(row.front() + " " + row.back());
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        const std::string usage = "usage: vantrelctl " + (row.size() > 1 ? row.front() : "");
        EXPECT_TRUE(StartsWith(run.out, usage)) << run.out;
    }
    const std::string tool = Ctl({"--help"}).out;
    for (const char* command : {"read", "write", "show", "simulate", "report", "export", "import"})
        EXPECT_NE(tool.find(std::string("\n  vantrelctl ") + command + " "), std::string::npos) << command;
    const std::string read = Ctl({"read", "--help"}).out;
    EXPECT_NE(read.find("usage: vantrelctl read --port DEVICE -o FILE.cpg [--trace FILE]\n"), std::string::npos) << read;
    EXPECT_NE(read.find("\n  -o FILE.cpg "), std::string::npos) << read;
}

TEST(CliConventions, VersionNamesTheProgramAndTheProjectVersion) {
    const ProgramRun run = Ctl({"--version"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, std::string("vantrelctl ") + VANTREL_VERSION + "\n");
}

TEST(CliConventions, UsageErrorsNameWhatWasNotUnderstood) {
    const std::string file = kData + "/U2_NAG.cpg";
    const struct {
        std::vector<std::string> args;
        const char* error;
    } rows[] = {
        {{}, "vantrelctl: missing command\n"},
        {{"frobnicate"}, "vantrelctl: unknown command 'frobnicate'\n"},
        {{"--frob"}, "vantrelctl: unknown option '--frob'\n"},
        {{"show", "--frob", file}, "vantrelctl: show: unknown option '--frob'\n"},
        {{"show", "--json=yes", file}, "vantrelctl: show: option '--json' takes no value\n"},
        {{"show", file, "other.cpg"}, "vantrelctl: show: unexpected argument 'other.cpg'\n"},
        {{"show"}, "vantrelctl: show: missing FILE.cpg\n"},
        {{"read", "-o", "x.cpg", "--port"}, "vantrelctl: read: option '--port' needs a value (DEVICE)\n"},
        {{"read", "-o", "x.cpg"}, "vantrelctl: read: missing --port DEVICE\n"},
        {{"write", "--port=/dev/null", "--verify=no", file}, "vantrelctl: write: option '--verify' takes no value\n"},
        {{"report", file, "-o", "x.pdf", "--landscape"}, "vantrelctl: report: unknown option '--landscape'\n"},
    };
    for (const auto& row : rows) {
        const ProgramRun run = Ctl(row.args);
        SCOPED_TRACE(row.error);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(StartsWith(run.err, row.error)) << run.err;
    }
    // "--" ends the options, so a file may start with a dash.
    const ProgramRun dashed = Ctl({"show", "--", "-missing.cpg"});
    EXPECT_EQ(dashed.exitCode, 1);
    EXPECT_EQ(dashed.err, "vantrelctl: Cannot open '-missing.cpg': No such file or directory\n");
}

TEST(CliConventions, ReadChecksItsOutputBeforeItTouchesThePort) {
    TempFolder folder;
    IdlePort port;
    ASSERT_FALSE(port.path().empty());
    std::ofstream(folder / "file") << "x";
    const struct {
        std::string output;
        const char* reason;
    } rows[] = {
        {folder / "missing/radio.cpg", "No such file or directory"},
        {folder.path(), "it is a folder, not a file"},
        {folder / "file/radio.cpg", "Not a directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.output);
        const ProgramRun run = Ctl({"read", "--port", port.path(), "-o", row.output});
        EXPECT_FALSE(run.timedOut);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "vantrelctl: cannot write '" + row.output + "': " + row.reason + "\n");
        EXPECT_FALSE(port.touched());
    }
}

TEST(CliConventions, FailuresGiveTheSystemsReasonAndNoToolkitWarnings) {
    TempFolder folder;
    const std::vector<EnvChange> noRuntimeDir = {{"XDG_RUNTIME_DIR", nullptr}};
    const ProgramRun read = Ctl({"read", "--port", folder / "nothing", "-o", folder / "out.cpg"}, noRuntimeDir);
    EXPECT_EQ(read.exitCode, 1);
    EXPECT_EQ(read.err, "vantrelctl: cannot open port '" + folder / "nothing" +
                            "'\nComm. Port Unavailable !\n\nPlease Change the Port selection.\n\n" + folder / "nothing" +
                            ": no such device.\nIs the programming cable plugged in?\n");

    const ProgramRun report = Ctl({"report", kData + "/U2_NAG.cpg", "-o", folder / "report.pdf"}, noRuntimeDir);
    EXPECT_EQ(report.exitCode, 0);
    EXPECT_EQ(report.err, "");
    EXPECT_TRUE(fs::exists(folder / "report.pdf"));
}

// A file that is no data file is refused by every command that opens it,
// with exit 1 and the file's name, whatever the message's own text says.
TEST(CliConventions, AFileThatIsNoDataFileIsRefusedByNameByEveryCommand) {
    TempFolder folder;
    const std::string good = kData + "/U2_NAG.cpg";
    std::ofstream(folder / "empty.cpg");
    std::ofstream(folder / "notes.cpg") << "Shopping list\r\n 1 \r\n";
    for (const std::string& bad : {folder / "empty.cpg", folder / "notes.cpg"}) {
        const std::vector<std::vector<std::string>> rows = {
            {"show", bad},
            {"check", bad},
            {"diff", good, bad},
            {"export", bad, "-o", folder / "ch.csv"},
            {"import", bad, folder / "ch.csv", "-o", folder / "out.cpg"},
            {"write", "--port", folder / "no-port", bad},
            {"report", bad, "-o", folder / "r.pdf"},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(row.front() + " " + bad);
            const ProgramRun run = Ctl(row);
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
        }
    }
}

// Only the commands that need the serial port load Qt, and only the report
// Qt Gui: every other command, and the help and usage errors of the port
// commands, run without mapping any Qt library.
TEST(CliConventions, OnlyThePortCommandsLoadQtAndOnlyTheReportQtGui) {
    const std::vector<EnvChange> traceLibraries = {{"LD_DEBUG", "libs"}};
    TempFolder folder;
    const std::string file = kData + "/U2_NAG.cpg", other = kData + "/U1_EMEA.cpg";
    const struct {
        std::vector<std::string> args;
        int exitCode;
    } qtFree[] = {
        {{"show", file}, 0},
        {{"show", file, "--json"}, 0},
        {{"check", file}, 0},
        {{"diff", file, other}, 1},
        {{"export", file, "-o", folder / "ch.csv"}, 0},
        {{"import", file, folder / "ch.csv", "-o", folder / "ch.cpg"}, 0},
        {{"--help"}, 0},
        {{"--version"}, 0},
        {{"read", "--help"}, 0},
        {{"write", "--port", "/dev/null"}, 2},
        {{"archive", "--help"}, 0},
        {{"archive", "list", "--since"}, 2},
    };
    for (const auto& row : qtFree) {
        const ProgramRun run = Ctl(row.args, traceLibraries);
        SCOPED_TRACE(row.args.front() + " " + row.args.back());
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_NE(run.err.find("libstdc++.so"), std::string::npos) << "the loader's trace is missing";
        EXPECT_EQ(run.err.find("libQt6"), std::string::npos);
    }

    const ProgramRun ports = Ctl({"ports"}, traceLibraries);
    ASSERT_EQ(ports.exitCode, 0);
    EXPECT_NE(ports.err.find("libQt6Core.so"), std::string::npos);
    for (const char* library : {"libQt6Gui", "libQt6Widgets", "libQt6PrintSupport"})
        EXPECT_EQ(ports.err.find(library), std::string::npos) << library;

    const ProgramRun report = Ctl({"report", file, "-o", folder / "r.pdf"}, traceLibraries);
    ASSERT_EQ(report.exitCode, 0);
    EXPECT_NE(report.err.find("libQt6PrintSupport"), std::string::npos);
}

// A vantrelctl copied without its companions still runs the commands it holds
// and says where it looked for the others.
TEST(CliConventions, AMissingCompanionIsNamedWithWhereItWasLookedFor) {
    TempFolder folder;
    const std::string alone = folder / "vantrelctl";
    fs::copy_file(VANTRELCTL_PATH, alone);
    const std::string file = kData + "/U2_NAG.cpg";
    EXPECT_EQ(RunProgram({alone, "show", file}).exitCode, 0);

    // ... and beside it in the install's libexec folder, wherever that is.
    const std::string looked = " (looked in " + folder.path() + " and " + folder.path() + "/";
    const struct {
        std::vector<std::string> args;
        const char* program;
    } rows[] = {
        {{"ports"}, "vantrelctl-link"},
        {{"read", "--port", "/dev/null", "-o", folder / "out.cpg"}, "vantrelctl-link"},
        {{"report", file, "-o", folder / "r.pdf"}, "vantrelctl-report"},
        {{"archive", "radios"}, "vantrelctl-archive"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> argv{alone};
        argv.insert(argv.end(), row.args.begin(), row.args.end());
        const ProgramRun run = RunProgram(argv);
        SCOPED_TRACE(row.args.front());
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(StartsWith(run.err, std::string("vantrelctl: cannot run ") + row.program +
                                            ": No such file or directory" + looked))
            << run.err;
        EXPECT_TRUE(run.err.size() > 2 && run.err.compare(run.err.size() - 2, 2, ")\n") == 0) << run.err;
    }
    // Its help still answers.
    EXPECT_EQ(RunProgram({alone, "read", "--help"}).exitCode, 0);
}

}  // namespace
