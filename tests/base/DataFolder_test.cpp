#include <gtest/gtest.h>

#include <cstdlib>

#include "base/DataFolder.h"

using namespace vantrel;

namespace {

// Sets an environment variable for one test and restores it afterwards.
class EnvGuard {
public:
    EnvGuard(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        if (value) setenv(name, value, 1); else unsetenv(name);
    }
    ~EnvGuard() {
        if (had_) setenv(name_, old_.c_str(), 1); else unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

}  // namespace

TEST(DataFolder, OverrideWinsAndBuildTreeIsFoundOtherwise) {
    {
        EnvGuard env("VANTREL_DATA_DIR", "/tmp/elsewhere");
        EXPECT_EQ(DataFolder(), "/tmp/elsewhere");
        EXPECT_EQ(DataFilePath("V2_APAC.cpg"), "/tmp/elsewhere/V2_APAC.cpg");
    }
    EnvGuard empty("VANTREL_DATA_DIR", "");
    // The test program runs from the build tree, so it finds the build tree's data.
    EXPECT_EQ(DataFolder(), VANTREL_BUILD_DATA_DIR);
}
