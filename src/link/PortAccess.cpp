#include "link/PortAccess.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

#include "link/PortPath.h"

namespace vantrel::link {

namespace {

// Where serial programs (and Qt's port locking) keep their "LCK..name" files.
std::vector<std::string> LockFolders() {
    std::vector<std::string> folders = {"/var/lock", "/run/lock", "/etc/locks", "/var/spool/locks", "/var/spool/uucp"};
    const char* tmp = std::getenv("TMPDIR");
    folders.emplace_back(tmp && *tmp ? tmp : "/tmp");
    return folders;
}

// The lock name of a device: its path below /dev with '/' as '_' (pts/3 ->
// pts_3), as Qt and the uucp convention spell it.
std::string LockName(std::string path) {
    const std::string dev = "/dev/";
    if (path.compare(0, dev.size(), dev) == 0) path.erase(0, dev.size());
    for (char& c : path)
        if (c == '/') c = '_';
    return "LCK.." + path;
}

std::string ReadSmallFile(const std::string& path, std::size_t limit) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return {};
    struct stat st {};
    std::string text;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        text.resize(limit);
        const ssize_t n = ::read(fd, text.data(), limit);
        text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    }
    ::close(fd);
    return text;
}

bool ProcessRuns(long pid) { return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM); }

// The holder named in one lock file: its first line is the process id (in
// text, as Qt and lockdev write it), Qt's second line the program's name.
std::string HolderOf(const std::string& lockPath) {
    const std::string text = ReadSmallFile(lockPath, 512);
    char* end = nullptr;
    const long pid = std::strtol(text.c_str(), &end, 10);
    if (end == text.c_str() || !ProcessRuns(pid)) return {};
    std::string name = ReadSmallFile("/proc/" + std::to_string(pid) + "/comm", 64);
    if (name.empty()) {
        const auto line2 = text.find('\n');
        if (line2 != std::string::npos) name = text.substr(line2 + 1);
    }
    name = name.substr(0, name.find('\n'));
    return name.empty() ? "process " + std::to_string(pid) : name + ", process " + std::to_string(pid);
}

PortAccess Result(PortState state, std::string summary, std::string advice) {
    return {state, std::move(summary), std::move(advice)};
}

PortAccess NotSerial(const std::string& path, const char* what) {
    return Result(PortState::NotSerial, "not a serial device",
                  path + " is " + what + ", not a serial device.\nChoose the port of the programming cable.");
}

std::string GroupName(gid_t gid) {
    const group* g = ::getgrgid(gid);
    return g ? g->gr_name : std::to_string(gid);
}

// Whether the user's account lists the group although this login does not
// carry it yet (added to the group, not yet logged in again).
bool AddedButNotActive(gid_t gid) {
    const passwd* pw = ::getpwuid(::geteuid());
    const group* g = ::getgrgid(gid);
    if (!pw || !g) return false;
    bool listed = false;
    for (char** m = g->gr_mem; m && *m; ++m) listed = listed || std::strcmp(*m, pw->pw_name) == 0;
    return listed;
}

PortAccess NoPermission(const std::string& path, const struct stat& st) {
    const bool groupMayUse = (st.st_mode & S_IRGRP) && (st.st_mode & S_IWGRP) && st.st_gid != 0;
    if (!groupMayUse)
        return Result(PortState::NoPermission, "permission denied",
                      path + ": permission denied.\nOnly its owner may use it; ask the administrator for access.");
    const std::string group = GroupName(st.st_gid);
    if (AddedButNotActive(st.st_gid))
        return Result(PortState::NoPermission, "permission denied (group " + group + ")",
                      path + ": permission denied.\nYou are in the group \"" + group +
                          "\", but this login is older than that: log out and in again.");
    return Result(PortState::NoPermission, "permission denied (group " + group + ")",
                  path + ": permission denied.\nThe device belongs to the group \"" + group +
                      "\". Add yourself to it with\n    sudo usermod -aG " + group +
                      " $USER\nthen log out and in again.");
}

PortAccess Busy(const std::string& path, const std::string& holder) {
    if (holder.empty())
        return Result(PortState::Busy, "busy",
                      path + " is busy: another program is using it.\nClose that program and try again.");
    return Result(PortState::Busy, "busy (" + holder + ")",
                  path + " is busy: " + holder + " is using it.\nClose that program and try again.");
}

}  // namespace

std::string PortLockHolder(const std::string& path) {
    std::vector<std::string> names = {LockName(path)};
    char resolved[4096];
    if (::realpath(path.c_str(), resolved) && LockName(resolved) != names[0]) names.push_back(LockName(resolved));
    for (const std::string& folder : LockFolders())
        for (const std::string& name : names) {
            std::string holder = HolderOf(folder + "/" + name);
            if (!holder.empty()) return holder;
        }
    return {};
}

PortAccess CheckPortAccess(const std::string& name, bool probeOpen) {
    const std::string path = PortPath(name);
    if (path.empty())
        return Result(PortState::Missing, "no such device",
                      "No serial device was found for this port.\nIs the programming cable plugged in?");
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno == EACCES) return Result(PortState::NoPermission, "permission denied", path + ": permission denied.");
        return Result(PortState::Missing, "no such device",
                      path + ": no such device.\nIs the programming cable plugged in?");
    }
    if (S_ISDIR(st.st_mode)) return NotSerial(path, "a folder");
    if (S_ISREG(st.st_mode)) return NotSerial(path, "a file");
    if (S_ISFIFO(st.st_mode)) return NotSerial(path, "a pipe");
    if (!S_ISCHR(st.st_mode)) return NotSerial(path, "not a character device");
    if (::access(path.c_str(), R_OK | W_OK) != 0) return NoPermission(path, st);

    const std::string holder = PortLockHolder(path);
    if (!holder.empty()) return Busy(path, holder);
    if (probeOpen) {
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            const int err = errno;
            if (err == EBUSY) return Busy(path, {});
            if (err == EACCES || err == EPERM) return NoPermission(path, st);
            if (err == ENXIO || err == ENODEV || err == ENOENT)
                return Result(PortState::Missing, "no such device",
                              path + ": no such device (it is gone).\nIs the programming cable plugged in?");
            return Result(PortState::Missing, std::strerror(err), path + ": " + std::strerror(err) + ".");
        }
        const bool terminal = ::isatty(fd) != 0;
        ::close(fd);
        if (!terminal) return NotSerial(path, "a device");
    }
    return Result(PortState::Usable, "yes", {});
}

}  // namespace vantrel::link
