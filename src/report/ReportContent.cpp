#include "report/ReportContent.h"

#include <algorithm>

namespace vantrel::report {

namespace {

const char* const kShortPressNames[] = {
    "Hi/Lo Power", "Volume Set", "Monitor",    "Sticky Monitor",    "Scan",
    "Repeater/Talkaround", "PL/DPL", "Unassigned", "Battery Save Mode", "Squelch",
    "Nuisance Channel Delete", "Button Lock",
};

// Which short-press positions admit a long-press code.
enum Admits { kGeneral, kUpToSquelch, kMonitorOnly, kScanOnly };

struct LongPress {
    int code;
    const char* name;
    Admits admits;
};

const LongPress kLongPress[] = {
    {1, "Hi/Lo Power", kGeneral},        {2, "Volume Set", kGeneral},
    {4, "Sticky Monitor", kMonitorOnly}, {6, "Repeater/Talkaround", kGeneral},
    {7, "PL/DPL", kGeneral},             {8, "Unassigned", kUpToSquelch},
    {9, "Battery Save Mode", kGeneral},  {10, "Squelch", kGeneral},
    {11, "Nuisance Channel Delete", kScanOnly}, {12, "Button Lock", kGeneral},
};

bool Admitted(Admits admits, int p) {
    switch (admits) {
    case kGeneral: return p == 0 || (p >= 4 && p <= 9);
    case kUpToSquelch: return p >= 0 && p <= 9;
    case kMonitorOnly: return p == 2;
    case kScanOnly: return p == 4;
    }
    return false;
}

}  // namespace

const char* OnOff(bool ticked) { return ticked ? "On" : "Off"; }

std::string ShortPressName(int position) {
    const int count = static_cast<int>(std::size(kShortPressNames));
    return position >= 0 && position < count ? kShortPressNames[position] : "";
}

std::string LongPressName(int code, int shortPressPosition) {
    for (const auto& entry : kLongPress)
        if (entry.code == code) return Admitted(entry.admits, shortPressPosition) ? entry.name : "";
    return "";
}

int ReportChannelCount(int count) { return std::clamp(count, 0, kReportMaxChannels); }

}  // namespace vantrel::report
