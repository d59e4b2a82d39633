#include "report/PageFiles.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vantrel::report {

namespace {

const char kPrefix[] = "PPview";
const char kSuffix[] = ".bmp";

bool IsPrivateFolder(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0) return false;
    return S_ISDIR(st.st_mode) && st.st_uid == geteuid() && (st.st_mode & 077) == 0;
}

const char* EnvFolder(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

std::string PrivatePageFolder(const std::string& parent) {
    if (parent.empty()) return {};
    const std::string folder = parent + "/vantrel-cps-" + std::to_string(geteuid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    return IsPrivateFolder(folder) ? folder : std::string();
}

std::string PrivatePageFolder() {
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"})
        if (const char* parent = EnvFolder(name)) {
            std::string folder = PrivatePageFolder(parent);
            if (!folder.empty()) return folder;
        }
    return PrivatePageFolder("/tmp");
}

std::string PageFilePath(const std::string& folder, int index) {
    if (folder.empty()) return {};
    return folder + "/" + kPrefix + std::to_string(index) + kSuffix;
}

bool IsPageFileName(const std::string& name) {
    const std::size_t p = sizeof kPrefix - 1;
    const std::size_t s = sizeof kSuffix - 1;
    return name.size() >= p + s && name.compare(0, p, kPrefix) == 0 &&
           name.compare(name.size() - s, s, kSuffix) == 0;
}

int DeletePageFiles(const std::string& folder) {
    if (folder.empty()) return 0;
    // Collect first, then delete each once: a file that refuses to go is not
    // looked for again, so the clean-up always ends.
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (IsPageFileName(entry->d_name)) names.emplace_back(entry->d_name);
        closedir(dir);
    }
    int left = 0;
    for (const auto& name : names)
        if (std::remove((folder + "/" + name).c_str()) != 0) ++left;
    return left;
}

}  // namespace vantrel::report
