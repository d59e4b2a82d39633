#pragma once
// The grid text of a channel side's signalling code.
#include <optional>
#include <string>

#include "channels/ChannelRecord.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel {

// " CSQ", " TPL: 67.0 Hz", " DPL: 023", " IDPL: 023" (inverted), " TPL1".." TPL3";
// empty for codes 131 to 255, whose cell keeps the text it had.
std::optional<std::string> SignalTextFor(int code, bool inverted);

// The same for a channel side, reading the side's inversion bit (which only
// counts while the code is a DPL code).
std::optional<std::string> SignalText(const CodeplugImage& image, Side side, int n);

}  // namespace vantrel
