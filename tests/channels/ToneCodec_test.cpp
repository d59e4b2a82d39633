#include <gtest/gtest.h>

#include <set>

#include "channels/ChannelOptions.h"
#include "channels/SignalText.h"
#include "channels/ToneTables.h"
#include "channels/UserTplCodec.h"

using namespace vantrel;
namespace bm = vantrel::bytemap;

TEST(ToneTables, TablesAreCompleteAndOrdered) {
    EXPECT_STREQ(TplFrequencyTable.front().text, "67.0");
    EXPECT_STREQ(TplFrequencyTable.back().text, "254.1");
    for (std::size_t i = 1; i < TplFrequencyTable.size(); ++i)
        EXPECT_LT(TplFrequencyTable[i - 1].tenthsHz, TplFrequencyTable[i].tenthsHz);
    std::set<std::string> codes(DplCodeTable.begin(), DplCodeTable.end());
    EXPECT_EQ(codes.size(), 85u);
    EXPECT_STREQ(DplCodeTable[0], "023");
    EXPECT_STREQ(DplCodeTable[84], "754");
}

TEST(SignalText, EveryCodeRange) {
    struct Case {
        int code;
        bool inverted;
        const char* text;  // nullptr: the cell keeps its text
    } cases[] = {
        {0, false, " CSQ"},
        {0, true, " CSQ"},
        {1, false, " TPL: 67.0 Hz"},
        {1, true, " TPL: 67.0 Hz"},  // the inversion bit only counts for DPL
        {42, false, " TPL: 254.1 Hz"},
        {43, false, " DPL: 023"},
        {43, true, " IDPL: 023"},
        {127, false, " DPL: 754"},
        {127, true, " IDPL: 754"},
        {128, false, " TPL1"},
        {129, true, " TPL2"},
        {130, false, " TPL3"},
        {131, false, nullptr},
        {140, false, nullptr},
        {255, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        for (const Side side : {Side::Rx, Side::Tx}) {
            CodeplugImage img;
            img.setByte(SignalOffset(7, side), static_cast<std::uint8_t>(c.code));
            // Only this side's bit: the other side's must not leak in.
            SetOptionValue(img, 7, InversionOption(side), c.inverted);
            const auto text = SignalText(img, side, 7);
            EXPECT_EQ(text.has_value(), c.text != nullptr);
            if (text && c.text) {
                EXPECT_EQ(*text, c.text);
            }
            const Side other = side == Side::Rx ? Side::Tx : Side::Rx;
            img.setByte(SignalOffset(7, other), 43);
            EXPECT_EQ(SignalText(img, other, 7), " DPL: 023");
        }
    }
}

namespace {

UserTplBoxes boxesWith(Side side, int i, const std::string& text) {
    UserTplBoxes b;
    b.box(side, i) = text;
    return b;
}

}  // namespace

TEST(UserTplCodec, ReceiveWorkedExample) {
    CodeplugImage img;
    ASSERT_TRUE(EncodeRxUserTpl(img, boxesWith(Side::Rx, 0, "67.0"), 0));
    EXPECT_EQ(img.byte(208), 158);
    EXPECT_EQ(img.byte(209), 2);
    struct Entry {
        std::size_t at;
        int value;
    } entries[] = {{256, 79}, {257, 3}, {258, 105}, {259, 3}, {260, 5}, {263, 10}, {264, 12}, {313, 122}, {314, 4}};
    for (const Entry& e : entries) EXPECT_EQ(img.byte(e.at), e.value) << e.at;
    // The transmit entries of the block stay untouched.
    for (const std::size_t at : {261, 262, 267, 268, 273, 274}) EXPECT_EQ(img.byte(at), 0) << at;
}

TEST(UserTplCodec, TransmitEntries) {
    CodeplugImage img;
    ASSERT_TRUE(EncodeTxUserTpl(img, boxesWith(Side::Tx, 2, "67"), 2));
    const std::size_t b = 256 + 19 * 2;
    EXPECT_EQ(img.word(218), 670);
    EXPECT_EQ(img.word(b + 5), 860);   // R(57600 / 67) = R(859.70)
    EXPECT_EQ(img.word(b + 11), 860);
    EXPECT_EQ(img.word(b + 17), 1146); // R(76800 / 67) = R(1146.27)
    EXPECT_EQ(img.word(b + 0), 0);
    EXPECT_EQ(img.word(317), 0);       // receive count untouched
}

// Same period n = 288 on both sides of 200 Hz; the guard d changes from
// n / 12 to n / 8 there.
TEST(UserTplCodec, GuardSwitchesAt200Hz) {
    struct Case {
        const char* text;
        int offset9;
        int offset15;
    } cases[] = {
        {"199.9", 984, 936},  // 432 - 24 + 576, 384 - 24 + 576
        {"200.0", 972, 924},  // 432 - 36 + 576, 384 - 36 + 576
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        CodeplugImage img;
        ASSERT_TRUE(EncodeRxUserTpl(img, boxesWith(Side::Rx, 1, c.text), 1));
        const std::size_t b = 256 + 19;
        EXPECT_EQ(img.word(b + 7), 1032);  // 432 + 24 + 576 either way
        EXPECT_EQ(img.word(b + 13), 984);  // 384 + 24 + 576
        EXPECT_EQ(img.word(b + 9), c.offset9);
        EXPECT_EQ(img.word(b + 15), c.offset15);
    }
}

TEST(UserTplCodec, RangeBitsFollowAllThreeBoxes) {
    CodeplugImage img;
    img.setByte(238, 0b1110'1010);
    img.setByte(239, 0b1100'0000);
    UserTplBoxes boxes;
    boxes.rx = {"151.4", "151.3", ""};  // an empty box reads as 0
    boxes.tx = {"77.0", "77.1", "255"};
    ASSERT_TRUE(EncodeRxUserTpl(img, boxes, 1));  // TPL2 rewrites TPL1's and TPL3's bits too
    EXPECT_EQ(img.byte(238), 0b1111'1110);
    EXPECT_EQ(img.byte(239), 0b1101'0100);
    ASSERT_TRUE(EncodeTxUserTpl(img, boxes, 0));
    EXPECT_EQ(img.byte(239), 0b1101'0110);
    EXPECT_EQ(img.byte(238), 0b1111'1110);
}

TEST(UserTplCodec, OutOfRangeBoxesWriteNothing) {
    for (const char* text : {"", "66.9", "255.1", "abc", "-100"}) {
        SCOPED_TRACE(text);
        CodeplugImage img;
        EXPECT_FALSE(EncodeRxUserTpl(img, boxesWith(Side::Rx, 0, text), 0));
        EXPECT_FALSE(EncodeTxUserTpl(img, boxesWith(Side::Tx, 0, text), 0));
        EXPECT_EQ(img, CodeplugImage());
    }
    CodeplugImage img;
    EXPECT_TRUE(EncodeRxUserTpl(img, boxesWith(Side::Rx, 0, "67"), 0));
    EXPECT_TRUE(EncodeRxUserTpl(img, boxesWith(Side::Rx, 0, "255 Hz"), 0));  // the leading number
    EXPECT_EQ(img.word(208), 2550);
}

TEST(UserTplCodec, EncodeAllReportsFailingBoxesInOrder) {
    CodeplugImage img;
    UserTplBoxes boxes;
    boxes.tx[1] = "";
    boxes.rx[2] = "300";
    const auto failed = EncodeUserTpls(img, boxes);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].side, Side::Tx);
    EXPECT_EQ(failed[0].index, 1);
    EXPECT_EQ(failed[1].side, Side::Rx);
    EXPECT_EQ(failed[1].index, 2);
    EXPECT_EQ(img.word(208), 1200);
    EXPECT_EQ(img.word(210), 2000);
    EXPECT_EQ(img.word(216), 0);
}

TEST(UserTplCodec, ShowUserTplFillsBoxesAndFixedValuesForZeroWords) {
    CodeplugImage before;
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) before.setByte(i, static_cast<std::uint8_t>(i * 5 + 1));
    before.setWord(208, 1200);  // TPL1 Rx set
    before.setWord(210, 0);
    before.setWord(212, 0);
    before.setWord(214, 0);
    before.setWord(216, 0);
    before.setWord(218, 773);  // TPL3 Tx set
    CodeplugImage img = before;
    UserTplBoxes boxes;
    boxes.rx[1] = "88.5";
    ShowUserTpl(img, boxes);

    EXPECT_EQ(boxes.rx[0], "120.0");
    EXPECT_EQ(boxes.rx[1], "88.5");  // zero word: the box keeps its text
    EXPECT_EQ(boxes.tx[2], "77.3");

    // Fixed receive values at offsets 0-4, 7-10, 13-16; transmit at 5-6, 11-12, 17-18.
    const int rxFixed[][2] = {{0, 79}, {1, 3}, {2, 105}, {3, 3}, {4, 5}, {7, 82}, {8, 5}, {9, 194},
                              {10, 4}, {13, 225}, {14, 5}, {15, 82}, {16, 5}};
    const int txFixed[][2] = {{5, 92}, {6, 3}, {11, 92}, {12, 3}, {17, 123}, {18, 4}};
    CodeplugImage expected = before;
    for (const int i : {1, 2})
        for (const auto& e : rxFixed) expected.setByte(256 + 19 * i + e[0], static_cast<std::uint8_t>(e[1]));
    for (const int i : {0, 1})
        for (const auto& e : txFixed) expected.setByte(256 + 19 * i + e[0], static_cast<std::uint8_t>(e[1]));
    for (std::size_t i = 0; i < CodeplugImage::kSize; ++i) EXPECT_EQ(img.byte(i), expected.byte(i)) << i;
    EXPECT_EQ(img.byte(286), 92);  // TPL2's transmit offset 11
    EXPECT_EQ(img.byte(287), 3);
}

TEST(UserTplCodec, BoxTextRules) {
    struct Case {
        const char* text;
        bool refused;
        const char* reformatted;  // nullptr: not a number
    } cases[] = {
        {"", false, nullptr},   {"120", false, "120.0"}, {"67.05", false, "67.0"}, {"255", false, "255.0"},
        {"255.1", true, "255.1"}, {"0000", true, ".0"},  {"000", false, ".0"},    {"1a", true, nullptr},
        {"12,5", true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(UserTplTextRefused(c.text), c.refused);
        const auto r = ReformatUserTplText(c.text);
        EXPECT_EQ(r.has_value(), c.reformatted != nullptr);
        if (r && c.reformatted) {
            EXPECT_EQ(*r, c.reformatted);
        }
    }
    EXPECT_TRUE(UserTplEnterIgnored("000"));
    EXPECT_FALSE(UserTplEnterIgnored("0000"));
}
