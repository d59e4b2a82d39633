#pragma once
// The five timing fields of the radio-wide settings: each byte holds the
// value divided by the field's unit.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "codeplug/CodeplugImage.h"

namespace vantrel {

struct TimingField {
    const char* textBox;
    const char* upDown;
    const char* label;
    const char* caption;
    std::size_t byte;
    int unit;
    int udMin, udMax;          // up-down range (step = unit)
    int arrowMin, arrowMax;    // arrow-key range in the text box
    std::uint8_t fallback;
};

// Scan speed, hang time, interval, Tx time-out, TOT warning: the order in
// which the population loads and shows them.
extern const std::array<TimingField, 5> kTimingFields;
enum TimingIndex { kScanSpeed = 0, kScanDelay, kLookBack, kTot, kTotPenalty };

// The scan interval up-down reaches down to 250 ms while the loaded byte is 1 or 2.
constexpr int kLookBackLowMin = 250;

// Writes the fallback bytes 6 to 13.
void ResetTimeOptions(CodeplugImage& image);

// The byte a typed text stands for: the number divided by the unit, rounded
// half to even. Nothing for an empty text, a text that is not a number, or a
// quotient outside 0..255.
std::optional<std::uint8_t> timingByteFromText(const std::string& text, int unit);

}  // namespace vantrel
