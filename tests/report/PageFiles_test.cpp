#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "report/PageFiles.h"

namespace vantrel::report {
namespace {

namespace fs = std::filesystem;

class PageFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/vantrel-pages-XXXXXX";
        parent = mkdtemp(pattern);
    }
    void TearDown() override {
        fs::permissions(parent, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(parent);
    }
    std::string parent;
    std::string own() const { return parent + "/vantrel-cps-" + std::to_string(geteuid()); }
};

TEST_F(PageFilesTest, FolderIsCreatedForTheOwnerOnly) {
    const std::string folder = PrivatePageFolder(parent);
    ASSERT_EQ(folder, own());
    struct stat st {};
    ASSERT_EQ(lstat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(PrivatePageFolder(parent), folder);   // reused
    EXPECT_EQ(PageFilePath(folder, 0), folder + "/PPview0.bmp");
    EXPECT_EQ(PageFilePath(folder, 12), folder + "/PPview12.bmp");
    EXPECT_EQ(PageFilePath("", 0), "");
}

TEST_F(PageFilesTest, PlantedLinkOrOpenFolderIsRefused) {
    fs::create_directory(parent + "/elsewhere");
    fs::create_directory_symlink(parent + "/elsewhere", own());
    EXPECT_EQ(PrivatePageFolder(parent), "");
    fs::remove(own());
    fs::create_directory(own());
    fs::permissions(own(), fs::perms::owner_all | fs::perms::others_all);
    EXPECT_EQ(PrivatePageFolder(parent), "");
}

TEST_F(PageFilesTest, PageFileReplacesALinkInsteadOfWritingThroughIt) {
    const std::string folder = PrivatePageFolder(parent);
    const std::string victim = parent + "/victim";
    std::ofstream(victim) << "precious";
    const std::string page = PageFilePath(folder, 0);
    fs::create_symlink(victim, page);

    ASSERT_TRUE(WritePageFile(page, "BMpage"));
    std::ifstream v(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(v), {}), "precious");
    EXPECT_FALSE(fs::is_symlink(page));
    std::ifstream p(page);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(p), {}), "BMpage");
    EXPECT_EQ(fs::status(page).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WritePageFile(page, "second"));   // an old page is replaced
    EXPECT_EQ(fs::file_size(page), 6u);
}

TEST_F(PageFilesTest, CleanUpDeletesPageFilesOnlyAndEndsWhenOneStays) {
    const std::string folder = PrivatePageFolder(parent);
    for (const char* name : {"PPview0.bmp", "PPview7.bmp", "PPviewold.bmp", "keep.bmp", "PPview1.png"})
        std::ofstream(folder + "/" + name) << "x";
    // A folder with a page-file name cannot be removed as a file.
    fs::create_directory(folder + "/PPview9.bmp");
    std::ofstream(folder + "/PPview9.bmp/inner") << "x";

    EXPECT_EQ(DeletePageFiles(folder), 1);
    EXPECT_FALSE(fs::exists(folder + "/PPview0.bmp"));
    EXPECT_FALSE(fs::exists(folder + "/PPviewold.bmp"));
    EXPECT_TRUE(fs::exists(folder + "/keep.bmp"));
    EXPECT_TRUE(fs::exists(folder + "/PPview1.png"));
    EXPECT_TRUE(fs::exists(folder + "/PPview9.bmp"));
}

// Each program has a folder of its own inside the user's: cleaning up after
// a preview leaves another program's pages alone, and removes the emptied
// folder.
TEST_F(PageFilesTest, EachProgramKeepsItsOwnPages) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string before = runtime ? runtime : "";
    setenv("XDG_RUNTIME_DIR", parent.c_str(), 1);
    const std::string folder = PrivatePageFolder();
    runtime ? setenv("XDG_RUNTIME_DIR", before.c_str(), 1) : unsetenv("XDG_RUNTIME_DIR");

    ASSERT_EQ(folder, own() + "/" + std::to_string(getpid()));
    struct stat st {};
    ASSERT_EQ(lstat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    fs::create_directory(own() + "/other");
    std::ofstream(own() + "/other/PPview0.bmp") << "theirs";
    ASSERT_TRUE(WritePageFile(PageFilePath(folder, 0), "mine"));

    EXPECT_EQ(DeletePageFiles(folder), 0);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::exists(own() + "/other/PPview0.bmp"));
}

}  // namespace
}  // namespace vantrel::report
