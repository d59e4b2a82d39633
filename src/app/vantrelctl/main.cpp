// vantrelctl: the command-line side of Vantrel CPS.
#include "Commands.h"
#include "cli/ArchiveCommands.h"
#include "cli/ReportCommand.h"

int main(int argc, char** argv) {
    using namespace vantrelctl;
    return RunCommandLine({{&kReadCommand, CmdRead},
                           {&kWriteCommand, CmdWrite},
                           {&kCheckCommand, CmdCheck},
                           {&kShowCommand, CmdShow},
                           {&kDiffCommand, CmdDiff},
                           {&kSimulateCommand, CmdSimulate},
                           {&kReportCommand, CmdReport},
                           {&kPortsCommand, CmdPorts},
                           {&kFleetWriteCommand, CmdFleetWrite},
                           {&kFleetReadCommand, CmdFleetRead},
                           {&kExportCommand, CmdExport},
                           {&kImportCommand, CmdImport},
                           {&kArchiveCommand, CmdArchive}},
                          argc, argv);
}
