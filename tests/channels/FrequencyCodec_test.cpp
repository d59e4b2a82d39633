#include <gtest/gtest.h>

#include <array>

#include "BandFixture.h"
#include "base/NumberText.h"
#include "channels/FrequencyCodec.h"
#include "channels/SubBand.h"

using namespace vantrel;
using vantrel::testing::LoadBand;
namespace bm = vantrel::bytemap;

namespace {

std::array<int, 3> codeBytes(const AppState& s, int n, Side side) {
    const std::size_t at = FreqCodeOffset(n, side);
    return {s.image.byte(at), s.image.byte(at + 1), s.image.byte(at + 2)};
}

}  // namespace

TEST(FrequencyCodec, WorkedExamples) {
    struct Case {
        Side side;
        int band;
        const char* text;
        std::array<int, 3> bytes;
        int raster;
    } cases[] = {
        {Side::Tx, 3, "150.0000", {192, 93, 0}, 1},
        {Side::Rx, 3, "150.0000", {240, 121, 0}, 1},
        {Side::Tx, 3, "150.0050", {49, 117, 0}, 0},
        {Side::Rx, 3, "150.0050", {109, 152, 0}, 0},
        {Side::Tx, 1, "462.5625", {26, 33, 1}, 1},
        {Side::Rx, 1, "462.5625", {234, 4, 1}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        AppState s;
        LoadBand(s, c.band);
        const FrequencyResult r = EncodeFrequency(s, 3, c.side, c.text);
        ASSERT_EQ(r.status, FrequencyStatus::Stored);
        EXPECT_FALSE(r.notice());
        EXPECT_EQ(codeBytes(s, 3, c.side), c.bytes);
        EXPECT_EQ(s.image.byte(RasterFlagOffset(3, c.side)), c.raster);
        EXPECT_EQ(r.cellText, FormatMHz(*ParseNumber(c.text)->rounded(6)));
        EXPECT_EQ(DecodeFrequency(s, 3, c.side), r.cellText);
    }
}

TEST(FrequencyCodec, RefusalsLeaveTheImageAlone) {
    struct Case {
        int band;
        Side side;
        const char* text;
        FrequencyStatus status;
        const char* message;
        bool hidesEditor;
    } cases[] = {
        {3, Side::Tx, "150.0030", FrequencyStatus::OffRaster, "Frequency is not valid", false},
        {1, Side::Rx, "150.0000", FrequencyStatus::OutOfRange, "Out of Frequency Range", true},
        {2, Side::Tx, "135.99375", FrequencyStatus::OutOfRange, "Out of Frequency Range", true},
        {2, Side::Tx, "150.00625", FrequencyStatus::OutOfRange, "Out of Frequency Range", true},
        // Above the limit by less than a hertz: still above it.
        {2, Side::Rx, "150.0000004", FrequencyStatus::OutOfRange, "Out of Frequency Range", true},
        {2, Side::Tx, "-150", FrequencyStatus::OutOfRange, "Out of Frequency Range", true},
        {2, Side::Tx, "99999999999999999999", FrequencyStatus::OutOfRange, "Out of Frequency Range", true},
        {2, Side::Tx, "abc", FrequencyStatus::NotANumber, "Invalid Frequency", true},
        {2, Side::Tx, "140,5", FrequencyStatus::NotANumber, "Invalid Frequency", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        AppState s;
        LoadBand(s, c.band);
        const CodeplugImage before = s.image;
        const FrequencyResult r = EncodeFrequency(s, 1, c.side, c.text);
        EXPECT_EQ(r.status, c.status);
        ASSERT_TRUE(r.notice());
        EXPECT_EQ(r.notice()->text, c.message);
        EXPECT_EQ(r.notice()->title, "Vantrel CPS");
        EXPECT_EQ(r.hidesEditor(), c.hidesEditor);
        EXPECT_EQ(s.image, before);
    }
    AppState s;
    LoadBand(s, 2);
    const CodeplugImage before = s.image;
    EXPECT_EQ(EncodeTxFrequency(s, 1, "").status, FrequencyStatus::Empty);
    EXPECT_FALSE(EncodeTxFrequency(s, 1, "").notice());
    EXPECT_EQ(s.image, before);
}

TEST(FrequencyCodec, BandEdgesAreInclusive) {
    for (const auto& row : vantrel::testing::kBandRows) {
        for (const int mhz : {row.lowMHz, row.highMHz}) {
            AppState s;
            LoadBand(s, row.band);
            EXPECT_EQ(EncodeTxFrequency(s, 1, std::to_string(mhz)).status, FrequencyStatus::Stored);
            EXPECT_EQ(EncodeRxFrequency(s, 1, std::to_string(mhz)).status, FrequencyStatus::Stored);
        }
    }
}

// Every channel of both rasters on every band survives encode and decode, and
// a frequency on both rasters is kept in 6.25 kHz steps.
TEST(FrequencyCodec, RoundTripOverEveryChannelOfEveryBand) {
    for (const auto& row : vantrel::testing::kBandRows) {
        AppState s;
        LoadBand(s, row.band);
        for (const long long step : {kStep625Hz, kStep5Hz}) {
            for (long long hz = row.lowMHz * 1000000LL; hz <= row.highMHz * 1000000LL; hz += step) {
                const std::string text = FormatMHz(hz);
                for (const Side side : {Side::Rx, Side::Tx}) {
                    const FrequencyResult r = EncodeFrequency(s, 16, side, text);
                    ASSERT_EQ(r.status, FrequencyStatus::Stored) << text;
                    ASSERT_EQ(DecodeFrequency(s, 16, side), text);
                    ASSERT_EQ(s.image.byte(RasterFlagOffset(16, side)), hz % kStep625Hz == 0 ? 1 : 0) << text;
                }
            }
        }
    }
}

TEST(FrequencyCodec, MissingFrequencyDecodesEmpty) {
    AppState s;
    LoadBand(s, 3);
    for (const int mark : {252, 253, 255}) {
        s.image.setByte(FreqCodeOffset(2, Side::Rx) + 2, static_cast<std::uint8_t>(mark));
        s.image.setByte(FreqCodeOffset(2, Side::Tx) + 2, static_cast<std::uint8_t>(mark));
        EXPECT_EQ(DecodeRxFrequency(s, 2), "");
        EXPECT_EQ(DecodeTxFrequency(s, 2), "");
    }
}

TEST(FrequencyCodec, ReceiveStoreSetsTheSubBandIndex) {
    AppState s;
    LoadBand(s, 2);
    ASSERT_EQ(EncodeRxFrequency(s, 5, "150").status, FrequencyStatus::Stored);
    EXPECT_EQ(s.image.byte(bm::subBandIndex(5)), 6);
    ASSERT_EQ(EncodeRxFrequency(s, 5, "143.0").status, FrequencyStatus::Stored);
    EXPECT_EQ(s.image.byte(bm::subBandIndex(5)), 4);
    // The transmit side never touches it.
    ASSERT_EQ(EncodeTxFrequency(s, 5, "136").status, FrequencyStatus::Stored);
    EXPECT_EQ(s.image.byte(bm::subBandIndex(5)), 4);
}

TEST(SubBand, Boundaries) {
    struct Case {
        int band;
        const char* mhz;
        int index;
    } cases[] = {
        {0, "407.99375", 0}, {0, "408", 1}, {0, "413", 2}, {0, "418", 3}, {0, "424.99375", 3}, {0, "425", 4},
        {1, "454.99375", 0}, {1, "455", 1}, {1, "460", 2}, {1, "465", 3}, {1, "470", 4},
        {2, "135.99375", 0}, {2, "136", 1}, {2, "140", 2}, {2, "142.99375", 2}, {2, "143", 4},
        {2, "147", 6}, {2, "150", 6}, {2, "150.00625", 7},
        {3, "149.99375", 0}, {3, "150", 1}, {3, "155", 2}, {3, "160", 3}, {3, "165", 4},
        {3, "170", 6}, {3, "174", 6}, {3, "174.00625", 7},
        {4, "494.99375", 0}, {4, "495", 1}, {4, "500", 2}, {4, "505", 3}, {4, "511.99375", 3}, {4, "512", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.band) + " " + c.mhz);
        EXPECT_EQ(SubBandIndexFor(c.band, *ParseNumber(c.mhz)->rounded(6)), c.index);
    }
    EXPECT_FALSE(SubBandIndexFor(5, 150000000));
    CodeplugImage img;
    img.setByte(bm::RadioType, 7);
    img.setByte(bm::subBandIndex(1), 9);
    SetSubBandIndex(img, 1, 160000000);
    EXPECT_EQ(img.byte(bm::subBandIndex(1)), 9);
}

TEST(FrequencyCodec, DeletionClearsTheSideAndTheScanMembership) {
    AppState s;
    LoadBand(s, 3);
    ASSERT_EQ(EncodeRxFrequency(s, 4, "160").status, FrequencyStatus::Stored);
    ASSERT_EQ(EncodeTxFrequency(s, 4, "160.005").status, FrequencyStatus::Stored);
    s.image.setByte(bm::scanSlot(4), 4);
    s.image.setByte(bm::scanSlot(5), 5);
    s.image.setWord(bm::ScanMask, 0b11000);

    DeleteRxFrequency(s.image, 4);
    EXPECT_EQ(codeBytes(s, 4, Side::Rx), (std::array<int, 3>{0, 0, 252}));
    EXPECT_EQ(s.image.byte(bm::subBandIndex(4)), 0);
    EXPECT_EQ(s.image.byte(bm::rxRasterFlag(4)), 1);  // raster flag kept
    EXPECT_EQ(DecodeTxFrequency(s, 4), "160.00500");
    EXPECT_EQ(s.image.byte(bm::scanSlot(4)), 0);
    EXPECT_EQ(s.image.byte(bm::scanSlot(5)), 5);
    EXPECT_EQ(s.image.word(bm::ScanMask), 0b10000);

    DeleteTxFrequency(s.image, 4);
    EXPECT_EQ(codeBytes(s, 4, Side::Tx), (std::array<int, 3>{0, 0, 252}));
    EXPECT_EQ(s.image.byte(bm::txRasterFlag(4)), 0);
}

TEST(FrequencyCodec, PriorityChannelMessageKeepsItsTrailingBlanks) {
    EXPECT_EQ(kPriorityFrequencyDelete.text, "Not Allowed To Delete Priority Channel Frequency  ");
}

TEST(FrequencyCodec, RefreshUhfBandFromTheRadioType) {
    struct Case {
        std::uint8_t radioType;
        bool before;
        bool after;
    } cases[] = {{0x10, false, true}, {0x12, true, false}, {3, true, false}, {4, false, true},
                 {5, true, true},     {15, false, false}};
    for (const Case& c : cases) {
        AppState s;
        s.image.setByte(bm::RadioType, c.radioType);
        s.band.isUhf = c.before;
        RefreshUhfBand(s);
        EXPECT_EQ(s.band.isUhf, c.after) << int(c.radioType);
    }
}
