#pragma once
// The programmable buttons' function codes and the lists the editor offers:
// a short-press list and, per short-press position, a long-press list.
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::buttons {

// Radios of these types have no power switching: after a read or for a
// command-line file their short-press lists start at "Volume Set".
bool lacksPowerSwitch(std::uint8_t radioType);

// The short-press functions, codes 1 to 10 in code order; without "Hi/Low
// Power" when withPowerSwitch is false. The stored byte is position + 1.
std::vector<std::string> shortPressTexts(bool withPowerSwitch);
// What both short-press lists hold before the first whole-image load.
std::vector<std::string> initialShortPressTexts();

struct LongPressList {
    std::vector<std::string> entries;
    std::vector<int> codes;      // code stored for each position; may be shorter than entries
    int defaultPosition = -1;    // selected outside a load
};

// The long-press list offered for short-press position p (p < 0: none).
LongPressList longPressList(int p, std::uint8_t radioType);

}  // namespace vantrel::buttons
