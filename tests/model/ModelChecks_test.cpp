// The two checks before a write or a save, on the editing copies: the user
// TPL boxes (the first below 67 Hz is emptied) and the priority channel.
#include <gtest/gtest.h>

#include <array>

#include "codeplug/TimeOptions.h"
#include "model/EditingModel.h"

namespace vantrel {
namespace {

// Texts in checking order: rx1, tx1, rx2, tx2, rx3, tx3; the index of the box
// that fails, or -1.
TEST(ModelChecks, FirstUserTplBoxBelow67FailsAndIsEmptied) {
    struct Case {
        std::array<const char*, 6> texts;
        int failing;
    } cases[] = {
        {{"120.0", "200.0", "255.0", "67", "67.0", "254.9"}, -1},
        {{"120.0", "200.0", "66.9", "10", "255.0", "255.0"}, 2},
        {{"120.0", "", "66.9", "120.0", "120.0", "120.0"}, 1},
        {{"120.0", "120.0", "120.0", "120.0", "120.0", "abc"}, 5},
    };
    for (const auto& c : cases) {
        AppState state;
        EditingModel model(state);
        UserTplBoxes& boxes = model.copies().tpl;
        std::string* order[6] = {&boxes.rx[0], &boxes.tx[0], &boxes.rx[1], &boxes.tx[1], &boxes.rx[2], &boxes.tx[2]};
        for (int i = 0; i < 6; ++i) *order[i] = c.texts[i];
        const EditResult r = model.CheckUserTplBoxes();
        EXPECT_EQ(r.ok, c.failing < 0) << c.failing;
        for (int i = 0; i < 6; ++i) EXPECT_EQ(*order[i], i == c.failing ? "" : c.texts[i]) << i;
        if (c.failing < 0) {
            EXPECT_TRUE(r.messages.empty());
        } else {
            ASSERT_EQ(r.messages.size(), 1u);
            EXPECT_EQ(r.messages[0].text, "Invalid Frequency");
            EXPECT_EQ(r.messages[0].title, "Vantrel CPS");
        }
    }
}

TEST(ModelChecks, PriorityChannelFailsOutsideTheScanListAndOnZero) {
    struct Case {
        const char* priority;
        bool passes;
    } cases[] = {{"3", true}, {"16", true}, {"5", false}, {"2", false}, {"0", false}, {"", false}};
    for (const auto& c : cases) {
        AppState state;
        EditingModel model(state);
        EditingCopies& e = model.copies();
        e.features[static_cast<std::size_t>(Feature::PriorityScan)] = true;
        e.priorityText = c.priority;
        e.channelList = {2, 5};
        e.tab = 1;
        const EditResult r = model.CheckPriorityScanChannel();
        EXPECT_EQ(r.ok, c.passes) << c.priority;
        EXPECT_EQ(e.tab, c.passes ? 1 : 0);
        if (c.passes) continue;
        ASSERT_EQ(r.messages.size(), 1u);
        EXPECT_EQ(r.messages[0].text,
                  "                       Error!  \r\n\r\nPrio. Scan Ch. No. not in active scan list   ");
    }
    // Without priority scan the channel is not checked.
    AppState state;
    EditingModel model(state);
    model.copies().priorityText = "0";
    EXPECT_TRUE(model.CheckPriorityScanChannel().ok);
}

// A timing value outside its field (one typed and never left, or brought
// back by an undo) goes to the nearest limit before a write or a save, as
// leaving the field would put it: never into a radio or a file.
TEST(ModelChecks, TimingOutsideItsFieldGoesToTheNearestLimitBeforeAWriteOrASave) {
    struct Case {
        int field;
        int storedByte;
        int keptValue;
    } cases[] = {  // keptValue -1: the field's lower limit
        {kScanSpeed, 60, 500}, {kScanSpeed, 2, 50}, {kScanSpeed, 35, 350},
        {kTot, 255, kTimingFields[kTot].udMax}, {kTotPenalty, 0, -1},
    };
    for (bool save : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(c.field) + " " + std::to_string(c.storedByte) + (save ? " save" : " write"));
            AppState state;
            EditingModel model(state);
            const TimingField& f = kTimingFields[static_cast<std::size_t>(c.field)];
            state.image.setByte(f.byte, static_cast<std::uint8_t>(c.storedByte));
            if (save) model.PrepareForSave();
            else model.PrepareForWrite();
            const auto k = static_cast<std::size_t>(c.field);
            const int kept = c.keptValue < 0 ? model.copies().timingMin[k] : c.keptValue;
            EXPECT_EQ(state.image.byte(f.byte) * f.unit, kept);
            if (kept != c.storedByte * f.unit) {
                EXPECT_EQ(model.copies().timingTexts[k], std::to_string(kept));
            }
        }
    }
}

}  // namespace
}  // namespace vantrel
