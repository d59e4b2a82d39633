#include "gui/common/Contrast.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

// Relative luminance of an sRGB colour.
double luminance(const QColor& c) {
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mix(const QColor& from, const QColor& to, double t) {
    const auto at = [t](float a, float b) { return static_cast<float>(a + (b - a) * t); };
    return QColor::fromRgbF(at(from.redF(), to.redF()), at(from.greenF(), to.greenF()), at(from.blueF(), to.blueF()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextOn(const QColor& background) {
    return ContrastRatio(Qt::black, background) >= ContrastRatio(Qt::white, background) ? QColor(Qt::black)
                                                                                          : QColor(Qt::white);
}

QColor ReadableOn(const QColor& background, const QColor& preferred) {
    const QColor extreme = TextOn(background);
    constexpr int kSteps = 20;
    for (int i = 0; i < kSteps; ++i) {
        const QColor c = mix(preferred, extreme, static_cast<double>(i) / kSteps);
        if (ContrastRatio(c, background) >= kReadableContrast) return c;
    }
    return extreme;
}

}  // namespace vantrel
