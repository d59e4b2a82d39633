#pragma once
// Contrast of text against its background, as accessibility guidelines
// measure it, and text colours chosen to read on a given background. A
// colour the program fixes (a warning's red, a focused box's tint) goes
// through these so that it reads on light and dark desktops alike.
#include <QColor>

namespace vantrel {

// Text that must be read needs this contrast against its background.
constexpr double kReadableContrast = 4.5;

// The contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// Black or white, whichever reads better on the background.
QColor TextOn(const QColor& background);

// `preferred` where it reads on the background; otherwise that colour moved
// toward black or white (whichever reads better there) until it does, so a
// red stays a red as far as the background allows.
QColor ReadableOn(const QColor& background, const QColor& preferred);

}  // namespace vantrel
