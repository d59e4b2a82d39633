// The reasons a serial port cannot be used, told without opening anything
// that could block.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "link/PortAccess.h"
#include "link/PortPath.h"

namespace vantrel::link {
namespace {

namespace fs = std::filesystem;

struct Pty {
    Pty() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master);
        ::unlockpt(master);
        path = ::ptsname(master);
    }
    ~Pty() { ::close(master); }
    int master;
    std::string path;
};

// A user outside the device's group is told the group and the command that
// puts them into it.
TEST(PortAccess, PermissionDeniedNamesTheGroupAndTheFix) {
    const group* dialout = ::getgrnam("dialout");
    if (!dialout) GTEST_SKIP() << "no dialout group on this system";
    Pty pty;
    ASSERT_EQ(::chown(pty.path.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(pty.path.c_str(), 0660), 0);

    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
        const PortAccess access = CheckPortAccess(pty.path, true);
        const std::string text = access.summary + "|" + access.advice;
        ::_exit(::write(out[1], text.data(), text.size()) == ssize_t(text.size()) &&
                        access.state == PortState::NoPermission
                    ? 0
                    : 1);
    }
    ::close(out[1]);
    int status = 0;
    ::waitpid(child, &status, 0);
    char buffer[1024] = {};
    const ssize_t n = ::read(out[0], buffer, sizeof buffer - 1);
    ::close(out[0]);
    const std::string text(buffer, n > 0 ? std::size_t(n) : 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << text;
    EXPECT_EQ(text, "permission denied (group dialout)|" + pty.path +
                        ": permission denied.\nThe device belongs to the group \"dialout\". Add yourself to it with\n"
                        "    sudo usermod -aG dialout $USER\nthen log out and in again.");
}

// A lock file counts only while the program that wrote it runs.
TEST(PortAccess, LockFileOfALiveProgramMakesThePortBusy) {
    char pattern[] = "/tmp/vantrel-locks-XXXXXX";
    const std::string locks = ::mkdtemp(pattern);
    const std::string oldTmp = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "";
    ::setenv("TMPDIR", locks.c_str(), 1);
    Pty pty;
    const std::string lock = locks + "/LCK.." + pty.path.substr(5).replace(3, 1, "_");   // pts/N -> pts_N

    const pid_t gone = ::fork();
    if (gone == 0) ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    std::ofstream(lock) << "     " << gone << "\n";
    EXPECT_EQ(CheckPortAccess(pty.path, true).state, PortState::Usable);

    std::ofstream(lock) << ::getpid() << "\nminicom\nhost\n";
    const PortAccess busy = CheckPortAccess(pty.path, false);
    EXPECT_EQ(busy.state, PortState::Busy);
    EXPECT_NE(busy.summary.find("process " + std::to_string(::getpid())), std::string::npos) << busy.summary;
    EXPECT_NE(busy.advice.find(" is busy: "), std::string::npos) << busy.advice;

    fs::remove_all(locks);
    if (oldTmp.empty()) ::unsetenv("TMPDIR"); else ::setenv("TMPDIR", oldTmp.c_str(), 1);
}

// A bare name is the file of that name in the current folder when there is
// one, else the device of that name under /dev, as the serial layer opens it.
TEST(PortAccess, BareNameIsTheFileInTheCurrentFolderElseTheDevice) {
    const fs::path folder = fs::temp_directory_path() / ("vantrel-portpath-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path before = fs::current_path();
    fs::current_path(folder);
    std::ofstream("L") << "not a radio";
    EXPECT_EQ(PortPath("L"), "./L");
    EXPECT_EQ(PortPath("ttyVantrelNone"), "/dev/ttyVantrelNone");
    EXPECT_EQ(PortPath("sub/L"), "sub/L");
    EXPECT_EQ(CheckPortAccess("L", true).advice, "./L is a file, not a serial device.\nChoose the port of the programming cable.");
    EXPECT_EQ(CheckPortAccess("ttyVantrelNone", true).summary, "no such device");
    fs::current_path(before);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vantrel::link
