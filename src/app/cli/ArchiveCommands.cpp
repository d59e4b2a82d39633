#include "cli/ArchiveCommands.h"

#include <cstdio>
#include <string>

namespace vantrelctl {

namespace {

const OptionSpec kJson{"--json", nullptr, "print JSON"};

const CommandSpec* const kSubCommands[] = {&kArchiveRadios, &kArchiveList, &kArchiveShow,
                                           &kArchiveGet,    &kArchiveDiff, &kArchiveCheck};

std::string subCommandNames() {
    std::string names;
    for (const CommandSpec* c : kSubCommands)
        names += std::string(names.empty() ? "" : ", ") + (std::string(c->name).substr(sizeof "archive"));
    return names;
}

}  // namespace

const CommandSpec kArchiveCommand{
    "archive", "radios|list|show|get|diff|check ...", 0,
    "Every read, write and verify kept by radio serial number: history, compare, restore.",
    {}};

const CommandSpec kArchiveRadios{
    "archive radios", "", 0, "Lists each radio in the archive: its model, its last entry and its number of entries.",
    {kJson}};

const CommandSpec kArchiveList{
    "archive list", "", 0, "Lists the archive's entries, newest first.",
    {
        {"--serial", "S", "only the entries of the radio with serial number S"},
        {"--since", "DATE", "only entries from DATE on (2026-12-01, or a UTC time 2026-12-01T08:00)"},
        kJson,
    }};

const CommandSpec kArchiveShow{
    "archive show", "ID", 1, "Prints an entry's facts and what show prints for its image.", {kJson}};

const CommandSpec kArchiveGet{
    "archive get", "ID", 1, "Writes an entry's exact image into a data file.",
    {{"-o", "FILE.cpg", "the data file to write", true}}};

const CommandSpec kArchiveDiff{
    "archive diff", "ID [ID2|FILE.cpg]", 1,
    "Lists the fields that differ, as diff does, between an entry and another entry, a data file, or (without "
    "one) the same radio's entry before it; exit 1 when they differ.",
    {{"--json", nullptr, "print the differences as JSON"}}, 2};

const CommandSpec kArchiveCheck{
    "archive check", "", 0,
    "Runs the database's integrity check and checks every image against its SHA-256; exit 1 with the entries "
    "that fail.",
    {}};

int RunArchiveCommand(int argc, char** argv, ArchiveRunner run) {
    if (argc < 2) return UsageError(kArchiveCommand, "missing sub-command (" + subCommandNames() + ")");
    const std::string sub = argv[1];
    if (sub == "--help" || sub == "-h") {
        std::printf("usage: %s\n%s\n\nsub-commands:\n", Synopsis(kArchiveCommand).c_str(), kArchiveCommand.summary);
        for (const CommandSpec* c : kSubCommands) std::printf("  %s\n      %s\n", Synopsis(*c).c_str(), c->summary);
        std::printf("\nThe archive is $XDG_DATA_HOME/Vantrel CPS/archive.sqlite unless VANTREL_ARCHIVE (or the\n"
                    "setting Archive/Location) names another SQLite file, a postgresql:// URL, or off.\n");
        return 0;
    }
    for (const CommandSpec* c : kSubCommands)
        if (std::string(c->name) == "archive " + sub) return run(*c, argc, argv);
    return UsageError(kArchiveCommand, "unknown sub-command '" + sub + "' (" + subCommandNames() + ")");
}

}  // namespace vantrelctl
