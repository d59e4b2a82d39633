// vantrelctl export and import.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/RunProgram.h"

namespace vantrel::test {
namespace {

const std::string kData = VANTREL_BUILD_DATA_DIR;

ProgramRun Ctl(std::vector<std::string> args, std::chrono::milliseconds limit = std::chrono::seconds(30)) {
    args.insert(args.begin(), VANTRELCTL_PATH);
    return RunProgram(args, {}, limit);
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct TempDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vantrel-csv-" + std::to_string(::getpid()));
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string operator/(const char* name) const { return (path / name).string(); }
};

TEST(CmdExportImport, ExportThenImportGivesTheSameFileAndLeftOutRowsExitOne) {
    TempDir dir;
    const std::string source = kData + "/V2_NAG.cpg";
    ProgramRun r = Ctl({"export", source, "-o", dir / "ch.csv"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(slurp(dir / "ch.csv").substr(0, 9), "Location,");

    r = Ctl({"import", source, dir / "ch.csv", "-o", dir / "same.cpg"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(slurp(dir / "same.cpg"), slurp(source));
    EXPECT_EQ(r.out, "imported 1 row into channel 1; 0 left out\n");

    std::ofstream(dir / "bad.csv", std::ios::binary)
        << "Location,Frequency,Tone,rToneFreq\r\n2,151.5,Tone,100.0\r\n3,100.0,,\r\n20,151.5,,\r\n";
    r = Ctl({"import", source, dir / "bad.csv", "-o", dir / "out.cpg"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "left out: location 3: receive frequency 100.0: Out of Frequency Range\n"
              "left out: location 20: the radio has channels 1 to 16\n");
    EXPECT_EQ(r.out, "imported 1 row into channel 2; 2 left out\n");
    EXPECT_NE(slurp(dir / "out.cpg"), slurp(source));  // channel 2 went in
}

// A list numbered from 100, as most real lists are, fills the channels from
// the one asked for; its names are said to be dropped once.
TEST(CmdExportImport, FirstChannelFillsTheChannelsInTheListsOrder) {
    TempDir dir;
    const std::string source = kData + "/V2_NAG.cpg";
    std::ofstream(dir / "named.csv", std::ios::binary)
        << "Location,Name,Frequency\r\n100,Gate,151.5\r\n101,Yard,151.6\r\n102,Far,100.0\r\n";
    ProgramRun r = Ctl({"import", source, dir / "named.csv", "--first-channel", "3", "-o", dir / "out.cpg"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "imported 2 rows into channels 3\xE2\x80\x93" "4; 1 left out\n");
    EXPECT_EQ(r.err,
              "left out: location 102: receive frequency 100.0: Out of Frequency Range\n"
              "vantrelctl import: warning: " + dir / "named.csv" +
                  ": channel names are not kept: the radio has no channel names\n");
    r = Ctl({"show", dir / "out.cpg"});
    EXPECT_NE(r.out.find("151.50000"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("151.60000"), std::string::npos) << r.out;

    for (const char* bad : {"0", "17", "x", "-1"}) {
        r = Ctl({"import", source, dir / "named.csv", "--first-channel", bad, "-o", dir / "bad.cpg"});
        EXPECT_EQ(r.exitCode, 2) << bad;
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')),
                  "vantrelctl: import: --first-channel takes a channel number from 1 to 16")
            << bad;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "bad.cpg"));
}

// A list that cannot be read is named with the reason at once, and nothing is
// written: a folder is not taken for a list without columns, and a pipe or a
// device is not read forever.
TEST(CmdExportImport, AListThatIsNoFileIsRefusedAtOnce) {
    TempDir dir;
    const std::string source = kData + "/V2_NAG.cpg";
    ASSERT_EQ(::mkfifo((dir / "pipe.csv").c_str(), 0600), 0);
    const struct {
        std::string list;
        const char* reason;
    } rows[] = {
        {dir / "missing.csv", "No such file or directory"},
        {dir.path.string(), "it is a folder, not a file"},
        {dir / "pipe.csv", "it is a pipe, not a file"},
        {"/dev/zero", "it is a device, not a file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.list);
        const ProgramRun r = Ctl({"import", source, row.list, "-o", dir / "x.cpg"}, std::chrono::seconds(5));
        EXPECT_FALSE(r.timedOut);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, "vantrelctl: cannot read '" + row.list + "': " + row.reason + "\n");
        EXPECT_FALSE(std::filesystem::exists(dir / "x.cpg"));
    }
}

}  // namespace
}  // namespace vantrel::test
