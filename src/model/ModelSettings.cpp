// The radio-wide settings, the priority channel box and the user TPL boxes:
// each setter runs the change handler the editor's control runs, and only
// when the value really changes, as a control's change event does.
#include <algorithm>
#include <climits>

#include "base/NumberText.h"
#include "codeplug/ButtonFunctions.h"
#include "codeplug/TimeOptions.h"
#include "model/EditingModel.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

namespace {

// Indexed by Feature, which is also the order ShowFeatureOptions sets them in.
constexpr bm::optionbit::Field kFeatureBits[6] = {
    bm::optionbit::TalkbackScan, bm::optionbit::BatterySave, bm::optionbit::Tot,
    bm::optionbit::PriorityScan, bm::optionbit::NormalScan, bm::optionbit::QuickKey,
};

std::size_t at(Feature f) { return static_cast<std::size_t>(f); }

// A box's numeric value: its leading number rounded, 0 when there is none.
// A whole number and nothing else (blanks around it allowed), as the
// editor's integer boxes read it.
std::optional<int> strictInt(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    std::string t = text.substr(first, last - first + 1);
    std::size_t k = (t[0] == '+' || t[0] == '-') ? 1 : 0;
    if (k == t.size()) return std::nullopt;
    long long v = 0;
    for (std::size_t i = k; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return std::nullopt;
        v = v * 10 + (t[i] - '0');
        if (v > INT_MAX) return std::nullopt;
    }
    return static_cast<int>(t[0] == '-' ? -v : v);
}

}  // namespace

// ---- Priority channel box -----------------------------------------------------

void EditingModel::setPriorityUpDown(int value, bool quiet) {
    const int clamped = std::clamp(value, 1, copies_.priorityMax);
    if (clamped == copies_.priorityUpDown) return;
    copies_.priorityUpDown = clamped;
    if (quiet) return;
    // The up-down steps its buddy box; the box's change does the rest.
    if (BoxNumber(copies_.priorityText) != clamped || copies_.priorityText.empty())
        setPriorityBox(std::to_string(clamped));
}

void EditingModel::setPriorityMaximum(int max) {
    copies_.priorityMax = max;
    if (copies_.priorityUpDown > max) setPriorityUpDown(max, false);
}

void EditingModel::setPriorityBox(const std::string& text) {
    if (text == copies_.priorityText) return;
    copies_.priorityText = text;
    priorityChanged();
}

void EditingModel::showPriorityChannel() {
    const int stored = state_.image.byte(bm::PrioScanChNo);
    setPriorityUpDown(stored, true);
    setPriorityBox(std::to_string(stored));
}

void EditingModel::priorityChanged() {
    if (allTplFilled()) {
        storePriorityText();
        return;
    }
    // While a TPL box is empty the edit is undone, back to the stored number.
    const int stored = state_.image.byte(bm::PrioScanChNo);
    if (BoxNumber(copies_.priorityText) != stored) {
        setPriorityBox(std::to_string(stored));
        return;
    }
    storePriorityText();
}

bool EditingModel::storePriorityText() {
    const int v = BoxNumber(copies_.priorityText);
    bool outside = false;
    if (priorityScanTicked() && !state_.loadingImage) {
        // The position after the last item reads as an empty item, value 0.
        const std::size_t n = copies_.channelList.size();
        for (std::size_t i = 0; i <= n; ++i) {
            if ((i < n ? copies_.channelList[i] : 0) != v) continue;
            pending_.push_back(Tell(PriorityNotInScanList()));
            state_.prioChannelError = true;
            setPriorityUpDown(v, true);
            outside = true;
            break;
        }
    }
    const int count = state_.image.byte(bm::ChannelCount);
    if (v > count) {
        // Stored before the box changes, so that an undo running on that
        // change aims at the limit and not back above it.
        state_.image.setByte(bm::PrioScanChNo, static_cast<std::uint8_t>(count));
        setPriorityBox(std::to_string(count));
        return outside;
    }
    state_.image.setByte(bm::PrioScanChNo, static_cast<std::uint8_t>(std::clamp(v, 0, 255)));
    if (v >= 1 && v <= copies_.priorityMax) setPriorityUpDown(v, true);
    return outside;
}

EditResult EditingModel::SetPriorityText(const std::string& text) {
    state_.dataChanged = true;
    setPriorityBox(text);
    EditResult r{take(), true};
    r.ok = state_.image.byte(bm::PrioScanChNo) == BoxNumber(text) && r.messages.empty();
    return r;
}

// ---- Feature check boxes ------------------------------------------------------

void EditingModel::featureClicked(Feature f, bool on) {
    const unsigned mask = kFeatureBits[at(f)].mask;
    const unsigned v = state_.image.byte(bm::OptionFlags);
    state_.image.setByte(bm::OptionFlags, static_cast<std::uint8_t>(on ? (v | mask) : (v & ~mask)));
}

void EditingModel::setChecked(Feature f, bool on) {
    if (copies_.features[at(f)] == on) return;
    copies_.features[at(f)] = on;
    if (f == Feature::PriorityScan) prioScanClicked(on, pending_);
    else featureClicked(f, on);
}

bool EditingModel::priorityChannelEmpty() const {
    const auto v = strictInt(copies_.priorityText);
    if (!v) return false;
    for (int c : copies_.channelList) {
        if (c != *v) continue;
        return cell(c, kColRxFrequency).text.empty() || cell(c, kColTxFrequency).text.empty();
    }
    return false;
}

void EditingModel::prioScanClicked(bool on, Messages& out) {
    if (!on) {
        featureClicked(Feature::PriorityScan, false);
        return;
    }
    // Normal Scan and Priority Scan exclude each other.
    setChecked(Feature::NormalScan, false);
    featureClicked(Feature::PriorityScan, true);
    if (!state_.loadingImage && priorityChannelEmpty()) {
        out.push_back(Tell(PriorityNotInScanList(25)));
        state_.prioChannelError = true;
        return;
    }
    priorityChanged();
}

void EditingModel::showFeatureOptions() {
    for (std::size_t i = 0; i < 6; ++i)
        setChecked(static_cast<Feature>(i), state_.image.bit(bm::OptionFlags, kFeatureBits[i].readBit));
}

EditResult EditingModel::SetFeature(Feature f, bool on) {
    state_.dataChanged = true;
    setChecked(f, on);
    return {take(), feature(f) == on};
}

// ---- Timing fields ------------------------------------------------------------

bool EditingModel::allTplFilled() const {
    for (int i = 0; i < 3; ++i)
        if (copies_.tpl.rx[static_cast<std::size_t>(i)].empty() || copies_.tpl.tx[static_cast<std::size_t>(i)].empty())
            return false;
    return true;
}

bool EditingModel::loadTiming(int field) {
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

void EditingModel::loadTimeOptions(Messages& out) {
    for (int i = 0; i < 5; ++i) {
        if (loadTiming(i)) continue;
        out.push_back(Tell(kTimeOptionInvalid));
        ResetTimeOptions(state_.image);
        // Every field shows what the image now holds, so display and bytes agree.
        for (int r = 0; r < 5; ++r) loadTiming(r);
        return;
    }
}

void EditingModel::showTimeOptions() {
    for (int i = 0; i < 5; ++i) setTimingText(i, std::to_string(copies_.timingUpDown[static_cast<std::size_t>(i)]));
}

void EditingModel::setTimingText(int field, const std::string& text) {
    const auto k = static_cast<std::size_t>(field);
    if (text == copies_.timingTexts[k]) return;
    copies_.timingTexts[k] = text;
    if (restoringTiming_) return;
    const TimingField& f = kTimingFields[k];
    if (!allTplFilled()) {
        // An empty TPL box blocks timing edits: the field returns to the stored value.
        restoringTiming_ = true;
        copies_.timingTexts[k] = std::to_string(state_.image.byte(f.byte) * f.unit);
        restoringTiming_ = false;
        return;
    }
    const auto b = timingByteFromText(text, f.unit);
    // A text that is no storable value is refused; leaving the field shows the byte again.
    if (!b) return;
    state_.image.setByte(f.byte, *b);
    copies_.timingUpDown[k] = std::clamp(*b * f.unit, copies_.timingMin[k], f.udMax);
}

EditResult EditingModel::SetTimingText(int field, const std::string& text) {
    if (field < 0 || field >= 5) return {{}, false};
    state_.dataChanged = true;
    TypeTimingText(field, text);
    const EditResult left = LeaveTimingField(field);
    const bool ok = left.ok && timingByteFromText(text, kTimingFields[static_cast<std::size_t>(field)].unit).has_value();
    return {left.messages, ok};
}

EditResult EditingModel::TypeTimingText(int field, const std::string& text) {
    if (field < 0 || field >= 5) return {{}, false};
    setTimingText(field, text);
    return {take(), true};
}

EditResult EditingModel::LeaveTimingField(int field) {
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
    const auto typed = strictInt(copies_.timingTexts[k]);
    const bool ok = typed && *typed == stored;
    if (!ok) {
        restoringTiming_ = true;
        copies_.timingTexts[k] = std::to_string(stored);
        restoringTiming_ = false;
    }
    return {take(), ok};
}

// A timing byte outside its field's range never leaves the program (an undo
// or a field never left can hold one): the radio takes no other value, and
// the file would load as "Time Option value is Invalid". It goes to the
// nearest limit, as leaving the field does.
void EditingModel::keepTimingInRange() {
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

EditResult EditingModel::MoveTimingUpDown(int field, int value) {
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

EditResult EditingModel::ArrowTimingKey(int field, bool up) {
    if (field < 0 || field >= 5) return {{}, false};
    const auto k = static_cast<std::size_t>(field);
    const TimingField& f = kTimingFields[k];
    const auto typed = strictInt(copies_.timingTexts[k]);
    int v = typed ? *typed : state_.image.byte(f.byte) * f.unit;
    if (up) v = v >= f.arrowMax ? f.arrowMax : v + f.unit;
    else v = v <= f.arrowMin ? f.arrowMin : v - f.unit;
    setTimingText(field, std::to_string(v));
    return {take(), true};
}

// ---- Programmable buttons -------------------------------------------------------

void EditingModel::buildShortPressLists(bool full) {
    copies_.shortLists = {buttons::shortPressTexts(full), buttons::shortPressTexts(full)};
    copies_.shortPosition = {-1, -1};
}

void EditingModel::showButtonCodes() {
    selectShort(0, state_.image.byte(bm::ButtonCodeS1) - 1);
    selectShort(1, state_.image.byte(bm::ButtonCodeS2) - 1);
}

void EditingModel::selectShort(int button, int position) {
    const auto b = static_cast<std::size_t>(button);
    const int count = static_cast<int>(copies_.shortLists[b].size());
    // A list selects nothing for a position it does not have.
    copies_.shortPosition[b] = position >= 0 && position < count ? position : -1;
    shortChanged(button);
}

void EditingModel::selectLong(int button, int position) {
    const auto b = static_cast<std::size_t>(button);
    const int count = copies_.longBasis[b] < 0
                          ? 0
                          : static_cast<int>(buttons::longPressList(copies_.longBasis[b], state_.image.byte(bm::RadioType))
                                                 .entries.size());
    copies_.longPosition[b] = position >= 0 && position < count ? position : -1;
    longChanged(button);
}

void EditingModel::shortChanged(int button) {
    const auto b = static_cast<std::size_t>(button);
    const std::size_t shortByte = button == 0 ? bm::ButtonCodeS1 : bm::ButtonCodeS2;
    const std::size_t longByte = button == 0 ? bm::ButtonCodeL1 : bm::ButtonCodeL2;
    const int p = copies_.shortPosition[b];
    if (p < 0) {
        // No short-press function: the long-press list keeps its entries but
        // selects nothing and stores nothing.
        copies_.longPosition[b] = -1;
        copies_.longBasis[b] = -1;
        return;
    }
    if (p + 1 != state_.image.byte(shortByte)) state_.dataChanged = true;
    copies_.longBasis[b] = p;
    const auto list = buttons::longPressList(p, state_.image.byte(bm::RadioType));
    copies_.longPosition[b] = -1;
    int select = list.defaultPosition;
    if (state_.loadingImage) {
        select = -1;
        const int stored = state_.image.byte(longByte);
        for (std::size_t i = 0; i < list.codes.size(); ++i)
            if (list.codes[i] == stored) {
                select = static_cast<int>(i);
                break;
            }
    }
    selectLong(button, select);
    if (!suppressButtonWrite_) state_.image.setByte(shortByte, static_cast<std::uint8_t>(p + 1));
}

void EditingModel::longChanged(int button) {
    const auto b = static_cast<std::size_t>(button);
    const std::size_t longByte = button == 0 ? bm::ButtonCodeL1 : bm::ButtonCodeL2;
    const int pos = copies_.longPosition[b];
    const auto codes = buttons::longPressList(copies_.longBasis[b], state_.image.byte(bm::RadioType)).codes;
    if (pos < 0 || pos >= static_cast<int>(codes.size())) return;
    const int code = codes[static_cast<std::size_t>(pos)];
    if (code != state_.image.byte(longByte)) state_.dataChanged = true;
    state_.image.setByte(longByte, static_cast<std::uint8_t>(code));
}

EditResult EditingModel::ChooseShortPress(int button, int position) {
    if (button < 0 || button > 1) return {{}, false};
    selectShort(button, position);
    return {take(), copies_.shortPosition[static_cast<std::size_t>(button)] == position};
}

EditResult EditingModel::ChooseLongPress(int button, int position) {
    if (button < 0 || button > 1) return {{}, false};
    selectLong(button, position);
    return {take(), copies_.longPosition[static_cast<std::size_t>(button)] == position};
}

// ---- User TPL boxes -------------------------------------------------------------

void EditingModel::setTplBox(Side side, int i, const std::string& text) {
    // The boxes hold at most five characters.
    const std::string t = text.substr(0, 5);
    std::string& box = copies_.tpl.box(side, i);
    if (t == box) return;
    box = t;
    if (clearingTpl_) return;
    if (UserTplTextRefused(t)) {
        pending_.push_back(Tell(kInvalidFrequency));
        clearingTpl_ = true;
        box.clear();
        clearingTpl_ = false;
    }
}

void EditingModel::showUserTpl() {
    UserTplBoxes b = copies_.tpl;
    vantrel::ShowUserTpl(state_.image, b);
    for (int i = 0; i < 3; ++i) {
        setTplBox(Side::Rx, i, b.rx[static_cast<std::size_t>(i)]);
        setTplBox(Side::Tx, i, b.tx[static_cast<std::size_t>(i)]);
    }
}

bool EditingModel::encodeUserTpl(Side side, int i, Messages& out) {
    const bool ok = side == Side::Tx ? EncodeTxUserTpl(state_.image, copies_.tpl, i)
                                     : EncodeRxUserTpl(state_.image, copies_.tpl, i);
    if (ok) return true;
    out.push_back(Tell(kInvalidFrequency));
    if (copies_.tab == 1) SelectTab(0);
    setTplBox(side, i, "");
    return false;
}

EditResult EditingModel::SetUserTplText(Side side, int i, const std::string& text) {
    if (i < 0 || i > 2) return {{}, false};
    state_.dataChanged = true;
    setTplBox(side, i, text);
    return {take(), copies_.tpl.box(side, i) == text};
}

EditResult EditingModel::CommitUserTpl(Side side, int i) {
    if (i < 0 || i > 2) return {{}, false};
    EditResult r;
    if (UserTplEnterIgnored(copies_.tpl.box(side, i))) return r;
    if (auto t = ReformatUserTplText(copies_.tpl.box(side, i))) setTplBox(side, i, *t);
    r.ok = encodeUserTpl(side, i, r.messages);
    Messages more = take();
    r.messages.insert(r.messages.end(), more.begin(), more.end());
    return r;
}

EditResult EditingModel::LeaveUserTpl(Side side, int i) {
    if (i < 0 || i > 2) return {{}, false};
    if (copies_.tpl.box(side, i).empty()) {
        // A box may not be left empty: the first tab shows it.
        if (copies_.tab == 1) SelectTab(0);
        return {{Tell(kInvalidFrequency)}, false};
    }
    const auto t = ReformatUserTplText(copies_.tpl.box(side, i));
    if (!t) return {};
    setTplBox(side, i, *t);
    EditResult r;
    r.ok = encodeUserTpl(side, i, r.messages);
    Messages more = take();
    r.messages.insert(r.messages.end(), more.begin(), more.end());
    return r;
}

}  // namespace vantrel
