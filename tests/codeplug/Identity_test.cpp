#include <gtest/gtest.h>

#include <set>

#include "codeplug/AppState.h"
#include "codeplug/Identity.h"
#include "link/WriteProtocol.h"

using namespace vantrel;
namespace bm = vantrel::bytemap;

namespace {

AppState radio(int radioType, int modelIndex) {
    AppState s;
    s.image.setByte(bm::RadioType, static_cast<std::uint8_t>(radioType));
    s.image.setByte(bm::ModelIndex, static_cast<std::uint8_t>(modelIndex));
    return s;
}

}  // namespace

TEST(Identity, BandTableSetsBandFacts) {
    struct Case {
        int radioType, modelIndex;
        const char* text;
        int low, high;
        bool uhf;
        int ifKHz;
    } cases[] = {
        {0, 6, "403.00000 ~ 425.00000 MHz", 403, 425, true, -45100},
        {1, 6, "450.00000 ~ 470.00000 MHz", 450, 470, true, -45100},
        {2, 1, "136.00000 ~ 150.00000 MHz", 136, 150, false, 45100},
        {3, 18, "148.00000 ~ 174.00000 MHz", 148, 174, false, 45100},
        {3, 2, "150.00000 ~ 174.00000 MHz", 150, 174, false, 45100},
        {3, 0, "150.00000 ~ 174.00000 MHz", 150, 174, false, 45100},
        {4, 8, "490.00000 ~ 512.00000 MHz", 490, 512, true, -45100},
        {0x23, 18, "148.00000 ~ 174.00000 MHz", 148, 174, false, 45100},  // only the low nibble selects
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        AppState s = radio(c.radioType, c.modelIndex);
        EXPECT_EQ(FrequencyRangeText(s.image), c.text);
        ApplyBandLimits(s);
        EXPECT_TRUE(s.band.known);
        EXPECT_EQ(s.band.lowMHz, c.low);
        EXPECT_EQ(s.band.highMHz, c.high);
        EXPECT_EQ(s.band.isUhf, c.uhf);
        EXPECT_DOUBLE_EQ(s.band.ifOffsetMHz, c.ifKHz / 1000.0);
    }
}

TEST(Identity, BandsOutsideTheTableKeepThePreviousBandFacts) {
    AppState s = radio(2, 1);
    ApplyBandLimits(s);
    for (int type : {5, 7, 15}) {
        s.image.setByte(bm::RadioType, static_cast<std::uint8_t>(type));
        EXPECT_EQ(FrequencyRangeText(s.image), "");
        ApplyBandLimits(s);
        EXPECT_EQ(s.band.lowMHz, 136);
        EXPECT_EQ(s.band.highMHz, 150);
        EXPECT_FALSE(s.band.isUhf);
    }
    AppState fresh = radio(15, 0);
    ApplyBandLimits(fresh);
    EXPECT_FALSE(fresh.band.known);
}

TEST(Identity, ChannelCountIsEightOnlyForModelsFourAndNine) {
    for (int model : {0, 1, 3, 4, 5, 9, 10, 18, 255}) {
        AppState s = radio(15, model);
        s.image.setByte(bm::ChannelCount, 99);
        const int expected = (model == 4 || model == 9) ? 8 : 16;
        EXPECT_EQ(ApplyBandLimits(s), expected) << model;
        EXPECT_EQ(s.image.byte(bm::ChannelCount), expected) << model;
    }
}

TEST(Identity, ModelTableSetsKeepsOrEmptiesTheLabel) {
    using A = ModelLabel::Action;
    struct Case {
        int model, type;
        A action;
        const char* text;
    } cases[] = {
        {1, 3, A::Set, "PYW37FNV5RT3"},  {1, 2, A::Set, "PYW37ENV5RT3"},  {2, 3, A::Set, "GXW37FNV5RT3"},
        {18, 3, A::Set, "GXW37FNV5RT3"}, {18, 2, A::Set, "GXW37ENV5RT3"}, {4, 7, A::Set, "W37FBZ5RT1QN"},
        {8, 4, A::Set, "W37PKV5RT4QN"},  {10, 5, A::Set, "W37MBY5RT1QN"}, {6, 0, A::Set, "PYW37LKV5RT3"},
        {1, 7, A::Keep, ""},             {6, 0x11, A::Keep, ""},          {18, 1, A::Keep, ""},
        {0, 3, A::Empty, ""},            {11, 1, A::Empty, ""},           {17, 3, A::Empty, ""},
    };
    for (const Case& c : cases) {
        const ModelLabel label = ModelTable(c.model, c.type);
        EXPECT_EQ(label.action, c.action) << c.model << "/" << c.type;
        EXPECT_EQ(label.text, c.text) << c.model << "/" << c.type;
    }
    AppState s = radio(1, 9);
    EXPECT_EQ(ModelNumber(s.image).text, "W37MKZ5RT1QN");
}

TEST(Identity, SuperNumbersAreMatchedAsWholeStrings) {
    const auto& table = DefaultFileTable();
    std::set<std::string> files;
    for (const DefaultFileRow& row : table) {
        const DefaultFileRow* found = FindSuperNumber(row.superNumber);
        ASSERT_EQ(found, &row) << row.superNumber;
        files.insert(row.fileName);
    }
    EXPECT_EQ(files.size(), table.size());
    EXPECT_EQ(FindSuperNumber("RTKU7205AAL")->modelIndex, 8);
    EXPECT_STREQ(FindSuperNumber("RTKU7205AAL")->fileName, "U4_LACR.cpg");
    EXPECT_EQ(FindSuperNumber("RTKV6105BAE")->modelIndex, 18);
    for (const char* miss : {"", "rtkv6101aaa", "RTKV6101AA", "RTKV6101AAAX", "RTKV6101CAA"})
        EXPECT_EQ(FindSuperNumber(miss), nullptr) << miss;
}

TEST(Identity, CodeplugVersionNormalisesByte349) {
    struct Case {
        int radioType;
        char variant;
        int b349;
        const char* text;
        int after;
    } cases[] = {
        {2, 'A', 0, "R14.20", 0},  {2, 'B', 5, "R14.20", 0},  // type 2 ignores the variant
        {1, 'B', 5, "R14.21", 1},  {3, 'B', 0, "R14.21", 1},  {3, 'A', 1, "R14.20", 0},
        {1, 'B', 12, "D14.2C", 12}, {0, 'A', 9, "R14.20", 0},  {0, 'A', 10, "D14.2A", 10},
        {0x13, 'B', 3, "R14.20", 0},  // the whole RadioType byte counts
    };
    for (const Case& c : cases) {
        AppState s = radio(c.radioType, 1);
        s.image.setByte(bm::SuperNumberVariant, static_cast<std::uint8_t>(c.variant));
        const std::uint8_t version[] = {1, 4, 2, static_cast<std::uint8_t>(c.b349)};
        for (int i = 0; i < 4; ++i) s.image.setByte(bm::CodeplugVersion + i, version[i]);
        EXPECT_EQ(ShowCodeplugVersion(s.image), c.text) << c.radioType << c.variant << c.b349;
        EXPECT_EQ(s.image.byte(bm::CodeplugVersion + 3), c.after) << c.radioType << c.variant << c.b349;
    }
    AppState big = radio(2, 1);
    const std::uint8_t version[] = {255, 10, 0xAB, 0xFF};
    for (int i = 0; i < 4; ++i) big.image.setByte(bm::CodeplugVersion + i, version[i]);
    EXPECT_EQ(CodeplugVersionText(big.image), "D25510.ABFF");
}

TEST(Identity, FirmwareVersionUsesLowNibblesAndVariantSuffix) {
    struct Case {
        int radioType;
        char variant;
        std::uint8_t b350, b353;
        const char* text;
    } cases[] = {
        {2, 'A', 0x01, 0x04, "R12.34.UV1"}, {2, 'A', 0xF1, 0xF4, "R12.34.UV1"},  // high nibbles ignored
        {0, 'B', 0x01, 0x04, "R12.34.UV1"}, {1, 'B', 0x01, 0x04, "R12.34.UV2"},
        {3, 'A', 0x01, 0x04, "R12.34"},     {3, 0, 0x01, 0x04, "R12.34.UV2"},
        {4, 'A', 0x01, 0x0A, "R12.3A.U4"},  {4, 'A', 0x01, 0x0B, "D12.3B.U4"},
        {5, 'B', 0x01, 0x0F, "D12.3F"},     {15, 'B', 0x01, 0x04, "R12.34"},
    };
    for (const Case& c : cases) {
        AppState s = radio(c.radioType, 1);
        s.image.setByte(bm::SuperNumberVariant, static_cast<std::uint8_t>(c.variant));
        const std::uint8_t version[] = {c.b350, 0x22, 0x33, c.b353};
        for (int i = 0; i < 4; ++i) s.image.setByte(bm::FirmwareVersion + i, version[i]);
        EXPECT_EQ(FirmwareVersionText(s.image), c.text) << c.radioType << " " << c.variant;
    }
}

TEST(Identity, WriteTargetCombinesModelAndType) {
    EXPECT_EQ(link::ExpectedTarget(radio(3, 1).image), 0x13);
    EXPECT_EQ(link::ExpectedTarget(radio(3, 18).image), 0x23);   // 18 AND 15 = 2
    EXPECT_EQ(link::ExpectedTarget(radio(0xF5, 10).image), 149);  // (160 + 245) mod 256
    EXPECT_EQ(link::ExpectedTarget(radio(15, 0).image), 15);
}
