#pragma once
// vantrelctl's sub-commands, one file each: its options table and its body,
// which returns the process exit code.
#include "cli/CommandLine.h"

namespace vantrelctl {

extern const CommandSpec kReadCommand;
extern const CommandSpec kWriteCommand;
extern const CommandSpec kCheckCommand;
extern const CommandSpec kShowCommand;
extern const CommandSpec kSimulateCommand;
extern const CommandSpec kPortsCommand;

int CmdRead(int argc, char** argv);
int CmdWrite(int argc, char** argv);
int CmdCheck(int argc, char** argv);
int CmdShow(int argc, char** argv);
int CmdSimulate(int argc, char** argv);
int CmdReport(int argc, char** argv);
int CmdPorts(int argc, char** argv);

}  // namespace vantrelctl
