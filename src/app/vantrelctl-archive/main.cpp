// vantrelctl-archive, run by vantrelctl for `archive ...` with vantrelctl's own
// arguments: the only program of the command line that loads Qt SQL.
#include <QCoreApplication>

#include "Commands.h"

namespace {

using namespace vantrelctl;

struct Body {
    const CommandSpec* command;
    int (*run)(int argc, char** argv);
};

const Body kBodies[] = {{&kArchiveRadios, ArchiveRadios}, {&kArchiveList, ArchiveList}, {&kArchiveShow, ArchiveShow},
                        {&kArchiveGet, ArchiveGet},       {&kArchiveDiff, ArchiveDiff}, {&kArchiveCheck, ArchiveCheck}};

int runBody(const CommandSpec& command, int argc, char** argv) {
    for (const Body& b : kBodies)
        if (b.command == &command) return b.run(argc, argv);
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv) {
    // The SQL drivers are plugins; the command line stays ours, not Qt's.
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    // vantrelctl hands over its arguments from "archive" on.
    return RunArchiveCommand(argc - 1, argv + 1, runBody);
}
