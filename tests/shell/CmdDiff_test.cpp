// vantrelctl diff: the fields that differ between two data files, by the
// names and texts the editor shows.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "codeplug/ByteMap.h"
#include "codeplug/CodeplugFile.h"
#include "shell/CtlRun.h"

namespace {

namespace bm = vantrel::bytemap;

CtlRun diff(const std::string& args) { return vantrelctl("diff " + args); }

const std::string kData = VANTREL_BUILD_DATA_DIR;

// A copy of a shipped file with some bytes changed, removed at the end.
struct ChangedFile {
    std::string path;
    ChangedFile(const std::string& from, std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
        vantrel::CodeplugImage img;
        EXPECT_TRUE(vantrel::CopyToBox(img, kData + "/" + from).ok());
        for (const auto& [at, value] : bytes) img.setByte(at, value);
        path = (std::filesystem::temp_directory_path() /
                ("vantrel_diff_" + std::to_string(getpid()) + "_" + std::to_string(++count) + ".cpg")).string();
        std::ofstream(path, std::ios::binary) << vantrel::FormatCodeplugFile(img);
    }
    ~ChangedFile() { std::filesystem::remove(path); }
    static inline int count = 0;
};

TEST(CmdDiff, EqualFilesExitZeroAndSayNothing) {
    const CtlRun same = diff(kData + "/U2_NAG.cpg " + kData + "/U2_NAG.cpg");
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_EQ(same.out, "");
    const CtlRun json = diff(kData + "/U2_NAG.cpg " + kData + "/U2_NAG.cpg --json");
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(json.out, "{\n  \"equal\": true,\n  \"fields\": [],\n  \"bytes\": []\n}\n");
}

TEST(CmdDiff, NamesEachDifferingFieldWithBothTexts) {
    // Tx time-out 60 s -> 90 s, channel 1's squelch tight.
    const ChangedFile b("U2_NAG.cpg", {{bm::TotTime, 9}, {bm::channelRecord(1) + 8, 0}});
    const ChangedFile a("U2_NAG.cpg", {{bm::TotTime, 6}});
    const CtlRun text = diff(a.path + " " + b.path);
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_NE(text.out.find("Tx Time Out Time (sec) 60 -> 90\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("channel 1 "), std::string::npos) << text.out;

    const CtlRun json = diff(a.path + " " + b.path + " --json");
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_NE(json.out.find("{\"section\": \"Time Out Timer\", \"name\": \"Tx Time Out Time (sec)\", \"a\": \"60\", \"b\": \"90\"}"),
              std::string::npos) << json.out;
}

TEST(CmdDiff, BytesNoFieldShowsStillMakeTheFilesDiffer) {
    const ChangedFile b("U2_NAG.cpg", {{300, 77}});
    const CtlRun r = diff(kData + "/U2_NAG.cpg " + b.path);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.out.find("byte 300"), std::string::npos) << r.out;
}

TEST(CmdDiff, UsageAndUnreadableFiles) {
    EXPECT_EQ(diff("").exitCode, 2);
    EXPECT_EQ(diff(kData + "/U2_NAG.cpg").exitCode, 2);
    EXPECT_EQ(diff("a.cpg b.cpg c.cpg").exitCode, 2);
    EXPECT_EQ(diff("--verbose a.cpg b.cpg").exitCode, 2);
    const CtlRun missing = diff(kData + "/U2_NAG.cpg /nonexistent/x.cpg");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.out.find("/nonexistent/x.cpg"), std::string::npos) << missing.out;
}

}  // namespace
