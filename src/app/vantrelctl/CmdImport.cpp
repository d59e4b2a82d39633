// vantrelctl import FILE.cpg CHANNELS.csv -o OUT.cpg: a CHIRP channel list
// brought into a data file as the editor would take it. Rows the radio
// cannot hold are listed on stderr and make the exit code 1; the others are
// imported all the same.
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "Commands.h"
#include "LinkCpgFile.h"
#include "shell/ChirpCsv.h"

namespace vantrelctl {

namespace {

bool readWholeFile(const std::string& path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream data;
    data << in.rdbuf();
    contents = data.str();
    return !in.bad();
}

}  // namespace

const CommandSpec kImportCommand{
    "import", "FILE.cpg CHANNELS.csv", 2,
    "Brings a CHIRP channel list (CSV) into a data file, each row as typed into the editor.",
    {
        {"-o", "OUT.cpg", "the data file to write; rows left out are listed and exit with 1", true},
    }};

int CmdImport(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kImportCommand, argc, argv, args)) return *done;
    const std::string& csv = args.operands()[1];
    const std::string output = args.value("-o");

    vantrel::AppState state;
    std::string error;
    if (!LoadCpgWithBand(state, args.operands()[0], error)) return Fail(error);
    std::string text;
    if (!readWholeFile(csv, text)) return Fail("cannot read '" + csv + "': " + SystemError(errno));
    vantrel::ImageChannelEdits edits(state);
    const vantrel::ChirpImport result = vantrel::ImportChirpCsv(text, state, edits);
    if (!result.error.empty()) return Fail(csv + ": " + result.error);
    for (const vantrel::SkippedRow& row : result.skipped)
        std::fprintf(stderr, "left out: %s\n", vantrel::SkippedRowText(row).c_str());
    if (!SaveCpgExactly(state.image, output, error)) return Fail(error);
    return result.skipped.empty() ? 0 : kExitFailure;
}

}  // namespace vantrelctl
