// vantrelctl export FILE.cpg -o CHANNELS.csv: the data file's channels as a
// CHIRP channel list.
#include <cstdio>
#include <cstring>
#include <string>

#include "Commands.h"
#include "LinkCpgFile.h"
#include "shell/AtomicFile.h"
#include "shell/ChirpCsv.h"

namespace vantrelctl {

int CmdExport(int argc, char** argv) {
    const char* file = nullptr;
    const char* out = nullptr;
    bool bad = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-o") && i + 1 < argc) out = argv[++i];
        else if (argv[i][0] != '-' && !file) file = argv[i];
        else bad = true;
    }
    if (bad || !file || !out) {
        std::fprintf(stderr, "usage: vantrelctl export FILE.cpg -o CHANNELS.csv\n");
        return 2;
    }
    vantrel::AppState state;
    std::string error;
    if (!LoadCpgWithBand(state, file, error)) {
        std::fprintf(stderr, "vantrelctl: %s\n", error.c_str());
        return 1;
    }
    if (!vantrel::WriteFileAtomically(out, vantrel::ExportChirpCsv(state), &error)) {
        std::fprintf(stderr, "vantrelctl: %s: %s\n", out, error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace vantrelctl
