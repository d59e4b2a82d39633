#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>

#include "codeplug/CodeplugFile.h"

using namespace vantrel;
namespace bm = vantrel::bytemap;
namespace fs = std::filesystem;

namespace {

class CodeplugFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vantrel_cpg_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }

    static std::string slurp(const std::string& p) {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static void spit(const std::string& p, const std::string& contents) {
        std::ofstream(p, std::ios::binary) << contents;
    }

    // An image whose every byte differs from its neighbours, to spot any change.
    static CodeplugImage pattern() {
        CodeplugImage img;
        for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) img.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
        return img;
    }

    // Identification line then the given number fields joined by sep.
    static std::string fileOf(const std::string& first, const std::vector<std::string>& values,
                              const std::string& sep = "\r\n") {
        std::string out = first + "\r\n";
        for (const auto& v : values) out += v + sep;
        return out;
    }
    static std::vector<std::string> numbers(std::size_t count, unsigned value = 9) {
        return std::vector<std::string>(count, std::to_string(value));
    }

    fs::path dir_;
};

}  // namespace

TEST_F(CodeplugFileTest, FormatWritesTheExactBytes) {
    CodeplugImage img;
    std::string expected = "Vantrel programmer data file\r\n";
    for (int i = 0; i < 384; ++i) expected += " 0 \r\n";
    EXPECT_EQ(FormatCodeplugFile(img), expected);

    img.setByte(0, 60);
    img.setByte(1, 255);
    img.setByte(383, 7);
    const std::string text = FormatCodeplugFile(img);
    const std::string head = "Vantrel programmer data file\r\n";
    EXPECT_EQ(text.substr(head.size(), 13), std::string("\x20\x36\x30\x20\x0D\x0A\x20\x32\x35\x35\x20\x0D\x0A"));
    EXPECT_EQ(text.substr(text.size() - 5), " 7 \r\n");   // nothing after the last line
}

TEST_F(CodeplugFileTest, SaveRefreshesFixedBytesAndRoundTrips) {
    CodeplugImage img = pattern();
    img.setByte(bm::SerialWriteEnable, 1);
    const std::string file = path("radio.cpg");
    ASSERT_EQ(CopyToFile(img, "IGNORED", file), "");

    EXPECT_EQ(img.byte(bm::Fixed60), 60);
    EXPECT_EQ(img.byte(bm::Fixed20), 20);
    EXPECT_EQ(img.byte(bm::SerialWriteEnable), 0);
    CodeplugImage expected = pattern();
    expected.setByte(bm::Fixed60, 60);
    expected.setByte(bm::Fixed20, 20);
    expected.setByte(bm::SerialWriteEnable, 0);
    EXPECT_EQ(img, expected);   // the serial bytes were not blank: the box is ignored
    EXPECT_EQ(slurp(file), FormatCodeplugFile(expected));

    CodeplugImage back;
    EXPECT_TRUE(CopyToBox(back, file).ok());
    EXPECT_EQ(back, expected);
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);  // no temp file left
}

TEST_F(CodeplugFileTest, BlankSerialTakesTheBoxText) {
    struct Case {
        std::string box;
        std::vector<std::uint8_t> serial;
    } cases[] = {
        {"AB12", {65, 66, 49, 50, 0, 0, 0, 0, 0, 0}},
        {"", std::vector<std::uint8_t>(10, 0)},
        {"0123456789XY", {48, 49, 50, 51, 52, 53, 54, 55, 56, 57}},
    };
    for (const Case& c : cases) {
        CodeplugImage img;
        for (std::size_t i = 0; i < 10; ++i) img.setByte(bm::SerialNumber + i, 0xFF);
        const std::string file = path("serial.cpg");
        ASSERT_EQ(CopyToFile(img, c.box, file), "");
        CodeplugImage back;
        ASSERT_TRUE(CopyToBox(back, file).ok());
        for (std::size_t i = 0; i < 10; ++i) {
            EXPECT_EQ(img.byte(bm::SerialNumber + i), c.serial[i]) << c.box << " " << i;
            EXPECT_EQ(back.byte(bm::SerialNumber + i), c.serial[i]) << c.box << " " << i;
        }
    }
}

TEST_F(CodeplugFileTest, FailedSaveNamesTheFileAndKeepsWhatWasThere) {
    CodeplugImage img;
    for (std::size_t i = 0; i < 10; ++i) img.setByte(bm::SerialNumber + i, 0xFF);

    const std::string missingDir = path("no/such/dir/x.cpg");
    const std::string error = CopyToFile(img, "AB12", missingDir);
    EXPECT_NE(error.find(missingDir), std::string::npos) << error;
    EXPECT_NE(error.find("No such file"), std::string::npos) << error;
    EXPECT_EQ(img.byte(bm::SerialNumber), 0xFF);   // the box did not enter the image

    // A folder in the target's place cannot be replaced: it stays, no temp file is left.
    const std::string folder = path("taken.cpg");
    fs::create_directory(folder);
    spit(folder + "/inside", "keep");
    EXPECT_NE(CopyToFile(img, "", folder), "");
    EXPECT_EQ(slurp(folder + "/inside"), "keep");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(CodeplugFileTest, SaveLeavesAReadOnlyFileAlone) {
    const std::string file = path("readonly.cpg");
    spit(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir_, fs::perms::all);   // the folder itself may be written
    const auto save = [&] {
        CodeplugImage img;
        return CopyToFile(img, "", file);
    };
    if (::geteuid() != 0) {
        EXPECT_NE(save(), "");
    } else {
        // Root may write any file: save as an ordinary user.
        const pid_t child = ::fork();
        if (child == 0) {
            constexpr uid_t kNobody = 65534;
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
            ::_exit(save().empty() ? 1 : 0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(slurp(file), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(CodeplugFileTest, SaveReplacesAnExistingFile) {
    const std::string file = path("old.cpg");
    spit(file, std::string(5000, 'x'));
    CodeplugImage img;
    ASSERT_EQ(CopyToFile(img, "", file), "");
    EXPECT_EQ(slurp(file).substr(0, 30), "Vantrel programmer data file\r\n");
    EXPECT_EQ(slurp(file).size(), FormatCodeplugFile(img).size());
}

TEST_F(CodeplugFileTest, ReaderAcceptsFieldSyntaxVariants) {
    std::vector<std::string> values;
    for (int i = 0; i < 384; ++i) values.push_back(std::to_string(i % 256));
    CodeplugImage expected;
    for (std::size_t i = 0; i < 384; ++i) expected.setByte(i, static_cast<std::uint8_t>(i % 256));

    const std::string id = "Vantrel programmer data file";
    const std::string variants[] = {
        fileOf(id, values),
        fileOf("\"" + id + "\"", values),          // quoted identification
        fileOf("  " + id + "  ", values, " , "),   // blanks around fields, comma separators
        fileOf(id + ",", values, " "),            // first field ends at a comma; space separators
        fileOf(id, values, "\n") + "17\n18\n",     // LF line ends; anything after byte 383 ignored
        fileOf(id, {"007"}) + fileOf("", std::vector<std::string>(values.begin() + 1, values.end())),  // leading zeros, blank line
    };
    for (const std::string& contents : variants) {
        CodeplugImage img;
        const CodeplugFileLoad r = ParseCodeplugFile(img, contents, "x.cpg");
        ASSERT_TRUE(r.ok()) << r.error;
        CodeplugImage want = expected;
        if (contents.find("007") != std::string::npos) want.setByte(0, 7);
        EXPECT_EQ(img, want);
    }
}

TEST_F(CodeplugFileTest, ReaderRefusalsLeaveTheImageAlone) {
    using S = CodeplugFileLoad::Status;
    const std::string id = "Vantrel programmer data file";
    std::vector<std::string> withBad = numbers(384);
    withBad[100] = "256";
    std::vector<std::string> negative = numbers(384);
    negative[5] = "-1";
    std::vector<std::string> decimal = numbers(384);
    decimal[383] = "1.5";
    std::vector<std::string> binary = numbers(384);
    binary[7] = std::string("4\0\x01", 3);

    struct Case {
        const char* name;
        std::string contents;
        S status;
        const char* inError;
    } cases[] = {
        {"case differs", fileOf("vantrel programmer data file", numbers(384)), S::WrongType, "not a Vantrel"},
        {"empty file", "", S::WrongType, "not a Vantrel"},
        {"binary", std::string("\x89PNG\r\n\x1a\n\0\0", 10), S::WrongType, "not a Vantrel"},
        {"short", fileOf(id, numbers(383)), S::BadContent, "only 383 of the 384"},
        {"no numbers", id, S::BadContent, "only 0 of the 384"},
        {"above 255", fileOf(id, withBad), S::BadContent, "value 101 (256) is outside 0 to 255"},
        {"negative", fileOf(id, negative), S::BadContent, "value 6 (-1) is outside"},
        {"not a number", fileOf(id, decimal), S::BadContent, "value 384 (1.5) is not a number"},
        {"not text", fileOf(id, binary), S::BadContent, "value 8 is not text"},
    };
    for (const Case& c : cases) {
        const std::string file = path("bad.cpg");
        spit(file, c.contents);
        CodeplugImage img = pattern();
        const CodeplugFileLoad r = CopyToBox(img, file);
        EXPECT_EQ(r.status, c.status) << c.name;
        EXPECT_NE(r.error.find(c.inError), std::string::npos) << c.name << ": " << r.error;
        EXPECT_NE(r.error.find(file), std::string::npos) << c.name << ": " << r.error;
        EXPECT_EQ(img, pattern()) << c.name;
    }

    CodeplugImage img = pattern();
    const CodeplugFileLoad missing = CopyToBox(img, path("missing.cpg"));
    EXPECT_EQ(missing.status, S::CannotOpen);
    EXPECT_NE(missing.error.find("missing.cpg"), std::string::npos);
    EXPECT_EQ(CopyToBox(img, dir_.string()).status, S::CannotOpen);   // a folder
    EXPECT_EQ(img, pattern());
}

TEST_F(CodeplugFileTest, DefaultCodeplugLoadsWholeFilesOnly) {
    const DefaultFileRow& row = *FindSuperNumber("RTKU7202AAN");   // ModelIndex 9, U2_NAG1.cpg
    CodeplugImage expected;
    for (std::size_t i = 0; i < 384; ++i) expected.setByte(i, static_cast<std::uint8_t>(255 - i % 256));

    // The first line is not checked.
    spit(path(row.fileName), "some other heading, 1, 2\r\n" + FormatCodeplugFile(expected).substr(30));
    CodeplugImage img = pattern();
    EXPECT_TRUE(LoadDefaultCodeplug(img, row, dir_.string()).ok());
    expected.setByte(bm::ModelIndex, 9);
    EXPECT_EQ(img, expected);

    // A short or missing file changes nothing but ModelIndex, and says why.
    spit(path(row.fileName), fileOf("x", numbers(200)));
    CodeplugImage unchanged = pattern();
    unchanged.setByte(bm::ModelIndex, 9);
    img = pattern();
    EXPECT_EQ(LoadDefaultCodeplug(img, row, dir_.string()).status, CodeplugFileLoad::Status::BadContent);
    EXPECT_EQ(img, unchanged);
    img = pattern();
    const CodeplugFileLoad missing = LoadDefaultCodeplug(img, row, path("nowhere"));
    EXPECT_EQ(missing.status, CodeplugFileLoad::Status::CannotOpen);
    EXPECT_NE(missing.error.find("U2_NAG1.cpg"), std::string::npos);
    EXPECT_EQ(img, unchanged);
}

// What is not a plain data file of sane length is refused at once and whole;
// what an editor adds in front of a good one is tolerated.
TEST_F(CodeplugFileTest, ReaderTakesOnlyWholeRegularFiles) {
    using S = CodeplugFileLoad::Status;
    constexpr std::size_t kLimit = 1 << 20;
    const std::string id = "Vantrel programmer data file";
    CodeplugImage good = pattern();
    const std::string goodText = FormatCodeplugFile(good);

    // 383 good values, then 200 placed so that the limit falls between its
    // "20" and its "0": cut at the limit it would read as 20.
    std::string acrossLimit = fileOf(id, numbers(383));
    acrossLimit += std::string(kLimit - 2 - acrossLimit.size(), ' ') + "200\r\n";
    // Exactly at the limit is still a data file.
    std::string atLimit = goodText + std::string(kLimit - goodText.size(), ' ');

    struct Case {
        const char* name;
        std::function<std::string()> make;   // returns the path to load
        S status;
        const char* inError;   // empty: loads
    } cases[] = {
        {"pipe", [&] { ::mkfifo(path("pipe.cpg").c_str(), 0600); return path("pipe.cpg"); }, S::CannotOpen, "pipe"},
        {"folder", [&] { fs::create_directory(path("dir.cpg")); return path("dir.cpg"); }, S::CannotOpen, "folder"},
        {"device", [] { return std::string("/dev/null"); }, S::CannotOpen, "device"},
        {"value across the limit", [&] { spit(path("long.cpg"), acrossLimit); return path("long.cpg"); },
         S::BadContent, "too long"},
        {"exactly the limit", [&] { spit(path("full.cpg"), atLimit); return path("full.cpg"); }, S::Ok, ""},
        {"byte-order mark", [&] { spit(path("bom.cpg"), "\xEF\xBB\xBF" + goodText); return path("bom.cpg"); },
         S::Ok, ""},
    };
    for (const Case& c : cases) {
        const std::string file = c.make();
        CodeplugImage img;
        img.setByte(0, 0xAA);
        const CodeplugImage before = img;
        // A reader stuck on the pipe is let go by a writer that comes and leaves.
        auto load = std::async(std::launch::async, [&] { return CopyToBox(img, file); });
        if (load.wait_for(std::chrono::seconds(2)) != std::future_status::ready) {
            ADD_FAILURE() << c.name << ": blocked";
            ::close(::open(file.c_str(), O_WRONLY | O_NONBLOCK));
        }
        const CodeplugFileLoad r = load.get();
        EXPECT_EQ(r.status, c.status) << c.name << ": " << r.error;
        if (c.status == S::Ok) {
            EXPECT_EQ(img, good) << c.name;
        } else {
            EXPECT_NE(r.error.find(c.inError), std::string::npos) << c.name << ": " << r.error;
            EXPECT_NE(r.error.find(file), std::string::npos) << c.name << ": " << r.error;
            EXPECT_EQ(img, before) << c.name;
        }
    }
}

// A save that was killed leaves its temporary file; the next save of that
// file removes it, but not another program's save in progress nor other files.
TEST_F(CodeplugFileTest, SaveCleansUpAfterAKilledSaveAndKeepsTheMode) {
    const std::string file = path("radio.cpg");
    spit(file, "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A save killed mid-way, by a process that has gone.
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const std::string killed = file + "." + std::to_string(child) + "-0123abcd.tmp";
    spit(killed, "half a fi");
    // A save in progress in a running process (this one's parent), and unrelated names.
    const std::string running = file + "." + std::to_string(::getppid()) + "-89abcdef.tmp";
    spit(running, "being written");
    const std::string others[] = {path("other.cpg.1-00000000.tmp"), file + ".bak", file + ".1-xyz.tmp"};
    for (const auto& o : others) spit(o, "keep");

    CodeplugImage img;
    ASSERT_EQ(CopyToFile(img, "", file), "");
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_TRUE(fs::exists(running));
    for (const auto& o : others) EXPECT_TRUE(fs::exists(o)) << o;
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(slurp(file), FormatCodeplugFile(img));
    // Nothing of its own is left beside the file.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 5);
}
