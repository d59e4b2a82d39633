#include "model/TimingFields.h"

#include <algorithm>
#include "base/NumberText.h"
#include "codeplug/TimeOptions.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

bool TimingFields::loadTiming(int field) {
    const auto k = static_cast<std::size_t>(field);
    const TimingField& f = kTimingFields[k];
    const int b = state_.image.byte(f.byte);
    const int value = b * f.unit;
    const bool lookBack = f.byte == bm::LookBackTime;
    if (lookBack && b <= 2) copies_.timingMin[k] = kLookBackLowMin;
    if (value < copies_.timingMin[k] || value > f.udMax || value > 32767) return false;
    if (value != copies_.timingUpDown[k]) {
        copies_.timingUpDown[k] = value;
        if (allTplFilled()) state_.image.setByte(f.byte, static_cast<std::uint8_t>(value / f.unit));
    }
    if (lookBack && b > 2) copies_.timingMin[k] = f.udMin;
    return true;
}

void TimingFields::loadTimeOptions(Messages& out) {
    for (int i = 0; i < 5; ++i) {
        if (loadTiming(i)) continue;
        out.push_back(Tell(kTimeOptionInvalid));
        ResetTimeOptions(state_.image);
        // Every field shows what the image now holds, so display and bytes agree.
        for (int r = 0; r < 5; ++r) loadTiming(r);
        return;
    }
}

void TimingFields::showTimeOptions() {
    for (int i = 0; i < 5; ++i) setTimingText(i, std::to_string(copies_.timingUpDown[static_cast<std::size_t>(i)]));
}

void TimingFields::setTimingText(int field, const std::string& text) {
    const auto k = static_cast<std::size_t>(field);
    if (text == copies_.timingTexts[k]) return;
    copies_.timingTexts[k] = text;
    const TimingField& f = kTimingFields[k];
    if (!allTplFilled()) {
        // An empty TPL box blocks timing edits: the field returns to the stored value.
        copies_.timingTexts[k] = std::to_string(state_.image.byte(f.byte) * f.unit);
        return;
    }
    const auto b = timingByteFromText(text, f.unit);
    // A text that is no storable value is refused; leaving the field shows the byte again.
    if (!b) return;
    state_.image.setByte(f.byte, *b);
    copies_.timingUpDown[k] = std::clamp(*b * f.unit, copies_.timingMin[k], f.udMax);
}

EditResult TimingFields::SetTimingText(int field, const std::string& text) {
    if (field < 0 || field >= 5) return {{}, false};
    state_.dataChanged = true;
    TypeTimingText(field, text);
    const EditResult left = LeaveTimingField(field);
    const bool ok = left.ok && timingByteFromText(text, kTimingFields[static_cast<std::size_t>(field)].unit).has_value();
    return {left.messages, ok};
}

EditResult TimingFields::TypeTimingText(int field, const std::string& text) {
    if (field < 0 || field >= 5) return {{}, false};
    setTimingText(field, text);
    return {take(), true};
}

EditResult TimingFields::LeaveTimingField(int field) {
    if (field < 0 || field >= 5) return {{}, false};
    const auto k = static_cast<std::size_t>(field);
    const TimingField& f = kTimingFields[k];
    int stored = state_.image.byte(f.byte) * f.unit;
    // Typing stores every keystroke's value, "999" in a 50-500 ms field too;
    // the field is left with the nearest value in its range, as its up-down
    // would give: the radio takes no other, and a file holding one would
    // load as "Time Option value is Invalid".
    const int inRange = std::clamp(stored, copies_.timingMin[k], f.udMax);
    if (inRange != stored && allTplFilled()) {
        stored = inRange;
        state_.image.setByte(f.byte, static_cast<std::uint8_t>(stored / f.unit));
        copies_.timingUpDown[k] = stored;
    }
    const auto typed = StrictInt(copies_.timingTexts[k]);
    const bool ok = typed && *typed == stored;
    if (!ok) copies_.timingTexts[k] = std::to_string(stored);
    return {take(), ok};
}

// A timing byte outside its field's range never leaves the program (an undo
// or a field never left can hold one): the radio takes no other value, and
// the file would load as "Time Option value is Invalid". It goes to the
// nearest limit, as leaving the field does.
void TimingFields::keepTimingInRange() {
    for (std::size_t k = 0; k < kTimingFields.size(); ++k) {
        const TimingField& f = kTimingFields[k];
        const int stored = state_.image.byte(f.byte) * f.unit;
        const int inRange = std::clamp(stored, copies_.timingMin[k], f.udMax);
        if (inRange == stored) continue;
        state_.image.setByte(f.byte, static_cast<std::uint8_t>(inRange / f.unit));
        copies_.timingUpDown[k] = inRange;
        copies_.timingTexts[k] = std::to_string(inRange);
    }
}

EditResult TimingFields::MoveTimingUpDown(int field, int value) {
    if (field < 0 || field >= 5) return {{}, false};
    const auto k = static_cast<std::size_t>(field);
    const TimingField& f = kTimingFields[k];
    const int v = std::clamp(value, copies_.timingMin[k], f.udMax);
    if (v == copies_.timingUpDown[k]) return {{}, false};
    copies_.timingUpDown[k] = v;
    if (allTplFilled()) state_.image.setByte(f.byte, static_cast<std::uint8_t>(v / f.unit));
    // The up-down shows its value in its box; the box's change does the rest.
    setTimingText(field, std::to_string(v));
    return {take(), true};
}

EditResult TimingFields::ArrowTimingKey(int field, bool up) {
    if (field < 0 || field >= 5) return {{}, false};
    const auto k = static_cast<std::size_t>(field);
    const TimingField& f = kTimingFields[k];
    const auto typed = StrictInt(copies_.timingTexts[k]);
    int v = typed ? *typed : state_.image.byte(f.byte) * f.unit;
    if (up) v = v >= f.arrowMax ? f.arrowMax : v + f.unit;
    else v = v <= f.arrowMin ? f.arrowMin : v - f.unit;
    setTimingText(field, std::to_string(v));
    return {take(), true};
}

}  // namespace vantrel
