#pragma once
// `vantrelctl archive ...`: the radio archive's commands. vantrelctl checks
// their arguments (and answers --help) before it runs vantrelctl-archive,
// which holds Qt SQL, so that no other command loads it.
#include "cli/CommandLine.h"

namespace vantrelctl {

extern const CommandSpec kArchiveCommand;
extern const CommandSpec kArchiveRadios;
extern const CommandSpec kArchiveList;
extern const CommandSpec kArchiveShow;
extern const CommandSpec kArchiveGet;
extern const CommandSpec kArchiveDiff;
extern const CommandSpec kArchiveCheck;

// argv[0] is "archive" (or the companion's path), argv[1] the sub-command:
// answers --help and usage errors, else returns run(sub-command's table,
// argc, argv): the sub-command's words stay, as for every two-word command).
using ArchiveRunner = int (*)(const CommandSpec& command, int argc, char** argv);
int RunArchiveCommand(int argc, char** argv, ArchiveRunner run);

constexpr const char* kArchiveProgram = "vantrelctl-archive";

}  // namespace vantrelctl
