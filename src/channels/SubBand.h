#pragma once
// The sub-band index (image byte 319 + n): which part of the band a channel's
// receive frequency lies in.
#include <optional>

#include "codeplug/CodeplugImage.h"

namespace vantrel {

// Index 0..7 for a receive frequency in hertz on band 0..4; empty for any
// other band.
std::optional<int> SubBandIndexFor(int band, long long hz);

// Writes byte 319 + n from a receive frequency in hertz, the band being the
// low four bits of RadioType; other bands leave the byte alone.
void SetSubBandIndex(CodeplugImage& image, int n, long long hz);

}  // namespace vantrel
