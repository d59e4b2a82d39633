#include "codeplug/ButtonFunctions.h"

#include <gtest/gtest.h>

namespace vantrel::buttons {
namespace {

using Codes = std::vector<int>;

// Every short-press position on a radio with and without power switching.
TEST(ButtonFunctions, LongPressCodesForEveryPositionAndRadioType) {
    const Codes general{1, 2, 6, 7, 8, 9, 10, 12};
    const Codes scan{1, 2, 6, 7, 8, 9, 10, 11, 12};
    struct Case { int p; Codes full; Codes noPower; std::size_t entries; int selected; };
    const Case cases[] = {
        {0, general, general, 8, 4},
        {1, {8}, {8}, 1, 0},
        {2, {4, 8}, {4, 8}, 2, 1},
        {3, {8}, {8}, 1, 0},
        {4, scan, {2, 6, 7, 8, 9, 10, 11, 12}, 9, 4},
        {5, general, {2, 6, 7, 8, 9, 10, 12}, 8, 4},
        {6, general, {2, 6, 7, 8, 9, 10, 12}, 8, 4},
        {7, general, {2, 6, 7, 8, 9, 10, 12}, 8, 4},
        {8, general, {2, 6, 7, 8, 9, 10, 12}, 8, 4},
        {9, general, {2, 6, 7, 8, 9, 10, 12}, 8, 4},
    };
    for (const Case& c : cases) {
        for (std::uint8_t type : {0, 3, 5, 7, 15}) {
            const LongPressList l = longPressList(c.p, type);
            EXPECT_EQ(l.codes, lacksPowerSwitch(type) ? c.noPower : c.full) << c.p << " " << int(type);
            EXPECT_EQ(l.entries.size(), c.entries) << c.p;
            EXPECT_EQ(l.defaultPosition, c.selected) << c.p;
        }
    }
    // The list entries stay the same whatever the radio.
    EXPECT_EQ(longPressList(5, 5).entries.front(), "Hi/Low Power");
    EXPECT_EQ(longPressList(4, 7).entries[7], "Nuisance Channel Delete");
    EXPECT_TRUE(longPressList(-1, 0).entries.empty());
}

TEST(ButtonFunctions, ShortPressListsWithAndWithoutPowerSwitching) {
    const std::vector<std::string> full{"Hi/Low Power", "Volume Set", "Monitor", "Sticky Monitor",
                                        "Scan", "Repeater/Talkaround", "PL/DPL", "Unassigned",
                                        "Battery Save Mode", "Squelch"};
    EXPECT_EQ(shortPressTexts(true), full);
    EXPECT_EQ(shortPressTexts(false), std::vector<std::string>(full.begin() + 1, full.end()));
    EXPECT_FALSE(lacksPowerSwitch(4));
    EXPECT_TRUE(lacksPowerSwitch(5));
    EXPECT_TRUE(lacksPowerSwitch(7));
}

}  // namespace
}  // namespace vantrel::buttons
