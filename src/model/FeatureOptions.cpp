#include "model/FeatureOptions.h"

#include "base/NumberText.h"
#include "codeplug/ByteMap.h"
#include "model/ModelTexts.h"

namespace vantrel {

namespace bm = bytemap;
using namespace modeltext;

namespace {

// Indexed by Feature, which is also the order showFeatureOptions sets them in.
constexpr bm::optionbit::Field kFeatureBits[6] = {
    bm::optionbit::TalkbackScan, bm::optionbit::BatterySave, bm::optionbit::Tot,
    bm::optionbit::PriorityScan, bm::optionbit::NormalScan, bm::optionbit::QuickKey,
};

std::size_t at(Feature f) { return static_cast<std::size_t>(f); }

}  // namespace

void FeatureOptions::featureClicked(Feature f, bool on) {
    const unsigned mask = kFeatureBits[at(f)].mask;
    const unsigned v = state_.image.byte(bm::OptionFlags);
    state_.image.setByte(bm::OptionFlags, static_cast<std::uint8_t>(on ? (v | mask) : (v & ~mask)));
}

void FeatureOptions::setChecked(Feature f, bool on) {
    if (copies_.features[at(f)] == on) return;
    copies_.features[at(f)] = on;
    if (f == Feature::PriorityScan) prioScanClicked(on);
    else featureClicked(f, on);
}

bool FeatureOptions::priorityChannelEmpty() const {
    const auto v = StrictInt(copies_.priorityText);
    if (!v) return false;
    for (int c : copies_.channelList) {
        if (c != *v) continue;
        return cell(c, kColRxFrequency).text.empty() || cell(c, kColTxFrequency).text.empty();
    }
    return false;
}

void FeatureOptions::prioScanClicked(bool on) {
    if (!on) {
        featureClicked(Feature::PriorityScan, false);
        return;
    }
    // Normal Scan and Priority Scan exclude each other.
    setChecked(Feature::NormalScan, false);
    featureClicked(Feature::PriorityScan, true);
    if (!state_.loadingImage && priorityChannelEmpty()) {
        pending_.push_back(Tell(PriorityNotInScanList(25)));
        state_.prioChannelError = true;
        return;
    }
    priority_.priorityChanged();
}

void FeatureOptions::showFeatureOptions() {
    for (std::size_t i = 0; i < 6; ++i)
        setChecked(static_cast<Feature>(i), state_.image.bit(bm::OptionFlags, kFeatureBits[i].readBit));
}

EditResult FeatureOptions::SetFeature(Feature f, bool on) {
    state_.dataChanged = true;
    setChecked(f, on);
    return {take(), feature(f) == on};
}

}  // namespace vantrel
