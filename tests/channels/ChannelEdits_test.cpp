// The channel edits outside the grid keep the grid's, the tone dialog's and
// the scan list's rules.
#include <gtest/gtest.h>

#include "BandFixture.h"
#include "channels/ChannelEdits.h"
#include "channels/FrequencyCodec.h"

namespace vantrel {
namespace {

namespace bm = bytemap;

struct Rig {
    AppState state;
    ImageChannelEdits edits{state};
    Rig() {
        testing::LoadBand(state, 2);  // 136-150 MHz
        ClearChannels(state.image);
        EXPECT_FALSE(edits.commitFrequency(1, Side::Rx, "146.52"));
        EXPECT_FALSE(edits.commitFrequency(1, Side::Tx, "146.52"));
    }
    unsigned option(ChannelOption o) const { return OptionValue(state.image, 1, o); }
};

TEST(ChannelEdits, ATransmitSignalKeepsOnlyTheOptionsThatGoWithIt) {
    struct Case {
        int code;
        unsigned turnOffCode, reverseBurst;
    };
    const Case cases[] = {{0, 0, 0}, {5, 0, 3}, {130, 0, 3}, {60, 1, 0}};
    for (const Case& c : cases) {
        Rig rig;
        SetOptionValue(rig.state.image, 1, ChannelOption::TurnOffCode, 1);
        SetOptionValue(rig.state.image, 1, ChannelOption::ReverseBurst, 3);
        rig.edits.chooseSignal(1, Side::Tx, c.code, false);
        EXPECT_EQ(rig.state.image.byte(SignalOffset(1, Side::Tx)), c.code);
        EXPECT_EQ(rig.option(ChannelOption::TurnOffCode), c.turnOffCode) << c.code;
        EXPECT_EQ(rig.option(ChannelOption::ReverseBurst), c.reverseBurst) << c.code;
        // Simplex only while both sides are CSQ.
        EXPECT_EQ(rig.option(ChannelOption::Talkaround), c.code == 0 ? 0u : 1u) << c.code;
    }
}

TEST(ChannelEdits, ThePriorityChannelAndEmptyChannelsAreProtected) {
    Rig rig;
    rig.state.image.setByte(bm::PrioScanChNo, 1);
    rig.state.image.setBit(bm::OptionFlags, 1, true);  // Priority Scan Enable
    EXPECT_FALSE(rig.edits.setScanMember(1, true));
    EXPECT_EQ(rig.state.image.byte(bm::scanSlot(1)), 1);
    EXPECT_EQ(rig.edits.setScanMember(1, false)->text, kRemovePriorityChannel.text);
    EXPECT_EQ(rig.edits.commitFrequency(1, Side::Tx, "")->text, kPriorityFrequencyDelete.text);
    EXPECT_EQ(DecodeTxFrequency(rig.state, 1), "146.52000");
    EXPECT_EQ(rig.edits.setScanMember(2, true)->text, kEmptyChannel.text);
    EXPECT_EQ(rig.state.image.word(bm::ScanMask), 1u);

    rig.state.image.setBit(bm::OptionFlags, 1, false);
    EXPECT_FALSE(rig.edits.setScanMember(1, false));
    EXPECT_EQ(rig.state.image.word(bm::ScanMask), 0u);
    EXPECT_FALSE(rig.edits.commitFrequency(1, Side::Tx, ""));
    EXPECT_EQ(DecodeTxFrequency(rig.state, 1), "");
    EXPECT_TRUE(rig.state.dataChanged);
}

}  // namespace
}  // namespace vantrel
