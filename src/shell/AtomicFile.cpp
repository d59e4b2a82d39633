#include "shell/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vantrel {

namespace fs = std::filesystem;

namespace {

bool fail(std::string* error, const std::string& reason) {
    if (error) *error = reason;
    return false;
}

// Saving through a symbolic link replaces the file it points to, not the link.
fs::path saveTarget(const std::string& path) {
    std::error_code ec;
    if (fs::is_symlink(path, ec)) {
        const fs::path resolved = fs::weakly_canonical(path, ec);
        if (!ec) return resolved;
    }
    return path;
}

std::string tempNameBeside(const fs::path& target) {
    std::random_device rd;
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(rd()));
    return target.string() + suffix;
}

bool flushToDisk(std::FILE* f) {
    if (std::fflush(f) != 0) return false;
#ifndef _WIN32
    if (::fsync(fileno(f)) != 0) return false;
#endif
    return true;
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
    const fs::path target = saveTarget(path);
#ifndef _WIN32
    // Replacing a file takes the right to write it, as writing it in place
    // would: a read-only file stays as it is.
    if (::access(target.c_str(), F_OK) == 0 && ::access(target.c_str(), W_OK) != 0)
        return fail(error, std::strerror(errno));
#endif
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
    return true;
}

}  // namespace vantrel
