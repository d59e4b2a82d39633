#pragma once
// The image side of the Default command: radio-wide defaults, the default user
// TPL frequencies, and channel 1 alone in the scan list on a band-typical
// frequency.
#include "codeplug/CodeplugImage.h"

namespace vantrel {

// Bytes 5 to 13: Talkback Scan, Battery Save, Normal Scan and TOT on; Tx
// time-out 60 s; scan speed 350 ms; hang 3000 ms; interval 2000 ms; warning 10 s.
void ApplyDefaultSettings(CodeplugImage& image);
// Bytes 208 to 219: TPL1..3 = 120.0, 200.0, 255.0 Hz on both sides.
void ApplyDefaultUserTpl(CodeplugImage& image);
// Channel 1 alone in the scan list, and its record bytes 16-21 and sub-band
// index by band (other bands leave them).
void ApplyDefaultChannel(CodeplugImage& image);

}  // namespace vantrel
