// vantrelctl import FILE.cpg CHANNELS.csv -o OUT.cpg: a CHIRP channel list
// brought into a data file as the editor would take it: the file is opened
// in the editing model and every row goes through the model's edits. Rows the radio
// cannot hold are listed on stderr and make the exit code 1; the others are
// imported all the same. A closing line on stdout counts both.
#include <cstdio>
#include <optional>
#include <string>

#include "Commands.h"
#include "base/RegularFile.h"
#include "cli/CpgFiles.h"
#include "codeplug/ByteMap.h"
#include "codeplug/FactoryFields.h"
#include "model/MessageLine.h"
#include "shell/ChirpCsv.h"

namespace vantrelctl {

namespace {

// A channel list of a radio with a thousand memories is some 100 KB; a
// folder, a pipe or a device in its place must not be read at all.
constexpr std::size_t kCsvLimit = 1 << 20;

// "1".."16"; the radio's own channel count is checked by the import.
std::optional<int> channelNumber(const std::string& text) {
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    const int n = std::stoi(text);
    if (n < 1 || n > static_cast<int>(vantrel::bytemap::MaxChannels)) return std::nullopt;
    return n;
}

}  // namespace

const CommandSpec kImportCommand{
    "import", "FILE.cpg CHANNELS.csv", 2,
    "Brings a CHIRP channel list (CSV) into a data file, each row as typed into the editor.",
    {
        {"-o", "OUT.cpg", "the data file to write; rows left out are listed and exit with 1", true},
        {"--first-channel", "N",
         "fill the channels from N on in the list's order, skipping rows the radio cannot take "
         "(default: the list's channel numbers)"},
    }};

int CmdImport(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kImportCommand, argc, argv, args)) return *done;
    const std::string& file = args.operands()[0];
    const std::string& csv = args.operands()[1];
    const std::string output = args.value("-o");
    std::optional<int> firstChannel;
    if (args.has("--first-channel")) {
        firstChannel = channelNumber(args.value("--first-channel"));
        if (!firstChannel)
            return UsageError(kImportCommand, "--first-channel takes a channel number from 1 to " +
                                                  std::to_string(vantrel::bytemap::MaxChannels));
    }

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

    const vantrel::ChirpImport result = vantrel::ImportChirpCsv(list.contents, model, firstChannel);
    if (!result.error.empty()) return Fail(csv + ": " + result.error);
    for (const vantrel::SkippedRow& row : result.skipped)
        std::fprintf(stderr, "left out: %s\n", vantrel::SkippedRowText(row).c_str());
    if (result.namesDropped)
        std::fprintf(stderr, "vantrelctl import: warning: %s: %s\n", csv.c_str(), vantrel::kNamesNotKept);
    std::string error;
    if (!SaveCpgExactly(state.image, output, error)) return Fail(error);
    std::printf("%s\n", vantrel::ImportSummary(result).c_str());
    return result.skipped.empty() ? 0 : kExitFailure;
}

}  // namespace vantrelctl
