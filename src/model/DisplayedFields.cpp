#include "model/DisplayedFields.h"

#include <algorithm>
#include <cstdio>

#include "codeplug/ButtonFunctions.h"
#include "codeplug/TimeOptions.h"

namespace vantrel {

namespace {

std::string trimLeft(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first);
}

const char* onOff(bool on) { return on ? "On" : "Off"; }

constexpr const char* kColumnNames[kChannelColumnCount] = {
    "Ch No", "Rx Freq.", "PL Option (Rx)", "SQ", "Mute", "Tx Freq.", "PL Option (Tx)",
    "PWR", "TOC", "Rx Only", "Rev Burst", "BCLO", "Band", "TA"};

struct FeatureName {
    const char* section;
    Feature feature;
    const char* name;
};

}  // namespace

std::string ColumnName(int column) {
    return column >= 0 && column < kChannelColumnCount ? kColumnNames[column] : "";
}

std::vector<DisplayedField> DisplayedFields(const EditingModel& model) {
    const EditingCopies& e = model.copies();
    std::vector<DisplayedField> out;
    auto add = [&out](const std::string& section, const std::string& name, const std::string& text) {
        out.push_back({section, trimLeft(name), trimLeft(text)});
    };
    const char* info = "Radio Information";
    add(info, "Model Number", e.modelLabel);
    add(info, "Frequency Range", e.rangeLabel);
    add(info, "Firmware Version", e.firmwareLabel);
    add(info, "Codeplug Version", e.codeplugLabel);
    add(info, "Serial Number", e.serial);
    add(info, "Regional Super Velmar", e.superNumber);

    add("Scan", "Normal Scan Enable", onOff(model.feature(Feature::NormalScan)));
    add("Scan", "Priority Scan Enable", onOff(model.feature(Feature::PriorityScan)));
    for (int i : {kScanSpeed, kScanDelay, kLookBack})
        add("Scan", kTimingFields[static_cast<std::size_t>(i)].caption, e.timingTexts[static_cast<std::size_t>(i)]);
    add("Scan", "Prio. Scan Ch. No.", e.priorityText);
    add("Time Out Timer", "TOT Enable", onOff(model.feature(Feature::Tot)));
    for (int i : {kTot, kTotPenalty})
        add("Time Out Timer", kTimingFields[static_cast<std::size_t>(i)].caption,
            e.timingTexts[static_cast<std::size_t>(i)]);
    add("Features", "Battery Save Mode Enable", onOff(model.feature(Feature::BatterySave)));
    add("Features", "Quick Key Override Enable", onOff(model.feature(Feature::QuickKey)));
    add("Features", "Talkback Scan Enable", onOff(model.feature(Feature::TalkbackScan)));

    const std::uint8_t radioType = model.image().byte(bytemap::RadioType);
    for (int b = 0; b < 2; ++b) {
        const auto k = static_cast<std::size_t>(b);
        const std::string button = "Programmable Button " + std::to_string(b + 1);
        const int p = e.shortPosition[k];
        const auto& shortList = e.shortLists[k];
        add("Programmable Button", button + " Short Press",
            p >= 0 && p < static_cast<int>(shortList.size()) ? shortList[static_cast<std::size_t>(p)] : "");
        const auto longList = buttons::longPressList(e.longBasis[k], radioType).entries;
        const int l = e.longPosition[k];
        add("Programmable Button", button + " Long Press",
            l >= 0 && l < static_cast<int>(longList.size()) ? longList[static_cast<std::size_t>(l)] : "");
    }

    for (int i = 0; i < 3; ++i) {
        const std::string tone = "TPL" + std::to_string(i + 1) + " (Hz)";
        add("User Defined TPL", tone + " RX", e.tpl.rx[static_cast<std::size_t>(i)]);
        add("User Defined TPL", tone + " TX", e.tpl.tx[static_cast<std::size_t>(i)]);
    }

    const int channels = std::min(model.channelCount(), e.gridRows);
    for (int n = 1; n <= channels; ++n)
        for (int c = 1; c < kChannelColumnCount; ++c)
            add("Channel " + std::to_string(n), kColumnNames[c], model.cell(n, c).text);

    std::string scan;
    for (int c : e.scanList) {
        char item[8];
        std::snprintf(item, sizeof item, "%03d", c);
        scan += (scan.empty() ? "" : " ") + std::string(item);
    }
    add("Scan List", "Scan List", scan);
    return out;
}

}  // namespace vantrel
