#include "base/AtomicFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "base/RegularFile.h"

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel {

namespace fs = std::filesystem;

namespace {

constexpr const char* kTempSuffix = ".tmp";

bool fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

long processId() {
#ifndef _WIN32
    return static_cast<long>(::getpid());
#else
    return 0;
#endif
}

// A new file is renamed only over a plain file: over a device node, a pipe or
// a folder it would replace the node itself (a root's save to /dev/null
// would replace the system's), and over a symbolic link it would replace the
// link, or, resolved first, the file behind it where the system's protection
// of links in shared folders would refuse an open. Empty when path is free.
std::string notReplaceable(const std::string& path) {
#ifndef _WIN32
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode)) return "";
    return NotAFileReason(st.st_mode);
#else
    (void)path;
    return "";
#endif
}

// "<target>.<pid>-<8 hex digits>.tmp": the process id tells a later save
// whether the file is a leftover of a save that died.
std::string tempNameBeside(const fs::path& target) {
    std::random_device rd;
    char suffix[48];
    std::snprintf(suffix, sizeof suffix, ".%ld-%08x%s", processId(), static_cast<unsigned>(rd()), kTempSuffix);
    return target.string() + suffix;
}

// The process id in a temporary name made for target, or -1 for any other name.
long leftoverOwner(const std::string& name, const std::string& targetName) {
    const std::size_t suffix = std::strlen(kTempSuffix);
    if (name.size() <= targetName.size() + 1 + suffix || name.compare(0, targetName.size(), targetName) != 0 ||
        name[targetName.size()] != '.' || name.compare(name.size() - suffix, suffix, kTempSuffix) != 0)
        return -1;
    const std::string middle = name.substr(targetName.size() + 1, name.size() - targetName.size() - 1 - suffix);
    const std::size_t dash = middle.find('-');
    if (dash == 0 || dash == std::string::npos || middle.size() - dash - 1 != 8) return -1;
    long pid = 0;
    for (std::size_t i = 0; i < dash; ++i) {
        if (middle[i] < '0' || middle[i] > '9' || pid > 1'000'000'000) return -1;
        pid = pid * 10 + (middle[i] - '0');
    }
    for (std::size_t i = dash + 1; i < middle.size(); ++i)
        if (!std::isxdigit(static_cast<unsigned char>(middle[i]))) return -1;
    return pid;
}

#ifndef _WIN32
bool processGone(long pid) { return pid != processId() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH; }
#endif

// Temporary files that an earlier save of this target left behind when it was
// killed: this user's, made by a process that no longer runs (a save still in
// progress elsewhere keeps its file).
void removeLeftovers(const fs::path& target) {
#ifndef _WIN32
    std::error_code ec;
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string targetName = target.filename().string();
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const long pid = leftoverOwner(name, targetName);
        if (pid <= 0) continue;
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (processGone(pid)) ::unlink(it->path().c_str());
    }
#else
    (void)target;
#endif
}

bool flushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifndef _WIN32
    if (::fsync(fileno(f)) != 0) return false;
#endif
    return true;
}

// After the rename the folder entry itself must reach the disk, or a power
// cut can bring back the old file (or none) although the save succeeded.
void syncFolder(const fs::path& target) {
#ifndef _WIN32
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
#else
    (void)target;
#endif
}

// A replaced file keeps its permissions; a new one gets what the umask allows.
void keepPermissions(const fs::path& target, std::FILE* f) {
#ifndef _WIN32
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) ::fchmod(fileno(f), st.st_mode & 07777);
#else
    (void)target;
    (void)f;
#endif
}

}  // namespace

bool WriteFileAtomically(const std::string& path, const std::string& contents, std::string* error) {
    if (const std::string reason = notReplaceable(path); !reason.empty()) return fail(error, reason);
    const fs::path target = path;
#ifndef _WIN32
    // Replacing a file takes the right to write it, as writing it in place
    // would: a read-only file stays as it is.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return fail(error, std::strerror(errno));
#endif
    removeLeftovers(target);
    std::string tmp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 8 && !f; ++attempt) {
        tmp = tempNameBeside(target);
        f = std::fopen(tmp.c_str(), "wbx");  // x: never reuse an existing name
        if (!f && errno != EEXIST) break;
    }
    if (!f) return fail(error, std::strerror(errno));

    keepPermissions(target, f);
    const bool written =
        std::fwrite(contents.data(), 1, contents.size(), f) == contents.size() && flushToDisk(f);
    const int writeErr = errno;
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        const int err = written ? errno : writeErr;
        std::remove(tmp.c_str());
        return fail(error, std::strerror(err));
    }
    std::error_code ec;
    fs::rename(tmp, target, ec);
    if (ec) {
        std::remove(tmp.c_str());
        return fail(error, ec.message());
    }
    syncFolder(target);
    return true;
}

}  // namespace vantrel
