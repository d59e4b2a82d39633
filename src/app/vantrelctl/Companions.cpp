// The commands that run in a companion program: `report` in
// vantrelctl-report (the printing, Qt Gui), read, write, simulate, ports and fleet in
// vantrelctl-link (the serial layer, Qt Core), `archive` in vantrelctl-archive
// (Qt SQL). vantrelctl itself loads no Qt,
// so show, check, diff, export and import start as a plain program does.
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <vector>

#include "Commands.h"
#include "cli/ArchiveCommands.h"
#include "cli/LinkCommands.h"
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

// Checks the arguments here (--help, usage errors), then runs the command
// in `program` with the same arguments, standard streams and process.
int RunCompanion(const CommandSpec& command, const char* program, int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(command, argc, argv, args)) return *done;

    // Beside vantrelctl in the build tree, in the libexec folder once installed.
    const std::string folder = ProgramFolder();
    const std::string places[] = {folder + "/" + program, folder + "/" VANTRELCTL_LIBEXEC_FROM_BIN "/" + program};
    std::vector<char*> arguments{nullptr};
    arguments.insert(arguments.end(), argv, argv + argc);
    arguments.push_back(nullptr);
    int error = ENOENT;
    for (const std::string& path : places) {
        arguments[0] = const_cast<char*>(path.c_str());
        ::execv(path.c_str(), arguments.data());
        if (errno != ENOENT) error = errno;
    }
    return Fail(std::string("cannot run ") + program + ": " + SystemError(error) + " (looked in " + folder + " and " +
                folder + "/" VANTRELCTL_LIBEXEC_FROM_BIN ")");
}

}  // namespace

int CmdReport(int argc, char** argv) { return RunCompanion(kReportCommand, kReportProgram, argc, argv); }
int CmdRead(int argc, char** argv) { return RunCompanion(kReadCommand, kLinkProgram, argc, argv); }
int CmdWrite(int argc, char** argv) { return RunCompanion(kWriteCommand, kLinkProgram, argc, argv); }
int CmdSimulate(int argc, char** argv) { return RunCompanion(kSimulateCommand, kLinkProgram, argc, argv); }
int CmdPorts(int argc, char** argv) { return RunCompanion(kPortsCommand, kLinkProgram, argc, argv); }
int CmdFleetWrite(int argc, char** argv) { return RunCompanion(kFleetWriteCommand, kLinkProgram, argc, argv); }
int CmdFleetRead(int argc, char** argv) { return RunCompanion(kFleetReadCommand, kLinkProgram, argc, argv); }
int CmdArchive(int argc, char** argv) {
    return RunArchiveCommand(argc, argv, [](const CommandSpec& sub, int subArgc, char** subArgv) {
        return RunCompanion(sub, kArchiveProgram, subArgc, subArgv);
    });
}

}  // namespace vantrelctl
