#include "model/CodeplugDiff.h"

#include "base/Trimmed.h"

#include <algorithm>
#include <utility>

#include "model/DisplayedFields.h"

namespace vantrel {

namespace {

const char* kChannelSection = "Channel ";


std::string shown(const std::string& text) { return text.empty() ? "\"\"" : text; }

}  // namespace

std::vector<FieldDifference> CompareDisplayedFields(const EditingModel& a, const EditingModel& b) {
    const std::vector<DisplayedField> left = DisplayedFields(a);
    std::vector<DisplayedField> right = DisplayedFields(b);
    std::vector<bool> matched(right.size(), false);
    std::vector<FieldDifference> out;
    auto sameField = [](const DisplayedField& x, const DisplayedField& y) {
        return x.section == y.section && x.name == y.name;
    };
    for (const DisplayedField& f : left) {
        const auto it = std::find_if(right.begin(), right.end(), [&](const DisplayedField& g) { return sameField(f, g); });
        std::string other;
        if (it != right.end()) {
            matched[static_cast<std::size_t>(it - right.begin())] = true;
            other = it->text;
        }
        if (f.text != other) out.push_back({f.section, Trimmed(f.name), f.text, other});
    }
    for (std::size_t i = 0; i < right.size(); ++i)
        if (!matched[i] && !right[i].text.empty())
            out.push_back({right[i].section, Trimmed(right[i].name), "", right[i].text});
    return out;
}

std::string DifferenceLine(const FieldDifference& d) {
    std::string where;
    if (d.section.rfind(kChannelSection, 0) == 0) where = "channel " + d.section.substr(std::string(kChannelSection).size()) + " ";
    return where + d.name + " " + shown(d.before) + " -> " + shown(d.after);
}

}  // namespace vantrel
