#pragma once
// The option fields of ChannelFlagsA (record byte 8) and ChannelFlagsB
// (record byte 9) and the texts the grid shows for them.
#include <string>
#include <string_view>

#include "channels/ChannelRecord.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel {

enum class ChannelOption {
    Power,          // A bit 7: "H" / "L"
    RxOnly,         // A bit 6: "On" / "Off"
    Squelch,        // A bit 5: "Tight" / "Normal"
    TurnOffCode,    // A bit 4: "On" / "Off" (DPL turn-off code)
    ReverseBurst,   // A bits 3-2: "None" / "180" / "240"
    Mute,           // A bits 1-0: "1" / "2" / "3"
    Bandwidth,      // B bit 7: "25" / "12.5"
    TxDplInverted,  // B bit 6 (no text)
    RxDplInverted,  // B bit 5 (no text)
    Bclo,           // B bit 4: "On" / "Off"
    Talkaround,     // B bit 1: "On" / "Off"
};

unsigned OptionValue(const CodeplugImage& image, int n, ChannelOption option);
void SetOptionValue(CodeplugImage& image, int n, ChannelOption option, unsigned value);

// The grid text of the field's current value ("" for the inversion bits).
std::string OptionText(const CodeplugImage& image, int n, ChannelOption option);

// Writes the value shown as `text`; false (nothing written) when the field
// has no such text. Mute "1" writes 1 and reverse burst "None" writes 0.
bool SetOptionText(CodeplugImage& image, int n, ChannelOption option, std::string_view text);

// Radios of RadioType 5 or 7 have no power switching: the grid shows "2W"
// and the power bit is never changed.
bool HasFixedPower(const CodeplugImage& image);
inline constexpr const char* kFixedPowerText = "2W";

// The receive or transmit DPL inversion bit of a side.
ChannelOption InversionOption(Side side);

}  // namespace vantrel
