// vantrelctl import FILE.cpg CHANNELS.csv -o OUT.cpg: a CHIRP channel list
// brought into a data file as the editor would take it: the file is opened
// in the editing model and every row goes through the model's edits. Rows the radio
// cannot hold are listed on stderr and make the exit code 1; the others are
// imported all the same.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "cli/CpgFiles.h"
#include "codeplug/FactoryFields.h"
#include "model/MessageLine.h"
#include "shell/ChirpCsv.h"
#include "base/RegularFile.h"

namespace vantrelctl {

namespace {

// A channel list of a radio with a thousand memories is some 100 KB; a
// folder, a pipe or a device in its place must not be read at all.
constexpr std::size_t kCsvLimit = 1 << 20;

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
    const std::string& file = args.operands()[0];
    const std::string& csv = args.operands()[1];
    const std::string output = args.value("-o");

    // The data file as File > Open puts it in a freshly started editor; a
    // protected one is unlocked as by its right password.
    vantrel::AppState state;
    vantrel::EditingModel model(state);
    model.LoadEditor();
    const vantrel::Messages opening = model.OpenDataFile(vantrel::LoadKind::FileOpen, file);
    for (const vantrel::Message& m : opening) {
        if (state.loadFailed) return Fail(file + ": " + vantrel::MessageLine(m));
        std::fprintf(stderr, "vantrelctl import: warning: %s: %s\n", file.c_str(), vantrel::MessageLine(m).c_str());
    }
    if (state.loadFailed) return Fail(file + ": cannot be opened");
    if (vantrel::codeplugProtected(state.image)) model.UnlockProtected();

    const vantrel::RegularFileRead list = vantrel::ReadRegularFile(csv, kCsvLimit);
    if (list.status == vantrel::RegularFileRead::Status::TooLong)
        return Fail("cannot read '" + csv + "': it is too long for a channel list (over 1 MiB)");
    if (list.status != vantrel::RegularFileRead::Status::Ok) return Fail("cannot read '" + csv + "': " + list.reason);

    const vantrel::ChirpImport result = vantrel::ImportChirpCsv(list.contents, model);
    if (!result.error.empty()) return Fail(csv + ": " + result.error);
    for (const vantrel::SkippedRow& row : result.skipped)
        std::fprintf(stderr, "left out: %s\n", vantrel::SkippedRowText(row).c_str());
    std::string error;
    if (!SaveCpgExactly(state.image, output, error)) return Fail(error);
    return result.skipped.empty() ? 0 : kExitFailure;
}

}  // namespace vantrelctl
