#include "channels/ChannelOptions.h"

#include <array>

#include "channels/ChannelRecord.h"

namespace vantrel {
namespace {

struct ValueText {
    unsigned value;
    const char* text;
};

struct OptionField {
    ChannelOption option;
    std::size_t recordByte;
    unsigned shift;
    unsigned width;
    // Values with their texts; the first entry with a text is the value
    // written for it.
    std::array<ValueText, 4> texts;
    int textCount;
};

constexpr std::size_t kA = bytemap::RecChannelFlagsA;
constexpr std::size_t kB = bytemap::RecChannelFlagsB;

constexpr OptionField kFields[] = {
    {ChannelOption::Power, kA, 7, 1, {{{1, "H"}, {0, "L"}}}, 2},
    {ChannelOption::RxOnly, kA, 6, 1, {{{1, "On"}, {0, "Off"}}}, 2},
    {ChannelOption::Squelch, kA, 5, 1, {{{1, "Tight"}, {0, "Normal"}}}, 2},
    {ChannelOption::TurnOffCode, kA, 4, 1, {{{1, "On"}, {0, "Off"}}}, 2},
    // Bit 3 clear means no burst whatever bit 2 holds.
    {ChannelOption::ReverseBurst, kA, 2, 2, {{{0, "None"}, {2, "180"}, {3, "240"}, {1, "None"}}}, 4},
    // Mode 0 reads as mode 1.
    {ChannelOption::Mute, kA, 0, 2, {{{1, "1"}, {2, "2"}, {3, "3"}, {0, "1"}}}, 4},
    {ChannelOption::Bandwidth, kB, 7, 1, {{{1, "25"}, {0, "12.5"}}}, 2},
    {ChannelOption::TxDplInverted, kB, 6, 1, {}, 0},
    {ChannelOption::RxDplInverted, kB, 5, 1, {}, 0},
    {ChannelOption::Bclo, kB, 4, 1, {{{1, "On"}, {0, "Off"}}}, 2},
    {ChannelOption::Talkaround, kB, 1, 1, {{{1, "On"}, {0, "Off"}}}, 2},
};

const OptionField& field(ChannelOption option) {
    for (const OptionField& f : kFields)
        if (f.option == option) return f;
    return kFields[0];  // unreachable: every option has a row
}

std::size_t offset(int n, const OptionField& f) { return bytemap::channelRecord(n) + f.recordByte; }

}  // namespace

unsigned OptionValue(const CodeplugImage& image, int n, ChannelOption option) {
    const OptionField& f = field(option);
    return image.bits(offset(n, f), f.shift, f.width);
}

void SetOptionValue(CodeplugImage& image, int n, ChannelOption option, unsigned value) {
    const OptionField& f = field(option);
    if (option == ChannelOption::Power && HasFixedPower(image)) return;
    image.setBits(offset(n, f), f.shift, f.width, value);
}

std::string OptionText(const CodeplugImage& image, int n, ChannelOption option) {
    if (option == ChannelOption::Power && HasFixedPower(image)) return kFixedPowerText;
    const OptionField& f = field(option);
    const unsigned value = OptionValue(image, n, option);
    for (int i = 0; i < f.textCount; ++i)
        if (f.texts[i].value == value) return f.texts[i].text;
    return "";
}

bool SetOptionText(CodeplugImage& image, int n, ChannelOption option, std::string_view text) {
    const OptionField& f = field(option);
    for (int i = 0; i < f.textCount; ++i) {
        if (text == f.texts[i].text) {
            SetOptionValue(image, n, option, f.texts[i].value);
            return true;
        }
    }
    return false;
}

bool HasFixedPower(const CodeplugImage& image) {
    const std::uint8_t type = image.byte(bytemap::RadioType);
    return type == 5 || type == 7;
}

ChannelOption InversionOption(Side side) {
    return side == Side::Tx ? ChannelOption::TxDplInverted : ChannelOption::RxDplInverted;
}

}  // namespace vantrel
