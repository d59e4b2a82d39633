#include <gtest/gtest.h>

#include "BandFixture.h"
#include "channels/ChannelTexts.h"
#include "channels/FrequencyCodec.h"

using namespace vantrel;

TEST(ChannelTexts, EveryColumnOfARow) {
    AppState s;
    vantrel::testing::LoadBand(s, 3);
    ASSERT_EQ(EncodeRxFrequency(s, 2, "151.5").status, FrequencyStatus::Stored);
    ASSERT_EQ(EncodeTxFrequency(s, 2, "156.0125").status, FrequencyStatus::Stored);
    s.image.setByte(SignalOffset(2, Side::Rx), 43);
    s.image.setByte(SignalOffset(2, Side::Tx), 5);
    s.image.setByte(FlagsAOffset(2), 0b0111'1010);
    s.image.setByte(FlagsBOffset(2), 0b0011'0010);
    const char* expected[kChannelColumnCount] = {"2",   "151.50000", " IDPL: 023", "Tight", "2",  "156.01250", " TPL: 77.0 Hz",
                                                 "L",   "On",        "On",         "180",   "On", "12.5",      "On"};
    for (int col = 0; col < kChannelColumnCount; ++col) EXPECT_EQ(ChannelCellText(s, 2, col), expected[col]) << col;

    s.image.setByte(SignalOffset(2, Side::Tx), 131);
    EXPECT_FALSE(ChannelCellText(s, 2, kColTxSignal));
    EXPECT_FALSE(ChannelCellText(s, 2, kChannelColumnCount));
}
