#include "link/PortPath.h"

#include <sys/stat.h>

namespace vantrel::link {

std::string PortPath(const std::string& name) {
#ifdef _WIN32
    return name;  // COM3 and the like
#else
    if (name.empty() || name.find('/') != std::string::npos) return name;
    struct stat st {};
    // lstat: a link that points nowhere is still the file the user named.
    if (::lstat(name.c_str(), &st) == 0) return "./" + name;
    return "/dev/" + name;
#endif
}

}  // namespace vantrel::link
