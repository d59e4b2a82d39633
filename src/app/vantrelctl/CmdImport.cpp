// vantrelctl import FILE.cpg CHANNELS.csv -o OUT.cpg: a CHIRP channel list
// brought into a data file as the editor would take it. Rows the radio
// cannot hold are listed on stderr and make the exit code 1; the others are
// imported all the same.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

#include "Commands.h"
#include "LinkCpgFile.h"
#include "shell/ChirpCsv.h"

namespace vantrelctl {

namespace {

bool readWholeFile(const char* path, std::string& contents) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream data;
    data << in.rdbuf();
    contents = data.str();
    return !in.bad();
}

}  // namespace

int CmdImport(int argc, char** argv) {
    const char* file = nullptr;
    const char* csv = nullptr;
    const char* out = nullptr;
    bool bad = false;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "-o") && i + 1 < argc) out = argv[++i];
        else if (argv[i][0] != '-' && !file) file = argv[i];
        else if (argv[i][0] != '-' && !csv) csv = argv[i];
        else bad = true;
    }
    if (bad || !file || !csv || !out) {
        std::fprintf(stderr, "usage: vantrelctl import FILE.cpg CHANNELS.csv -o OUT.cpg\n");
        return 2;
    }
    vantrel::AppState state;
    std::string error;
    if (!LoadCpgWithBand(state, file, error)) {
        std::fprintf(stderr, "vantrelctl: %s\n", error.c_str());
        return 1;
    }
    std::string text;
    if (!readWholeFile(csv, text)) {
        std::fprintf(stderr, "vantrelctl: %s: %s\n", csv, std::strerror(errno));
        return 1;
    }
    vantrel::ImageChannelEdits edits(state);
    const vantrel::ChirpImport result = vantrel::ImportChirpCsv(text, state, edits);
    if (!result.error.empty()) {
        std::fprintf(stderr, "vantrelctl: %s: %s\n", csv, result.error.c_str());
        return 1;
    }
    for (const vantrel::SkippedRow& row : result.skipped)
        std::fprintf(stderr, "left out: %s\n", vantrel::SkippedRowText(row).c_str());
    if (!SaveCpgExactly(state.image, out, error)) {
        std::fprintf(stderr, "vantrelctl: %s\n", error.c_str());
        return 1;
    }
    return result.skipped.empty() ? 0 : 1;
}

}  // namespace vantrelctl
