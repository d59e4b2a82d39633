#include "codeplug/ButtonFunctions.h"

#include <array>

namespace vantrel::buttons {

namespace {

// Function texts by code (index = code - 1).
const std::array<const char*, 12> kFunctionTexts = {
    "Hi/Low Power", "Volume Set", "Monitor", "Sticky Monitor", "Scan", "Repeater/Talkaround",
    "PL/DPL", "Unassigned", "Battery Save Mode", "Squelch", "Nuisance Channel Delete",
    "Button Lock"};

std::vector<std::string> textsOf(const std::vector<int>& codes) {
    std::vector<std::string> out;
    for (int c : codes) out.emplace_back(kFunctionTexts[static_cast<std::size_t>(c - 1)]);
    return out;
}

struct LongRule {
    std::vector<int> shownCodes;      // the entries, by code
    std::vector<int> storedCodes;     // codes stored per position
    std::vector<int> storedNoPower;   // the same on radios without power switching
    int defaultPosition;
};

const LongRule kUnassignedOnly{{8}, {8}, {8}, 0};
const LongRule kMonitor{{4, 8}, {4, 8}, {4, 8}, 1};
const LongRule kScan{{1, 2, 6, 7, 8, 9, 10, 11, 12},
                     {1, 2, 6, 7, 8, 9, 10, 11, 12},
                     {2, 6, 7, 8, 9, 10, 11, 12},
                     4};
const LongRule kGeneral{{1, 2, 6, 7, 8, 9, 10, 12},
                        {1, 2, 6, 7, 8, 9, 10, 12},
                        {2, 6, 7, 8, 9, 10, 12},
                        4};

}  // namespace

bool lacksPowerSwitch(std::uint8_t radioType) { return radioType == 5 || radioType == 7; }

std::vector<std::string> shortPressTexts(bool withPowerSwitch) {
    std::vector<std::string> out;
    for (int code = withPowerSwitch ? 1 : 2; code <= 10; ++code)
        out.emplace_back(kFunctionTexts[static_cast<std::size_t>(code - 1)]);
    return out;
}

std::vector<std::string> initialShortPressTexts() {
    auto out = shortPressTexts(true);
    out[5] = "Repeater / Talkaround";
    return out;
}

LongPressList longPressList(int p, std::uint8_t radioType) {
    if (p < 0) return {};
    const LongRule* rule = &kGeneral;
    if (p == 1 || p == 3) rule = &kUnassignedOnly;
    else if (p == 2) rule = &kMonitor;
    else if (p == 4) rule = &kScan;
    // Position 0 keeps the full code table: the shift applies from p = 4 on.
    const bool shifted = lacksPowerSwitch(radioType) && p >= 4;
    return {textsOf(rule->shownCodes), shifted ? rule->storedNoPower : rule->storedCodes,
            rule->defaultPosition};
}

}  // namespace vantrel::buttons
