// vantrelctl check: what the editor would show on opening a data file and on
// writing it, and every byte it would change on the way; exit 1 when the
// editor would refuse the write.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "cli/PathReportPrint.h"
#include "codeplug/CodeplugFile.h"
#include "model/ByteChanges.h"

namespace vantrelctl {

const CommandSpec kCheckCommand{
    "check", "FILE.cpg", 1,
    "Shows what the editor would say on opening a data file and writing it, and what it would correct.",
    {}};

int CmdCheck(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kCheckCommand, argc, argv, args)) return *done;
    const std::string file = args.operands().front();
    vantrel::AppState state;
    vantrel::EditingModel model(state);
    const std::optional<vantrel::CodeplugImage> asFiled = OpenForWriteCommand("check", model, file);
    if (!asFiled) return kExitFailure;
    // The write's own editor steps run inside the exchange: the password box
    // and the user tones, before the bytes go out.
    model.StorePassword();
    model.EncodeUserTones();
    for (const std::string& change : vantrel::ByteChanges(*asFiled, state.image))
        std::printf("corrected %s\n", change.c_str());
    std::printf("%s: the editor would write this file\n", file.c_str());
    return 0;
}

}  // namespace vantrelctl
