#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace vantrel::report
