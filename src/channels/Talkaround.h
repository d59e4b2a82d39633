#pragma once
// The talkaround rule: a simplex channel (equal receive and transmit
// frequency texts and equal signalling texts in the grid) has talkaround off
// and its TA cell greyed; every other channel has it on.
#include <string_view>

#include "codeplug/CodeplugImage.h"

namespace vantrel {

struct ChannelPairTexts {
    std::string_view rxFrequency;  // grid column 1
    std::string_view rxSignal;     // column 2
    std::string_view txFrequency;  // column 5
    std::string_view txSignal;     // column 6
};

// Compared as texts, so two empty frequencies count as equal.
bool IsSimplex(const ChannelPairTexts& texts);

struct TalkaroundCell {
    const char* text;  // "Off" for a simplex channel, "On" otherwise
    bool grey;         // the TA cell editor leaves a grey cell unchanged
};

// Applies the rule to bit 1 of ChannelFlagsB and returns the TA cell.
TalkaroundCell UpdateTalkaround(CodeplugImage& image, int n, const ChannelPairTexts& texts);

}  // namespace vantrel
