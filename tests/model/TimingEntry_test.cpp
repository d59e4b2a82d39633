// The timing fields as the editing model takes their gestures: typing stores
// every value it can, leaving the field brings it within the up-down's
// limits, the arrow keys and the up-down step and clamp, and an empty user
// TPL box undoes every timing edit.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "codeplug/TimeOptions.h"
#include "model/OpenedModel.h"

namespace vantrel::testing {
namespace {

namespace bm = bytemap;

// One gesture on the field: a new text while typing, leaving the box, an
// arrow key in the box, the up-down moved to a value.
struct Gesture {
    enum Kind { Type, Leave, Up, Down, UpDown } kind;
    std::string text;
    int value = 0;
};
Gesture Typed(const char* text) { return {Gesture::Type, text}; }
const Gesture kLeave{Gesture::Leave, ""};
const Gesture kUp{Gesture::Up, ""};
const Gesture kDown{Gesture::Down, ""};
Gesture UpDownTo(int value) { return {Gesture::UpDown, "", value}; }

// A shipped data file with the timing bytes scan speed 100 ms, hang time
// 4000 ms, interval 4000 ms (or the byte a row gives), time-out 60 s,
// warning 5 s.
struct TimedModel : OpenedModel {
    explicit TimedModel(int lookBackByte) : OpenedModel("U2_NAG.cpg") {
        const std::pair<std::size_t, int> bytes[] = {{bm::ScanSpeedTime, 10}, {bm::ScanDelayTime, 8},
                                                     {bm::LookBackTime, lookBackByte}, {bm::TotTime, 6},
                                                     {bm::TotPenaltyTime, 5}};
        for (const auto& [offset, value] : bytes) state.image.setByte(offset, static_cast<std::uint8_t>(value));
        state.loadingImage = true;
        model.PopulateEditor(LoadKind::FileOpen);
        state.loadingImage = false;
    }
    EditResult run(int field, const Gesture& g) {
        switch (g.kind) {
        case Gesture::Type: return model.TypeTimingText(field, g.text);
        case Gesture::Leave: return model.LeaveTimingField(field);
        case Gesture::Up: return model.ArrowTimingKey(field, true);
        case Gesture::Down: return model.ArrowTimingKey(field, false);
        case Gesture::UpDown: return model.MoveTimingUpDown(field, g.value);
        }
        return {};
    }
};

TEST(TimingEntry, GesturesStoreStepAndClamp) {
    struct Case {
        const char* name;
        int field;
        std::vector<Gesture> gestures;
        const char* text;  // the box afterwards
        int byte;
        int upDown = -1;  // -1: not checked
        bool tplEmpty = false;
        int lookBackByte = 16;
    };
    const Case cases[] = {
        // Typing stores the value divided by the unit, halves to even.
        {"hang time typed", kScanDelay, {Typed("3000")}, "3000", 6, 3000},
        {"a half rounds to even, down", kScanDelay, {Typed("1250")}, "1250", 2},
        {"a half rounds to even, up", kScanDelay, {Typed("1750")}, "1750", 4},
        {"beyond the limit is stored while typing", kScanSpeed, {Typed("999")}, "999", 100},
        // A text with no storable value keeps the byte; leaving shows it again.
        {"empty text", kScanDelay, {Typed("1250"), Typed("")}, "", 2},
        {"not a number", kScanDelay, {Typed("1250"), Typed("abc")}, "abc", 2},
        {"negative", kScanDelay, {Typed("1250"), Typed("-500")}, "-500", 2},
        {"quotient above 255", kScanDelay, {Typed("1250"), Typed("130000")}, "130000", 2},
        {"trailing letter", kScanDelay, {Typed("1250"), Typed("12x")}, "12x", 2},
        {"left after a refused text", kScanDelay, {Typed("1250"), Typed("abc"), kLeave}, "1000", 2},
        // Leaving brings the value within the up-down's limits.
        {"scan speed above its limit", kScanSpeed, {Typed("999"), kLeave}, "500", 50, 500},
        {"scan speed below its limit", kScanSpeed, {Typed("4"), kLeave}, "50", 5, 50},
        {"hang time above its limit", kScanDelay, {Typed("20000"), kLeave}, "9500", 19, 9500},
        {"time-out above its limit", kTot, {Typed("700"), kLeave}, "600", 60, 600},
        {"warning below its limit", kTotPenalty, {Typed("0"), kLeave}, "1", 1, 1},
        {"time-out within its limits", kTot, {Typed("90"), kLeave}, "90", 9, 90},
        {"interval below its limit", kLookBack, {Typed("250"), kLeave}, "750", 3, 750},
        {"interval loaded as byte 2 reaches down to 250", kLookBack, {Typed("250"), kLeave}, "250", 1, 250, false, 2},
        // The arrow keys step by the unit and stop at their limits.
        {"up to the limit", kScanSpeed, {Typed("490"), kUp}, "500", 50},
        {"up at the limit", kScanSpeed, {Typed("490"), kUp, kUp}, "500", 50},
        {"down to the limit", kScanSpeed, {Typed("40"), kDown}, "50", 5},
        {"down one step", kScanSpeed, {kDown}, "90", 9},
        {"up one step", kTotPenalty, {kUp}, "6", 6},
        {"down at the time-out's limit", kTot, {Typed("10"), kDown}, "10", 1},
        {"interval loaded as byte 2, down", kLookBack, {kDown}, "750", 3, -1, false, 2},
        // The up-down writes its value and shows it in the box.
        {"up-down", kTotPenalty, {UpDownTo(6)}, "6", 6, 6},
        {"up-down beyond its range", kTot, {UpDownTo(9990)}, "600", 60, 600},
        {"up-down below its range", kScanDelay, {UpDownTo(0)}, "500", 1, 500},
        // While a user TPL box is empty every edit goes back to the stored value.
        {"typed with a TPL box empty", kTot, {Typed("300")}, "60", 6, -1, true},
        {"up-down with a TPL box empty", kTot, {UpDownTo(90)}, "60", 6, -1, true},
        {"arrow with a TPL box empty", kTot, {kUp}, "60", 6, -1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TimedModel o(c.lookBackByte);
        if (c.tplEmpty) {
            ASSERT_TRUE(o.model.SetUserTplText(Side::Tx, 2, "").ok);
        }
        o.model.TakeChanges();
        for (const Gesture& g : c.gestures) EXPECT_TRUE(o.run(c.field, g).messages.empty());
        const auto k = static_cast<std::size_t>(c.field);
        EXPECT_EQ(o.model.copies().timingTexts[k], c.text);
        EXPECT_EQ(o.state.image.byte(kTimingFields[k].byte), c.byte);
        if (c.upDown >= 0) {
            EXPECT_EQ(o.model.copies().timingUpDown[k], c.upDown);
        }
        // Only the timing fields repaint.
        EXPECT_EQ(o.model.TakeChanges().sections & ~static_cast<unsigned>(Section::Timing), 0u);
    }
}

}  // namespace
}  // namespace vantrel::testing
