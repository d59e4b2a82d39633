#include "model/ByteChanges.h"

#include "codeplug/ByteMap.h"

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

}  // namespace vantrel
