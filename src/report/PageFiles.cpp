#include "report/PageFiles.h"

#include <dirent.h>
#include <fcntl.h>
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
    std::string user;
    for (const char* name : {"XDG_RUNTIME_DIR", "TMPDIR"})
        if (const char* parent = EnvFolder(name); parent && user.empty()) user = PrivatePageFolder(parent);
    if (user.empty()) user = PrivatePageFolder("/tmp");
    if (user.empty()) return {};
    // A folder of this program's own: two programs previewing at once, or a
    // preview and `vantrelctl report --page`, would otherwise replace and
    // delete each other's pages.
    const std::string folder = user + "/" + std::to_string(getpid());
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return {};
    return IsPrivateFolder(folder) ? folder : std::string();
}

std::string PageFilePath(const std::string& folder, int index) {
    if (folder.empty()) return {};
    return folder + "/" + kPrefix + std::to_string(index) + kSuffix;
}

bool WritePageFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return false;
    // unlink removes a link itself, never its target; O_EXCL then refuses
    // anything that appears in the name meanwhile.
    if (unlink(path.c_str()) != 0 && errno != ENOENT) return false;
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return false;
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    const bool ok = close(fd) == 0 && done == bytes.size();
    if (!ok) unlink(path.c_str());
    return ok;
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
    // A folder left empty goes too; one that holds anything else stays.
    rmdir(folder.c_str());
    return left;
}

}  // namespace vantrel::report
