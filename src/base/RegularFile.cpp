#include "base/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace vantrel {

namespace {

RegularFileRead failed(RegularFileRead::Status status, std::string reason) {
    RegularFileRead r;
    r.status = status;
    r.reason = std::move(reason);
    return r;
}

}  // namespace

std::string NotAFileReason(unsigned mode) {
    if (S_ISDIR(mode)) return "it is a folder, not a file";
    if (S_ISFIFO(mode)) return "it is a pipe, not a file";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "it is a device, not a file";
    if (S_ISLNK(mode)) return "it is a symbolic link; name the file it points to";
    return "it is not a regular file";
}

RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit) {
    using Status = RegularFileRead::Status;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failed(Status::CannotOpen, std::strerror(errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        const int err = errno;
        ::close(fd);
        return failed(Status::CannotOpen, std::strerror(err));
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return failed(Status::NotRegular, NotAFileReason(st.st_mode));
    }

    // Read in pieces up to one byte past the limit, which tells a file of
    // exactly `limit` bytes from a longer one; a buffer of the whole limit
    // up front would cost more than a small file's whole load.
    RegularFileRead r;
    char piece[4096];
    while (r.contents.size() <= limit) {
        const std::size_t want = std::min(sizeof piece, limit + 1 - r.contents.size());
        const ssize_t n = ::read(fd, piece, want);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            return failed(Status::CannotOpen, std::strerror(err));
        }
        r.contents.append(piece, static_cast<std::size_t>(n));
    }
    const std::size_t got = r.contents.size();
    ::close(fd);
    if (got > limit) {
        r.status = Status::TooLong;
        r.contents.resize(limit);
    }
    return r;
}

}  // namespace vantrel
