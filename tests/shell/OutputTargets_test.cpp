// Every output of the program against what may stand at its path: the data
// file writer (Save, read -o, import -o), export, report and --trace. A
// device, pipe, folder or symbolic link is never replaced by a new file,
// nothing blocks, a full disk keeps the old file, and a name that is not
// UTF-8 is the name written.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "base/AtomicFile.h"
#include "support/RunProgram.h"

namespace vantrel::test {
namespace {

namespace fs = std::filesystem;

const std::string kSource = std::string(VANTREL_BUILD_DATA_DIR) + "/V2_NAG.cpg";
const std::string kOld = "old contents\n";

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("vantrel-out-" + std::to_string(::getpid()));
    TempDir() {
        fs::remove_all(path);
        fs::create_directories(path / "case");
    }
    ~TempDir() { fs::remove_all(path); }
};

// What stands at a path afterwards.
std::string Describe(const fs::path& p) {
    struct stat st {};
    if (::lstat(p.c_str(), &st) != 0) return "nothing";
    if (S_ISLNK(st.st_mode)) return "link to " + Describe(fs::read_symlink(p));
    if (S_ISFIFO(st.st_mode)) return "pipe";
    if (S_ISCHR(st.st_mode)) return "device";
    if (S_ISDIR(st.st_mode)) return fs::is_empty(p) ? "empty folder" : "folder with files";
    return slurp(p) == kOld ? "old file" : "new file";
}

// A full disk for the process and its children: writing past 4 bytes fails
// with EFBIG instead of killing the writer.
class FullDisk {
public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        old_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = 4;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_);
    }

private:
    rlimit saved_{};
    void (*old_)(int) = nullptr;
};

struct Target {
    const char* name;
    // Makes what stands at the output path; false with a reason to skip.
    std::function<bool(const fs::path& out, const fs::path& elsewhere, std::string& skip)> make;
    bool fullDisk = false;
    const char* fileName = "out";
};

const Target kTargets[] = {
    {"regular file", [](const fs::path& out, const fs::path&, std::string&) {
         std::ofstream(out) << kOld;
         return true;
     }},
    {"symbolic link", [](const fs::path& out, const fs::path& elsewhere, std::string&) {
         std::ofstream(elsewhere) << kOld;
         fs::create_symlink(elsewhere, out);
         return true;
     }},
    {"pipe", [](const fs::path& out, const fs::path&, std::string&) { return ::mkfifo(out.c_str(), 0600) == 0; }},
    {"device", [](const fs::path& out, const fs::path&, std::string& skip) {
         // A copy of /dev/null's node: writing it as a stream is harmless.
         if (::mknod(out.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) return true;
         skip = "making a device node needs root";
         return false;
     }},
    {"folder", [](const fs::path& out, const fs::path&, std::string&) { return fs::create_directory(out); }},
    {"full disk", [](const fs::path& out, const fs::path&, std::string&) {
         std::ofstream(out) << kOld;
         return true;
     }, true},
    {"name not UTF-8", [](const fs::path&, const fs::path&, std::string&) { return true; }, false, "out\xff\xfe"},
};

enum Path { Writer, Export, Report, Trace };
const char* const kPathNames[] = {"data file writer", "export", "report", "--trace"};

struct Expected {
    int exitCode;
    const char* message;   // part of the message; "" for none
    const char* left;      // Describe() of the output afterwards; nullptr: the row does not apply
};

// The trace's read has no port to open: it fails after the trace is made.
constexpr const char* kNoPort = "cannot open port";

// Rows in the order of kTargets, columns in the order of Path.
const Expected kExpected[][4] = {
    {{0, "", "new file"}, {0, "", "new file"}, {0, "", "new file"}, {1, kNoPort, "new file"}},
    {{1, "it is a symbolic link", "link to old file"}, {1, "it is a symbolic link", "link to old file"},
     {1, "it is a symbolic link", "link to old file"}, {1, kNoPort, "link to new file"}},
    {{1, "it is a pipe, not a file", "pipe"}, {1, "nothing reads from", "pipe"},
     {1, "nothing reads from", "pipe"}, {1, "nothing reads from", "pipe"}},
    {{1, "it is a device, not a file", "device"}, {0, "", "device"}, {0, "", "device"}, {1, kNoPort, "device"}},
    {{1, "it is a folder, not a file", "empty folder"}, {1, "it is a folder, not a file", "empty folder"},
     {1, "it is a folder, not a file", "empty folder"}, {1, "it is a folder, not a file", "empty folder"}},
    {{1, "File too large", "old file"}, {1, "File too large", "old file"}, {1, "cannot write", "old file"},
     {0, "", nullptr}},
    {{0, "", "new file"}, {0, "", "new file"}, {0, "", "new file"}, {1, kNoPort, "new file"}},
};

ProgramRun RunPath(Path path, const fs::path& out, const fs::path& dir) {
    auto ctl = [](std::vector<std::string> args) {
        args.insert(args.begin(), VANTRELCTL_PATH);
        return RunProgram(args, {}, std::chrono::seconds(30));
    };
    switch (path) {
    case Writer: {
        std::string error;
        const bool ok = WriteFileAtomically(out.string(), "new contents\n", &error);
        return ProgramRun{ok ? 0 : 1, "", error};
    }
    case Export: return ctl({"export", kSource, "-o", out.string()});
    case Report: return ctl({"report", kSource, "-o", out.string()});
    case Trace:
        return ctl({"read", "--port", (dir / "no-such-port").string(), "-o", (dir / "read.cpg").string(),
                    "--trace", out.string()});
    }
    return {};
}

class OutputTargets : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(OutputTargets, RefusedOrWrittenNeverReplacedAndNeverBlocking) {
    const auto [row, column] = GetParam();
    const Target& target = kTargets[row];
    const Expected& want = kExpected[row][column];
    const Path path = static_cast<Path>(column);
    if (!want.left) GTEST_SKIP() << kPathNames[column] << " does not apply to " << target.name;
    TempDir dir;
    const fs::path out = dir.path / "case" / target.fileName;
    std::string skip;
    if (!target.make(out, dir.path / "elsewhere", skip)) GTEST_SKIP() << skip;

    ProgramRun run;
    {
        std::optional<FullDisk> full;
        if (target.fullDisk) full.emplace();
        run = RunPath(path, out, dir.path);
    }
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, want.exitCode) << run.err;
    if (*want.message) {
        EXPECT_NE(run.err.find(want.message), std::string::npos) << run.err;
        if (path != Writer) {
            EXPECT_EQ(run.err.rfind("vantrelctl: ", 0), 0u) << run.err;
        }
    } else {
        EXPECT_EQ(run.err, "");
    }
    EXPECT_EQ(Describe(out), want.left);
    // Nothing beside the output: no temporary file, no file of another name.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path / "case")) ++entries;
    EXPECT_EQ(entries, 1u);
    // A trace is its owner's alone.
    struct stat st {};
    if (path == Trace && ::stat(out.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        EXPECT_EQ(st.st_mode & 0777, 0600u);
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, OutputTargets,
                         ::testing::Combine(::testing::Range(0, static_cast<int>(std::size(kTargets))),
                                            ::testing::Range(0, 4)),
                         [](const auto& info) {
                             std::string name = std::string(kTargets[std::get<0>(info.param)].name) + "_" +
                                                kPathNames[std::get<1>(info.param)];
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

// "-" is standard output for export and report.
TEST(OutputTargets, DashIsStandardOutput) {
    TempDir dir;
    const fs::path file = dir.path / "case" / "ch.csv";
    ProgramRun r = RunProgram({VANTRELCTL_PATH, "export", kSource, "-o", file.string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    r = RunProgram({VANTRELCTL_PATH, "export", kSource, "-o", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, slurp(file));
    r = RunProgram({VANTRELCTL_PATH, "report", kSource, "-o", "-"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("%PDF-", 0), 0u);
}

// A trace never takes the place of the data file a command reads or writes.
TEST(OutputTargets, TraceNamingTheDataFileIsRefused) {
    TempDir dir;
    const fs::path data = dir.path / "case" / "radio.cpg";
    fs::copy_file(kSource, data);
    const std::string before = slurp(data);
    for (const char* command : {"read", "write"}) {
        SCOPED_TRACE(command);
        std::vector<std::string> args{VANTRELCTL_PATH, command, "--port", (dir.path / "no-port").string()};
        if (std::string(command) == "read") args.insert(args.end(), {"-o", data.string()});
        else args.push_back(data.string());
        args.insert(args.end(), {"--trace", (dir.path / "case" / "." / "radio.cpg").string()});
        const ProgramRun r = RunProgram(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.err.find("it is the data file itself"), std::string::npos) << r.err;
        EXPECT_EQ(slurp(data), before);
    }
}

}  // namespace
}  // namespace vantrel::test
