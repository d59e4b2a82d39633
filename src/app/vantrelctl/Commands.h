#pragma once
// vantrelctl's sub-commands, one file each. Each returns the process exit code.
namespace vantrelctl {

int CmdRead(int argc, char** argv);
int CmdWrite(int argc, char** argv);
int CmdCheck(int argc, char** argv);
int CmdShow(int argc, char** argv);
int CmdDiff(int argc, char** argv);
int CmdSimulate(int argc, char** argv);
int CmdReport(int argc, char** argv);

}  // namespace vantrelctl
