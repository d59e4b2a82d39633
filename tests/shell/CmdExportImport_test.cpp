// vantrelctl export and import.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct CtlResult {
    int exitCode;
    std::string err;
};

CtlResult vantrelctl(const std::string& args) {
    const std::string cmd = std::string(VANTRELCTL_PATH) + " " + args + " 2>&1 >/dev/null";
    FILE* p = popen(cmd.c_str(), "r");
    CtlResult r{-1, ""};
    if (!p) return r;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) r.err += buf;
    const int status = pclose(p);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::string kData = VANTREL_BUILD_DATA_DIR;

struct TempDir {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("vantrel-csv-" + std::to_string(::getpid()) + "-" + std::to_string(std::rand()));
    TempDir() { std::filesystem::create_directories(path); }
    ~TempDir() { std::filesystem::remove_all(path); }
    std::string operator/(const char* name) const { return (path / name).string(); }
};

TEST(CmdExportImport, ExportThenImportGivesTheSameFileAndLeftOutRowsExitOne) {
    TempDir dir;
    const std::string source = kData + "/V2_NAG.cpg";
    CtlResult r = vantrelctl("export " + source + " -o " + dir / "ch.csv");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(slurp(dir / "ch.csv").substr(0, 9), "Location,");

    r = vantrelctl("import " + source + " " + dir / "ch.csv" + " -o " + dir / "same.cpg");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(slurp(dir / "same.cpg"), slurp(source));

    std::ofstream(dir / "bad.csv", std::ios::binary)
        << "Location,Frequency,Tone,rToneFreq\r\n2,151.5,Tone,100.0\r\n3,100.0,,\r\n20,151.5,,\r\n";
    r = vantrelctl("import " + source + " " + dir / "bad.csv" + " -o " + dir / "out.cpg");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err,
              "left out: location 3: receive frequency 100.0: Out of Frequency Range\n"
              "left out: location 20: the radio has channels 1 to 16\n");
    EXPECT_NE(slurp(dir / "out.cpg"), slurp(source));  // channel 2 went in

    // Usage and unreadable input.
    EXPECT_EQ(vantrelctl("import " + source + " -o " + dir / "x.cpg").exitCode, 2);
    EXPECT_EQ(vantrelctl("export " + source).exitCode, 2);
    r = vantrelctl("import " + source + " " + dir / "missing.csv" + " -o " + dir / "x.cpg");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.cpg"));
}

}  // namespace
