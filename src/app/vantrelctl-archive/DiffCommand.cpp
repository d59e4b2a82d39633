// archive diff ID [ID2 | FILE.cpg]: what diff prints, between an entry and
// another entry, a data file, or the same radio's entry with an image before it.
#include <algorithm>
#include <cctype>

#include "Commands.h"
#include "vantrelctl/Commands.h"

namespace vantrelctl {

namespace {

using namespace vantrel::archive;

bool isNumber(const std::string& s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::optional<DiffSide> sideOf(const ArchiveEntry& e) {
    const auto bytes = ImageOf(e);
    if (!bytes) return std::nullopt;
    return DiffSide{EntryLabel(e), bytes};
}

}  // namespace

int ArchiveDiff(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kArchiveDiff, argc, argv, args)) return *done;
    const auto store = OpenChosenArchive();
    if (!store) return kExitFailure;
    int exit = 0;
    const auto entry = EntryNamed(*store, kArchiveDiff, args.operands()[0], exit);
    if (!entry) return exit;
    const auto side = sideOf(*entry);
    if (!side) return kExitFailure;

    if (args.operands().size() == 2) {
        const std::string& other = args.operands()[1];
        if (!isNumber(other)) return DiffCodeplugs(*side, {other, std::nullopt}, args.has("--json"));
        const auto second = EntryNamed(*store, kArchiveDiff, other, exit);
        if (!second) return exit;
        const auto secondSide = sideOf(*second);
        return secondSide ? DiffCodeplugs(*side, *secondSide, args.has("--json")) : kExitFailure;
    }
    // From the radio's entry before it to this one.
    if (entry->radio.serial.isEmpty()) return Fail(EntryLabel(*entry) + " names no radio: give a second entry or file");
    const auto before = store->previousImage(*entry);
    if (!before) {
        if (!store->error().isEmpty()) return Fail(store->error().toStdString());
        return Fail(EntryLabel(*entry) + " is the first image of radio " + entry->radio.serial.toStdString() +
                    ": there is nothing before it to compare with");
    }
    const auto beforeSide = sideOf(*before);
    return beforeSide ? DiffCodeplugs(*beforeSide, *side, args.has("--json")) : kExitFailure;
}

}  // namespace vantrelctl
