// vantrelctl diff A.cpg B.cpg [--json]: what differs between two data files
// as the editor shows them after File > Open, field by field ("channel 3 Rx
// Freq. 462.56250 -> 462.55000"). Bytes that no field shows are compared
// too: files that differ only there are listed byte by byte, so "no
// differences" always means the editor would hold the same 384 bytes.
// Exit 0 when equal, 1 when different or unreadable, 2 on a usage error.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "JsonText.h"
#include "model/ByteChanges.h"
#include "model/CodeplugDiff.h"
#include "model/MessageLine.h"

namespace vantrelctl {

namespace {

using vantrel::FieldDifference;

// A data file opened as File > Open opens it in a freshly started editor.
struct Opened {
    vantrel::AppState state;
    vantrel::EditingModel model{state};
};

std::unique_ptr<Opened> open(const DiffSide& side) {
    const std::string& path = side.name;
    auto opened = std::make_unique<Opened>();
    opened->model.LoadEditor();
    const vantrel::Messages messages = side.bytes ? opened->model.LoadImage(vantrel::LoadKind::FileOpen, *side.bytes)
                                                  : opened->model.OpenDataFile(vantrel::LoadKind::FileOpen, path);
    if (opened->state.loadFailed) {
        for (const vantrel::Message& m : messages)
            Fail(path + ": " + vantrel::MessageLine(m));
        return nullptr;
    }
    for (const vantrel::Message& m : messages)
        std::fprintf(stderr, "vantrelctl diff: warning: %s: %s\n", path.c_str(), vantrel::MessageLine(m).c_str());
    return opened;
}

void printJson(const std::vector<FieldDifference>& fields, const std::vector<std::string>& bytes) {
    std::printf("{\n  \"equal\": %s,\n  \"fields\": [", fields.empty() && bytes.empty() ? "true" : "false");
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldDifference& d = fields[i];
        std::printf("%s\n    {\"section\": %s, \"name\": %s, \"a\": %s, \"b\": %s}", i ? "," : "",
                    JsonString(d.section).c_str(), JsonString(d.name).c_str(), JsonString(d.before).c_str(),
                    JsonString(d.after).c_str());
    }
    std::printf("%s],\n  \"bytes\": [", fields.empty() ? "" : "\n  ");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        std::printf("%s\n    %s", i ? "," : "", JsonString(bytes[i]).c_str());
    std::printf("%s]\n}\n", bytes.empty() ? "" : "\n  ");
}

}  // namespace

const CommandSpec kDiffCommand{
    "diff", "A.cpg B.cpg", 2,
    "Lists the fields that differ between two data files as the editor shows them; exit 1 when they differ.",
    {{"--json", nullptr, "print the differences as JSON"}}};

int CmdDiff(int argc, char** argv) {
    Args args;
    if (const auto done = ParseCommand(kDiffCommand, argc, argv, args)) return *done;
    return DiffCodeplugs({args.operands()[0], std::nullopt}, {args.operands()[1], std::nullopt}, args.has("--json"));
}

int DiffCodeplugs(const DiffSide& first, const DiffSide& second, bool json) {
    const std::unique_ptr<Opened> a = open(first);
    const std::unique_ptr<Opened> b = open(second);
    if (!a || !b) return kExitFailure;

    const std::vector<FieldDifference> fields = vantrel::CompareDisplayedFields(a->model, b->model);
    std::vector<std::string> bytes;
    if (fields.empty()) bytes = vantrel::ByteChanges(a->state.image, b->state.image);
    if (json) {
        printJson(fields, bytes);
    } else {
        for (const FieldDifference& d : fields) std::printf("%s\n", vantrel::DifferenceLine(d).c_str());
        for (const std::string& line : bytes) std::printf("%s\n", line.c_str());
    }
    return fields.empty() && bytes.empty() ? 0 : kExitFailure;
}

}  // namespace vantrelctl
