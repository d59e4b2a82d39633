#include "codeplug/TimeOptions.h"

#include <cmath>
#include <cstdlib>

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
    image.setByte(bm::Fixed60, 60);
    image.setByte(bm::Fixed20, 20);
    image.setByte(bm::Fixed10, 10);
}

long roundHalfEven(double x) {
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5) r = 2.0 * std::round(x / 2.0);
    return static_cast<long>(r);
}

std::optional<std::uint8_t> timingByteFromText(const std::string& text, int unit) {
    std::size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    std::size_t e = text.find_last_not_of(' ');
    std::string t = text.substr(b, e - b + 1);
    char* end = nullptr;
    double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(v)) return std::nullopt;
    // strtod also reads hex and "inf"; only plain decimal numbers are values here.
    if (t.find_first_not_of("0123456789.+-") != std::string::npos) return std::nullopt;
    long q = roundHalfEven(v / unit);
    if (q < 0 || q > 255) return std::nullopt;
    return static_cast<std::uint8_t>(q);
}

}  // namespace vantrel
