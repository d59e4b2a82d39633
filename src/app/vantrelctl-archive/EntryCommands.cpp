// archive show and archive get: one entry's facts and image.
#include <cstdio>

#include "Commands.h"
#include "cli/CpgFiles.h"
#include "vantrelctl/Commands.h"
#include "vantrelctl/JsonText.h"

namespace vantrelctl {

namespace {

using namespace vantrel::archive;

struct Fact {
    const char* label;
    const char* key;
    QString text;
};

std::vector<Fact> factsOf(const ArchiveEntry& e) {
    return {
        {"Super Number", "superNumber", e.radio.superNumber},
        {"Firmware Version", "firmwareVersion", e.radio.firmwareVersion},
        {"Codeplug Version", "codeplugVersion", e.radio.codeplugVersion},
        {"SHA-256", "sha256", e.sha256},
        {"Program Version", "programVersion", e.programVersion},
        {"User", "user", e.user},
        {"Host", "host", e.host},
        {"Entry UUID", "uuid", e.uuid},
    };
}

void printText(const ArchiveEntry& e) {
    const std::string serial =
        e.radio.serial.isEmpty() ? "(none)" : e.radio.serial.toStdString() + (e.serialFromFile ? " (taken from the written file)" : "");
    const std::vector<std::pair<std::string, std::string>> lines = {
        {"Entry", std::to_string(e.id)},
        {"Time (UTC)", TimeText(e.time)},
        {"Operation", OperationName(e.operation)},
        {"Outcome", e.outcome.toStdString()},
        {"Port", e.port.toStdString()},
        {"Device", e.device.toStdString()},
        {"Filed under serial", serial},
        {"Model", e.radio.modelNumber.toStdString()},
    };
    for (const auto& [label, text] : lines) std::printf("%-22s %s\n", (label + ":").c_str(), text.c_str());
    for (const Fact& f : factsOf(e))
        std::printf("%-22s %s\n", (std::string(f.label) + ":").c_str(), f.text.toStdString().c_str());
}

}  // namespace

int ArchiveShow(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kArchiveShow, argc, argv, args)) return *done;
    const auto store = OpenChosenArchive();
    if (!store) return kExitFailure;
    int exit = 0;
    const auto entry = EntryNamed(*store, kArchiveShow, args.operands().front(), exit);
    if (!entry) return exit;
    const bool json = args.has("--json");
    // An entry without an image (a failed transfer) still has its facts.
    std::optional<vantrel::CodeplugImage::Bytes> image;
    if (!entry->image.isEmpty() && !(image = ImageOf(*entry))) exit = kExitFailure;
    if (json) {
        std::printf("{\n  \"entry\": {%s", EntryJsonMembers(*entry).c_str());
        for (const Fact& f : factsOf(*entry)) std::printf(", \"%s\": %s", f.key, JsonString(f.text.toStdString()).c_str());
        std::printf("},\n  \"image\": ");
        if (image) ShowImage("archive entry " + std::to_string(entry->id), *image, true);
        else std::printf("null\n");
        std::printf("}\n");
        return exit;
    }
    printText(*entry);
    if (image) {
        std::printf("\n");
        ShowImage("archive entry " + std::to_string(entry->id), *image, false);
    }
    return exit;
}

int ArchiveGet(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kArchiveGet, argc, argv, args)) return *done;
    const std::string output = args.value("-o");
    const auto store = OpenChosenArchive();
    if (!store) return kExitFailure;
    int exit = 0;
    const auto entry = EntryNamed(*store, kArchiveGet, args.operands().front(), exit);
    if (!entry) return exit;
    const auto bytes = ImageOf(*entry);
    if (!bytes) return kExitFailure;
    vantrel::CodeplugImage image;
    image.replaceAll(*bytes);
    std::string error;
    if (!SaveCpgExactly(image, output, error)) return Fail(error);
    std::fprintf(stderr, "%s written to %s\n", EntryLabel(*entry).c_str(), output.c_str());
    return 0;
}

}  // namespace vantrelctl
