#include "base/DataFolder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kOverrideVariable = "VANTREL_DATA_DIR";
constexpr const char* kBuildDataDir = VANTREL_BUILD_DATA_DIR;
constexpr const char* kInstallDataDir = VANTREL_INSTALL_DATA_DIR;

bool isFolder(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

// The running program's folder; empty where the system does not say.
fs::path programFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

bool isInside(const fs::path& inner, const fs::path& outer) {
    const fs::path a = inner.lexically_normal();
    const fs::path b = outer.lexically_normal();
    auto ai = a.begin();
    for (auto bi = b.begin(); bi != b.end(); ++bi, ++ai) {
        if (bi->empty()) continue;   // trailing separator
        if (ai == a.end() || *ai != *bi) return false;
    }
    return true;
}

}  // namespace

std::string DataFolder() {
    if (const char* env = std::getenv(kOverrideVariable); env && *env) return env;

    const fs::path buildData = kBuildDataDir;
    const fs::path program = programFolder();
    if (!program.empty()) {
        if (isInside(program, buildData.parent_path()) && isFolder(buildData)) return buildData.string();
        const fs::path moved = program.parent_path() / "share" / "vantrel-cps";
        if (isFolder(moved)) return moved.string();
    }
    if (isFolder(kInstallDataDir)) return kInstallDataDir;
    if (isFolder(buildData)) return buildData.string();
    return kInstallDataDir;
}

bool RunsFromBuildTree() {
    const fs::path program = programFolder();
    return !program.empty() && isInside(program, fs::path(kBuildDataDir).parent_path());
}

std::string DataFilePath(const std::string& name) { return (fs::path(DataFolder()) / name).string(); }

}  // namespace vantrel
