#pragma once
// vantrelctl's sub-commands, one file each: its options table and its body,
// which returns the process exit code. read, write, simulate, ports and report
// check their arguments and hand over to a companion program (Companions.cpp).
#include <optional>
#include <string>

#include "cli/CommandLine.h"
#include "cli/LinkCommands.h"
#include "codeplug/CodeplugImage.h"

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
int CmdArchive(int argc, char** argv);

// The bodies of show and diff, also run by `archive show` and `archive diff`
// on archived images. `file` names the image in messages and in the JSON.
int ShowImage(const std::string& file, const vantrel::CodeplugImage::Bytes& bytes, bool json);
// A codeplug to compare: a data file, or bytes when given.
struct DiffSide {
    std::string name;
    std::optional<vantrel::CodeplugImage::Bytes> bytes;
};
int DiffCodeplugs(const DiffSide& a, const DiffSide& b, bool json);

}  // namespace vantrelctl
