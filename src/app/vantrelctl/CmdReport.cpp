// vantrelctl report: runs vantrelctl-report, which holds the printing, so
// that no other command loads Qt Gui or the printing libraries.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "Commands.h"
#include "cli/ReportCommand.h"

namespace vantrelctl {

namespace {

// The folder of this program, through /proc so that a link to it still
// finds its companions.
std::string ProgramFolder() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    const std::string self(path, static_cast<std::size_t>(n));
    return self.substr(0, self.rfind('/'));
}

}  // namespace

int CmdReport(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kReportCommand, argc, argv, args)) return *done;

    // Beside vantrelctl in the build tree, in the libexec folder once installed.
    const std::string folder = ProgramFolder();
    const std::string places[] = {folder + "/" + kReportProgram,
                                  folder + "/" VANTRELCTL_REPORT_FROM_BIN "/" + kReportProgram};
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    int error = ENOENT;
    for (const std::string& program : places) {
        arguments[0] = const_cast<char*>(program.c_str());
        ::execv(program.c_str(), arguments.data());
        if (errno != ENOENT) error = errno;
    }
    return Fail(std::string("cannot run ") + kReportProgram + ": " + SystemError(error) + " (looked in " + folder +
                " and " + folder + "/" VANTRELCTL_REPORT_FROM_BIN ")");
}

}  // namespace vantrelctl
