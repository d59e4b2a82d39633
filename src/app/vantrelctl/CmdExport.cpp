// vantrelctl export FILE.cpg -o CHANNELS.csv: the data file's channels as a
// CHIRP channel list: a file replaced whole, or a stream (-, a pipe, a device).
#include <string>

#include "Commands.h"
#include "base/AtomicFile.h"
#include "base/OutputFile.h"
#include "cli/CpgFiles.h"
#include "shell/ChirpCsv.h"

namespace vantrelctl {

const CommandSpec kExportCommand{
    "export", "FILE.cpg", 1, "Writes the channels of a data file as a CHIRP channel list (CSV).",
    {
        {"-o", "CHANNELS.csv", "the channel list to write (- for standard output)", true},
    }};

int CmdExport(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kExportCommand, argc, argv, args)) return *done;
    const std::string output = args.value("-o");

    vantrel::AppState state;
    std::string error;
    if (!LoadCpgWithBand(state, args.operands().front(), error)) return Fail(error);
    if (!vantrel::WriteOutput(output, vantrel::ExportChirpCsv(state), &error))
        return Fail("cannot write '" + output + "': " + error);
    return 0;
}

}  // namespace vantrelctl
