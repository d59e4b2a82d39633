#pragma once
// vantrelctl-link's commands, one file each, with the option tables vantrelctl
// checks them by before it hands over.
#include "cli/CommandLine.h"
#include "cli/LinkCommands.h"

namespace vantrelctl {

int CmdRead(int argc, char** argv);
int CmdWrite(int argc, char** argv);
int CmdSimulate(int argc, char** argv);
int CmdPorts(int argc, char** argv);
int CmdFleetWrite(int argc, char** argv);
int CmdFleetRead(int argc, char** argv);

}  // namespace vantrelctl
