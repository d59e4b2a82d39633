#include <gtest/gtest.h>

#include "channels/ChannelOptions.h"
#include "channels/ChannelRecord.h"
#include "channels/Talkaround.h"

using namespace vantrel;
namespace bm = vantrel::bytemap;

namespace {

CodeplugImage patterned() {
    CodeplugImage img;
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) img.setByte(i, static_cast<std::uint8_t>(i * 7 + 3));
    return img;
}

}  // namespace

TEST(ChannelRecord, ClearChannelsTouchesOnlyRecordsRangeFlagsAndScanMask) {
    const CodeplugImage before = patterned();
    CodeplugImage img = before;
    ClearChannels(img);
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) {
        SCOPED_TRACE(i);
        if (i >= 16 && i < 176) EXPECT_EQ(img.byte(i), kEmptyChannelRecord[(i - 16) % 10]);
        else if (i == 238) EXPECT_EQ(img.byte(i), 21);
        else if (i == 239) EXPECT_EQ(img.byte(i), 63);
        else if (i == 244 || i == 245) EXPECT_EQ(img.byte(i), 0);
        else EXPECT_EQ(img.byte(i), before.byte(i));
    }
}

TEST(ChannelRecord, ClearChannelsAboveEmptiesTheRestAndTheirRasterFlags) {
    const CodeplugImage before = patterned();
    CodeplugImage img = before;
    ClearChannelsAbove(img, 8);
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) {
        SCOPED_TRACE(i);
        if (i >= bm::channelRecord(9) && i < 176) EXPECT_EQ(img.byte(i), kEmptyChannelRecord[(i - 16) % 10]);
        else if ((i >= bm::rxRasterFlag(9) && i <= bm::rxRasterFlag(16)) ||
                 (i >= bm::txRasterFlag(9) && i <= bm::txRasterFlag(16)))
            EXPECT_EQ(img.byte(i), 0);
        else EXPECT_EQ(img.byte(i), before.byte(i));
    }
}

TEST(ChannelOptions, TextsOfEveryField) {
    struct Case {
        ChannelOption option;
        std::uint8_t flagsA;
        std::uint8_t flagsB;
        const char* text;
    } cases[] = {
        {ChannelOption::Power, 0x80, 0, "H"},          {ChannelOption::Power, 0x7F, 0, "L"},
        {ChannelOption::RxOnly, 0x40, 0, "On"},        {ChannelOption::RxOnly, 0xBF, 0, "Off"},
        {ChannelOption::Squelch, 0x20, 0, "Tight"},    {ChannelOption::Squelch, 0xDF, 0, "Normal"},
        {ChannelOption::TurnOffCode, 0x10, 0, "On"},   {ChannelOption::TurnOffCode, 0xEF, 0, "Off"},
        {ChannelOption::ReverseBurst, 0x00, 0, "None"}, {ChannelOption::ReverseBurst, 0x04, 0, "None"},
        {ChannelOption::ReverseBurst, 0x08, 0, "180"}, {ChannelOption::ReverseBurst, 0x0C, 0, "240"},
        {ChannelOption::Mute, 0x00, 0, "1"},           {ChannelOption::Mute, 0x01, 0, "1"},
        {ChannelOption::Mute, 0x02, 0, "2"},           {ChannelOption::Mute, 0x03, 0, "3"},
        {ChannelOption::Bandwidth, 0, 0x80, "25"},     {ChannelOption::Bandwidth, 0, 0x7F, "12.5"},
        {ChannelOption::Bclo, 0, 0x10, "On"},          {ChannelOption::Bclo, 0, 0xEF, "Off"},
        {ChannelOption::Talkaround, 0, 0x02, "On"},    {ChannelOption::Talkaround, 0, 0xFD, "Off"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CodeplugImage img;
        img.setByte(FlagsAOffset(6), c.flagsA);
        img.setByte(FlagsBOffset(6), c.flagsB);
        EXPECT_EQ(OptionText(img, 6, c.option), c.text);
    }
}

TEST(ChannelOptions, WritingATextSetsOnlyItsBits) {
    struct Case {
        ChannelOption option;
        const char* text;
        std::uint8_t flagsA;
        std::uint8_t flagsB;
    } cases[] = {
        {ChannelOption::Mute, "1", 0x01, 0},         {ChannelOption::Mute, "3", 0x03, 0},
        {ChannelOption::ReverseBurst, "None", 0, 0}, {ChannelOption::ReverseBurst, "240", 0x0C, 0},
        {ChannelOption::Squelch, "Tight", 0x20, 0},  {ChannelOption::Bandwidth, "12.5", 0, 0},
        {ChannelOption::Talkaround, "On", 0, 0x02},  {ChannelOption::Power, "H", 0x80, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CodeplugImage img;
        img.setByte(FlagsBOffset(2), 0x0D);  // bits 3-2 and 0 are not the editor's
        ASSERT_TRUE(SetOptionText(img, 2, c.option, c.text));
        EXPECT_EQ(img.byte(FlagsAOffset(2)), c.flagsA);
        EXPECT_EQ(img.byte(FlagsBOffset(2)), c.flagsB | 0x0D);
    }
    CodeplugImage img;
    EXPECT_FALSE(SetOptionText(img, 2, ChannelOption::Mute, "4"));
    EXPECT_EQ(img.byte(FlagsAOffset(2)), 0);
}

TEST(ChannelOptions, RadiosWithoutPowerSwitchingShow2WAndKeepTheBit) {
    for (const std::uint8_t type : {5, 7}) {
        CodeplugImage img;
        img.setByte(bm::RadioType, type);
        img.setByte(FlagsAOffset(1), 0x00);
        EXPECT_EQ(OptionText(img, 1, ChannelOption::Power), "2W");
        SetOptionText(img, 1, ChannelOption::Power, "H");
        EXPECT_EQ(img.byte(FlagsAOffset(1)), 0x00);
    }
}

TEST(Talkaround, SimplexChannelsGetTalkaroundOff) {
    struct Case {
        ChannelPairTexts texts;
        bool simplex;
    } cases[] = {
        {{"150.00000", " CSQ", "150.00000", " CSQ"}, true},
        {{"", " CSQ", "", " CSQ"}, true},  // two empty frequencies count as equal
        {{"150.00000", " CSQ", "150.00500", " CSQ"}, false},
        {{"150.00000", " TPL: 67.0 Hz", "150.00000", " CSQ"}, false},
        {{"150.00000", " DPL: 023", "150.00000", " IDPL: 023"}, false},
    };
    for (const Case& c : cases) {
        CodeplugImage img;
        img.setByte(FlagsBOffset(9), c.simplex ? 0xFF : 0x00);
        const TalkaroundCell cell = UpdateTalkaround(img, 9, c.texts);
        EXPECT_EQ(cell.grey, c.simplex);
        EXPECT_STREQ(cell.text, c.simplex ? "Off" : "On");
        EXPECT_EQ(img.byte(FlagsBOffset(9)), c.simplex ? 0xFD : 0x02);
    }
}
