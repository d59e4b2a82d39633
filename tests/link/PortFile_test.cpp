#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <future>
#include <iterator>

#include "link/PortFile.h"

namespace vantrel::link {
namespace {

namespace fs = std::filesystem;

class PortFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vantrel-port-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    void put(const std::string& content) {
        fs::create_directories(folder);
        std::ofstream(folder / kPortFileName, std::ios::binary) << content;
    }
    std::string content() {
        std::ifstream in(folder / kPortFileName, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    fs::path folder;
};

TEST_F(PortFileTest, MissingFileIsCreatedWithCom1) {
    EXPECT_EQ(ReadPortFile(folder), 1);
    EXPECT_EQ(content(), "\"com1\"\r\n");
}

TEST_F(PortFileTest, ContentSelectsThePort) {
    const std::pair<const char*, int> cases[] = {
        {"\"com3\"\r\n", 3}, {"\"com7\"\r\n", 7}, {"com2\r\n", 2},  {"  \"com5\" ,x\r\n", 5},
        {"\"COM3\"\r\n", 8}, {"\"com8\"\r\n", 8}, {"\"com9\"\r\n", 8}, {"", 8},
        {"\x01\xff garbage", 8}
    };
    for (const auto& [text, port] : cases) {
        put(text);
        EXPECT_EQ(ReadPortFile(folder), port) << '"' << text << '"';
    }
}

TEST_F(PortFileTest, OnlyTheStartOfAHugeFileIsRead) {
    // A file far longer than any port name: its first line still counts, and
    // the rest is never read (a sparse 2 GiB file would take seconds and
    // gigabytes if it were).
    put("\"com6\"\r\n");
    fs::resize_file(folder / kPortFileName, std::uintmax_t{2} << 30);
    EXPECT_EQ(ReadPortFile(folder), 6);
}

TEST_F(PortFileTest, WriteReplacesTheFileWithTheQuotedName) {
    put("\"com1\"\r\nold tail\r\n");
    ASSERT_TRUE(WritePortFile(folder, 6));
    EXPECT_EQ(content(), "\"com6\"\r\n");
    ASSERT_TRUE(WritePortFile(folder, 0));
    EXPECT_EQ(content(), "\"com8\"\r\n");
}

TEST_F(PortFileTest, APipeInPlaceOfTheFileBlocksNeitherStartNorClosing) {
    using namespace std::chrono_literals;
    fs::create_directories(folder);
    const std::string path = (folder / kPortFileName).string();
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    // Should a call block on the pipe, the test opens the other end to let it
    // go: a writer that leaves at once, or a reader that stays until the end.
    const auto within2s = [&](auto call, bool calledToRead) {
        auto result = std::async(std::launch::async, call);
        if (result.wait_for(2s) == std::future_status::ready) return result.get();
        ADD_FAILURE() << "blocked on the pipe";
        const int fd = ::open(path.c_str(), (calledToRead ? O_WRONLY : O_RDONLY) | O_NONBLOCK);
        if (calledToRead) ::close(fd);
        auto value = result.get();
        if (!calledToRead) ::close(fd);
        return value;
    };
    EXPECT_EQ(within2s([&] { return ReadPortFile(folder); }, true), 8);
    // Nothing is renamed over a pipe: the save is refused and the pipe stays.
    EXPECT_FALSE(within2s([&] { return WritePortFile(folder, 4); }, false));
    EXPECT_TRUE(fs::is_fifo(folder / kPortFileName));
}

TEST(PortMenu, FirstCheckedOfCom1ToCom7ElseEight) {
    EXPECT_EQ(SelectedPort({false, false, true, false, false, false, false, false}), 3);
    EXPECT_EQ(SelectedPort({false, false, false, false, false, false, false, false}), 8);
    EXPECT_EQ(SelectedPort({false, false, false, false, false, false, false, true}), 8);
}

}  // namespace
}  // namespace vantrel::link
