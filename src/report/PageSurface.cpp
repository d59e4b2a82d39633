#include "report/PageSurface.h"

namespace vantrel::report {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kCmPerInch = 2.54;

// Device pixels per unit for the fixed unit codes.
double PixelsPerUnit(int mode, double dpi) {
    switch (mode) {
    case kTwips: return dpi / kTwipsPerInch;
    case kInches: return dpi;
    case kCentimetres: return dpi / kCmPerInch;
    default: return 1.0;   // pixels
    }
}

}  // namespace

void PageSurface::print(const std::string& text, bool sameLine) {
    drawText(currentX, currentY, text);
    if (sameLine) {
        currentX += textWidth(text);
    } else {
        currentY += textHeight(text);
        currentX = scaleLeft();
    }
}

void PageSurface::printRotated(const std::string& text, int degrees) {
    drawRotatedText(currentX, currentY, text, degrees);
    currentX += textWidth(text);
}

void PageSurface::line(double x1, double y1, double x2, double y2) {
    drawLine(x1, y1, x2, y2);
    currentX = x2;
    currentY = y2;
}

void PageSurface::box(double x1, double y1, double x2, double y2, Color color) {
    drawBox(x1, y1, x2, y2, color);
    currentX = x2;
    currentY = y2;
}

void PageSurface::circle(double x, double y, double radius, Color color, double aspect) {
    drawCircle(x, y, radius, color, aspect);
    currentX = x;
    currentY = y;
}

void PageSurface::cls() {
    clearPicture();
    currentX = scaleLeft();
    currentY = scaleTop();
}

// Changing the scale keeps the position where it is on the page.
void PageSurface::setScaleMode(int mode) {
    const double px = currentX * unitsToPixelsX();
    const double py = currentY * unitsToPixelsY();
    scaleMode_ = mode;
    restorePosition(px, py);
}

void PageSurface::scale(double width, double height) {
    if (width == 0 || height == 0) return;
    const double px = currentX * unitsToPixelsX();
    const double py = currentY * unitsToPixelsY();
    scaleMode_ = kUserScale;
    userWidth_ = width;
    userHeight_ = height;
    restorePosition(px, py);
}

void PageSurface::restorePosition(double px, double py) {
    const double fx = unitsToPixelsX();
    const double fy = unitsToPixelsY();
    if (fx != 0) currentX = px / fx;
    if (fy != 0) currentY = py / fy;
}

double PageSurface::unitsToPixelsX() const {
    if (scaleMode_ == kUserScale) return userWidth_ != 0 ? pixelWidth() / userWidth_ : 1.0;
    return PixelsPerUnit(scaleMode_, dpiX());
}

double PageSurface::unitsToPixelsY() const {
    if (scaleMode_ == kUserScale) return userHeight_ != 0 ? pixelHeight() / userHeight_ : 1.0;
    return PixelsPerUnit(scaleMode_, dpiY());
}

double PageSurface::scaleWidth() const { return pixelWidth() / unitsToPixelsX(); }
double PageSurface::scaleHeight() const { return pixelHeight() / unitsToPixelsY(); }

}  // namespace vantrel::report
