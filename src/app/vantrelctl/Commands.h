#pragma once
// vantrelctl's sub-commands, one file each: its options table and its body,
// which returns the process exit code. read, write, simulate, ports and report
// check their arguments and hand over to a companion program (Companions.cpp).
#include "cli/CommandLine.h"
#include "cli/LinkCommands.h"

namespace vantrelctl {

extern const CommandSpec kCheckCommand;
extern const CommandSpec kShowCommand;
extern const CommandSpec kDiffCommand;
extern const CommandSpec kExportCommand;
extern const CommandSpec kImportCommand;

int CmdRead(int argc, char** argv);
int CmdWrite(int argc, char** argv);
int CmdCheck(int argc, char** argv);
int CmdShow(int argc, char** argv);
int CmdDiff(int argc, char** argv);
int CmdSimulate(int argc, char** argv);
int CmdReport(int argc, char** argv);
int CmdPorts(int argc, char** argv);
int CmdExport(int argc, char** argv);
int CmdImport(int argc, char** argv);
int CmdFleetWrite(int argc, char** argv);
int CmdFleetRead(int argc, char** argv);

}  // namespace vantrelctl
