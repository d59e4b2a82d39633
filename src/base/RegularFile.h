#pragma once
// Reading a small file that must be an ordinary file. A pipe, a device or a
// folder in its place is refused at once instead of blocking the program or
// reading forever, and a file is never read past a size limit.
#include <cstddef>
#include <string>

namespace vantrel {

struct RegularFileRead {
    enum class Status {
        Ok,
        CannotOpen,   // missing, no permission, or a read error
        NotRegular,   // a folder, pipe, device or socket
        TooLong,      // longer than the limit; contents holds the first `limit` bytes
    };
    Status status = Status::Ok;
    std::string contents;
    std::string reason;   // the system's reason, or what the path is instead of a file
};

// What stands at a path that is not a plain file, in the user's words ("it
// is a pipe, not a file"), for a mode from stat.
std::string NotAFileReason(unsigned mode);

// Opens path without blocking (a pipe with no writer would otherwise wait
// forever), checks that it is a regular file and reads at most limit bytes.
RegularFileRead ReadRegularFile(const std::string& path, std::size_t limit);

}  // namespace vantrel
