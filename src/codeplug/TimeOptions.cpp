#include "codeplug/TimeOptions.h"

#include "base/NumberText.h"

namespace vantrel {

namespace bm = bytemap;

const std::array<TimingField, 5> kTimingFields = {{
    {"txtScanSpeedTime", "udScanSpeedTime", "lblScanSpeedTime", " Scan Speed (msec)",
     bm::ScanSpeedTime, 10, 50, 500, 50, 500, 10},
    {"txtScanDelayTime", "udScanDelayTime", "lblScanDelayTime", " Scan Hang Time (msec)",
     bm::ScanDelayTime, 500, 500, 9500, 500, 9500, 8},
    {"txtLookBackTime", "udLookBackTime", "lblLookBackTime", " Scan Interval Time (msec)",
     bm::LookBackTime, 250, 750, 5000, 750, 5000, 16},
    {"txtTotTime", "udTotTime", "lblTotTime", " Tx Time Out Time (sec)", bm::TotTime, 10, 10,
     600, 10, 600, 18},
    {"txtTotPenaltyTime", "udTotPenaltyTime", "lblTotPenaltyTime", " TOT Warning Time (sec)",
     bm::TotPenaltyTime, 1, 1, 10, 1, 10, 5},
}};

void ResetTimeOptions(CodeplugImage& image) {
    for (const auto& f : kTimingFields) image.setByte(f.byte, f.fallback);
    image.setByte(bm::Fixed60, bm::kFixed60Value);
    image.setByte(bm::Fixed20, bm::kFixed20Value);
    image.setByte(bm::Fixed10, bm::kFixed10Value);
}

std::optional<std::uint8_t> timingByteFromText(const std::string& text, int unit) {
    // Read without the desktop locale, exactly, as every typed number is.
    const std::optional<Decimal> v = ParseNumber(text);
    if (!v || v->isHuge()) return std::nullopt;
    static_assert(Decimal::kScale == 9);
    const long long scale = 1000000000LL;
    const long long q = RoundHalfEven(v->scaledUnits(), unit * scale);
    if (q < 0 || q > 255) return std::nullopt;
    return static_cast<std::uint8_t>(q);
}

}  // namespace vantrel
