#include <gtest/gtest.h>

#include "channels/FrequencyCodec.h"
#include "codeplug/AppState.h"
#include "codeplug/CodeplugFile.h"
#include "codeplug/Identity.h"

using namespace vantrel;
namespace bm = vantrel::bytemap;

namespace {

// Channel 1 of a default codeplug, by band.
const char* const kChannel1Frequency[] = {"403.00000", "464.02500", "142.00000", "151.02500", "498.00000"};

}  // namespace

// Every default data file ships, loads, and programs the model its super number names.
TEST(DefaultFiles, EachDecodesAsItsModel) {
    for (const DefaultFileRow& row : DefaultFileTable()) {
        SCOPED_TRACE(row.fileName);
        AppState s;
        const CodeplugFileLoad load = CopyToBox(s.image, std::string(VANTREL_BUILD_DATA_DIR) + "/" + row.fileName);
        ASSERT_TRUE(load.ok()) << load.error;
        const CodeplugImage& img = s.image;

        EXPECT_EQ(img.byte(bm::ModelIndex), row.modelIndex);
        EXPECT_EQ(img.text(bm::SuperNumber, bm::SuperNumberSize), row.superNumber);
        const ModelLabel model = ModelNumber(img);
        EXPECT_EQ(model.action, ModelLabel::Action::Set);
        EXPECT_FALSE(model.text.empty());
        EXPECT_FALSE(FrequencyRangeText(img).empty());

        const int channels = ApplyBandLimits(s);
        EXPECT_EQ(img.byte(bm::ChannelCount), channels);
        EXPECT_EQ(img.byte(bm::EditorMarker), 0xA5);
        // A blank serial number that a serial number typed after loading may replace in the radio.
        for (std::size_t i = 0; i < bm::SerialNumberSize; ++i) EXPECT_EQ(img.byte(bm::SerialNumber + i), 0xFF);
        EXPECT_NE(img.byte(bm::SerialWriteEnable), 0);
        // No password.
        for (std::size_t i = 0; i < bm::PasswordSize; ++i) EXPECT_EQ(img.byte(bm::Password + i), 0);
        EXPECT_EQ(img.byte(bm::PasswordLength), 0);
        // The priority channel is channel 1, and it is in the scan list.
        EXPECT_EQ(img.byte(bm::PrioScanChNo), 1);
        EXPECT_EQ(img.byte(bm::scanSlot(1)), 1);
        EXPECT_EQ(img.word(bm::ScanMask), 1);
        // Channel 1 receives and transmits on the band's default frequency; the rest are empty.
        const int band = img.byte(bm::RadioType) & 15;
        ASSERT_LE(band, 4);
        EXPECT_EQ(DecodeRxFrequency(s, 1), kChannel1Frequency[band]);
        EXPECT_EQ(DecodeTxFrequency(s, 1), kChannel1Frequency[band]);
        for (int n = 2; n <= channels; ++n) {
            EXPECT_EQ(DecodeRxFrequency(s, n), "") << n;
            EXPECT_EQ(DecodeTxFrequency(s, n), "") << n;
        }
        // The codeplug version is already in the form the radio expects.
        CodeplugImage normalised = img;
        NormaliseCodeplugVersion(normalised);
        EXPECT_EQ(normalised, img);
    }
}
