#include "model/EditorPaths.h"

#include "codeplug/ByteMap.h"
#include "codeplug/FactoryFields.h"

namespace vantrel {

namespace bm = bytemap;

namespace {

struct NamedByte {
    std::size_t offset;
    const char* name;
};

// Single-byte fields a correction is named by.
constexpr NamedByte kNamedBytes[] = {
    {bm::ChannelCount, "ChannelCount"},     {bm::RadioType, "RadioType"},
    {bm::OptionFlags, "OptionFlags"},       {bm::TotTime, "TotTime"},
    {bm::ScanSpeedTime, "ScanSpeedTime"},   {bm::ScanDelayTime, "ScanDelayTime"},
    {bm::LookBackTime, "LookBackTime"},     {bm::TotPenaltyTime, "TotPenaltyTime"},
    {bm::PrioScanChNo, "PrioScanChNo"},     {bm::PasswordLength, "PasswordLength"},
    {bm::ModelIndex, "ModelIndex"},         {bm::ButtonCodeS1, "ButtonCodeS1"},
    {bm::ButtonCodeL1, "ButtonCodeL1"},     {bm::ButtonCodeS2, "ButtonCodeS2"},
    {bm::ButtonCodeL2, "ButtonCodeL2"},     {bm::SerialWriteEnable, "SerialWriteEnable"},
    {bm::PasswordLengthCopy, "PasswordLengthCopy"},
};

}  // namespace

PathReport OpenForWrite(EditingModel& model, const std::string& path) {
    PathReport report;
    report.opening = model.OpenDataFile(LoadKind::FileOpen, path);
    if (model.state().loadFailed) {
        report.refused = true;
        return report;
    }
    if (codeplugProtected(model.image())) model.UnlockProtected();
    EditResult checks = model.CheckBeforeWrite();
    report.writing = checks.messages;
    report.refused = !checks.ok;
    if (checks.ok) model.PrepareForWrite();
    return report;
}

link::WriteSteps ModelWriteSteps(EditingModel& model) {
    link::WriteSteps steps;
    steps.storePassword = [&model](AppState&) { model.StorePassword(); };
    steps.encodeUserTones = [&model](CodeplugImage&) { model.EncodeUserTones(); };
    return steps;
}

std::vector<std::string> ByteChanges(const CodeplugImage& before, const CodeplugImage& after) {
    std::vector<std::string> out;
    for (std::size_t n = 0; n < bm::kImageSize; ++n) {
        if (before.byte(n) == after.byte(n)) continue;
        std::string line = "byte " + std::to_string(n);
        for (const NamedByte& b : kNamedBytes)
            if (b.offset == n) line += std::string(" (") + b.name + ")";
        out.push_back(line + ": " + std::to_string(before.byte(n)) + " -> " + std::to_string(after.byte(n)));
    }
    return out;
}

std::string MessageLine(const Message& m) {
    std::string out;
    std::size_t start = 0;
    while (start <= m.text.size()) {
        std::size_t end = m.text.find('\n', start);
        if (end == std::string::npos) end = m.text.size();
        std::string part = m.text.substr(start, end - start);
        const auto first = part.find_first_not_of(" \r");
        if (first != std::string::npos) {
            part = part.substr(first, part.find_last_not_of(" \r") - first + 1);
            out += (out.empty() ? "" : " ") + part;
        }
        start = end + 1;
    }
    return out;
}

}  // namespace vantrel
