#include "base/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/AtomicFile.h"
#include "base/RegularFile.h"

namespace vantrel {

namespace fs = std::filesystem;

namespace {

bool fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

// Pipes and character devices (a terminal, /dev/null) take a stream; a
// block device holds a file system and is never written over.
bool isStream(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode); }

// The reason for a failed open, in the words used for the other refusals.
std::string openReason(int err) {
    if (err == ENXIO) return "it is a pipe that nothing reads from";
    if (err == EISDIR) return NotAFileReason(S_IFDIR);
    return std::strerror(err);
}

bool writeAll(int fd, const std::string& contents, std::string* error) {
    for (std::size_t done = 0; done < contents.size();) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(error, std::strerror(n < 0 ? errno : EIO));
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Opened without blocking to find out at once whether anything reads a pipe;
// from then on writes wait for the reader as a stream's writes do.
bool makeBlocking(int fd) {
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

int openStream(const std::string& path, int extraFlags, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | extraFlags, 0600);
    if (fd < 0) error = openReason(errno);
    return fd;
}

}  // namespace

bool WriteOutput(const std::string& path, const std::string& contents, std::string* error) {
    if (path == kStandardOutput) return writeAll(STDOUT_FILENO, contents, error);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !isStream(st.st_mode)) return WriteFileAtomically(path, contents, error);

    std::string reason;
    const int fd = openStream(path, 0, reason);
    if (fd < 0) return fail(error, reason);
    bool ok = ::fstat(fd, &st) == 0 && isStream(st.st_mode);
    if (!ok) reason = "it was replaced while being opened";
    else if (!(ok = makeBlocking(fd))) reason = std::strerror(errno);
    else ok = writeAll(fd, contents, &reason);
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = std::strerror(errno);
    }
    return ok || fail(error, reason);
}

std::string OutputProblem(const std::string& path, bool streamAllowed) {
    if (path.empty()) return std::strerror(ENOENT);
    if (streamAllowed && path == kStandardOutput) return "";
    struct stat st {};
    if (::lstat(path.c_str(), &st) == 0) {
        struct stat target {};
        const bool reachesStream = ::stat(path.c_str(), &target) == 0 && isStream(target.st_mode);
        if (streamAllowed && reachesStream)
            return ::access(path.c_str(), W_OK) == 0 ? "" : std::strerror(errno);
        if (!S_ISREG(st.st_mode)) return NotAFileReason(st.st_mode);
        // A save replaces the file, but one the user may not write stays as it is.
        if (::access(path.c_str(), W_OK) != 0) return std::strerror(errno);
    }
    std::string folder = fs::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    if (::stat(folder.c_str(), &st) != 0) return std::strerror(errno);
    if (!S_ISDIR(st.st_mode)) return std::strerror(ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    return "";
}

int OpenPrivateStream(const std::string& path, std::string& error) {
    const int fd = openStream(path, O_CREAT, error);
    if (fd < 0) return -1;
    struct stat st {};
    std::string reason;
    if (::fstat(fd, &st) != 0) reason = std::strerror(errno);
    else if (S_ISREG(st.st_mode)) {
        // An existing file may have been readable by others: it holds a
        // trace only once it is the owner's alone.
        if (::fchmod(fd, 0600) != 0 || ::ftruncate(fd, 0) != 0) reason = std::strerror(errno);
    } else if (!isStream(st.st_mode)) {
        reason = NotAFileReason(st.st_mode);
    } else if (!makeBlocking(fd)) {
        reason = std::strerror(errno);
    }
    if (reason.empty()) return fd;
    ::close(fd);
    error = reason;
    return -1;
}

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    struct stat sa {}, sb {};
    const bool hasA = ::stat(a.c_str(), &sa) == 0;
    const bool hasB = ::stat(b.c_str(), &sb) == 0;
    if (hasA && hasB) return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    std::error_code ea, eb;
    const fs::path pa = fs::weakly_canonical(fs::absolute(a, ea), ea);
    const fs::path pb = fs::weakly_canonical(fs::absolute(b, eb), eb);
    return !ea && !eb && pa == pb;
}

}  // namespace vantrel
