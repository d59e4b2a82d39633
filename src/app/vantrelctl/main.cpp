// vantrelctl: the command-line side of Vantrel CPS.
#include <cstdio>
#include <cstring>

#include "Commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(int, char**);
    const char* usage;
};

const Command kCommands[] = {
    {"read", vantrelctl::CmdRead, "read --port DEVICE -o FILE.cpg"},
    {"write", vantrelctl::CmdWrite, "write --port DEVICE FILE.cpg [--password TEXT] [--verify]"},
    {"check", vantrelctl::CmdCheck, "check FILE.cpg"},
    {"show", vantrelctl::CmdShow, "show FILE.cpg [--json]"},
    {"diff", vantrelctl::CmdDiff, "diff A.cpg B.cpg [--json]"},
    {"simulate", vantrelctl::CmdSimulate, "simulate --image FILE.cpg --link PATH [options]"},
    {"report", vantrelctl::CmdReport, "report FILE.cpg -o REPORT.pdf [--twips] [--page PAGE.bmp]"},
};

int usage(FILE* out) {
    std::fprintf(out, "usage:\n");
    for (const auto& c : kCommands) std::fprintf(out, "  vantrelctl %s\n", c.usage);
    return out == stderr ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage(stderr);
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) return usage(stdout);
    for (const auto& c : kCommands)
        if (!std::strcmp(argv[1], c.name)) return c.run(argc - 1, argv + 1);
    std::fprintf(stderr, "vantrelctl: unknown command '%s'\n", argv[1]);
    return usage(stderr);
}
