// vantrelctl check: what the editor would show on opening a data file and on
// writing it, and every byte it would change on the way; exit 1 when the
// editor would refuse the write.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "PathReportPrint.h"
#include "shell/CodeplugFile.h"

namespace vantrelctl {

int CmdCheck(int argc, char** argv) {
    if (argc != 2 || std::string(argv[1]).rfind("--", 0) == 0) {
        std::fprintf(stderr, "usage: vantrelctl check FILE.cpg\n");
        return 2;
    }
    const std::string file = argv[1];
    vantrel::AppState state;
    vantrel::EditingModel model(state);
    model.LoadEditor();
    vantrel::CodeplugImage asFiled;
    vantrel::CopyToBox(asFiled, file);
    const vantrel::PathReport report = vantrel::OpenForWrite(model, file);
    PrintPathReport("check", report, state.loadFailed);
    if (report.refused) return 1;
    // The write's own steps run in the exchange: the password box and the
    // user tones, before the bytes go out.
    model.StorePassword();
    model.EncodeUserTones();
    for (const std::string& change : vantrel::ByteChanges(asFiled, state.image))
        std::fprintf(stdout, "corrected %s\n", change.c_str());
    std::fprintf(stdout, "%s: the editor would write this file\n", file.c_str());
    return 0;
}

}  // namespace vantrelctl
