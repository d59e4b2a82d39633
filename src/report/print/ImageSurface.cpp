#include "report/print/ImageSurface.h"

#include <QBuffer>
#include <cmath>

#include "report/PageFiles.h"

namespace vantrel::report {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kInchesPerMetre = 39.3700787;
// How dark a preview rule is next to black text.
constexpr double kFineRuleOpacity = 0.45;

}  // namespace

ImageSurface::ImageSurface(double dpi) : dpi_(dpi) {
    QImage blank(1, 1, QImage::Format_RGB32);
    resetImage(blank);
    clearPicture();
}

ImageSurface::~ImageSurface() {
    if (painter_.isActive()) painter_.end();
}

void ImageSurface::resetImage(QImage image) {
    if (painter_.isActive()) painter_.end();
    image_ = std::move(image);
    const int dotsPerMetre = static_cast<int>(std::lround(dpi_ * kInchesPerMetre));
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

QPainter& ImageSurface::painter() { return painter_; }

void ImageSurface::clearPicture() { image_.fill(ToQColor(backColor)); }

bool ImageSurface::saveImage(const std::string& path) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image_.save(&buffer, "BMP")) return false;
    return WritePageFile(path, bytes.toStdString());
}

bool ImageSurface::loadImage(const QString& path) {
    QImage loaded;
    if (!loaded.load(path, "BMP")) return false;
    resetImage(loaded.convertToFormat(QImage::Format_RGB32));
    return true;
}

void ImageSurface::setSizeTwips(double width, double height) {
    const int w = std::max(1, static_cast<int>(std::lround(width * dpi_ / kTwipsPerInch)));
    const int h = std::max(1, static_cast<int>(std::lround(height * dpi_ / kTwipsPerInch)));
    if (w == image_.width() && h == image_.height()) return;
    QImage resized(w, h, QImage::Format_RGB32);
    resized.fill(ToQColor(backColor));
    resetImage(resized);
}

double ImageSurface::widthTwips() const { return image_.width() * kTwipsPerInch / dpi_; }
double ImageSurface::heightTwips() const { return image_.height() * kTwipsPerInch / dpi_; }

void ImageSurface::drawLine(double x1, double y1, double x2, double y2) {
    QPainter& p = painter();
    p.save();
    p.setOpacity(kFineRuleOpacity);
    PainterSurface::drawLine(x1, y1, x2, y2);
    p.restore();
}

}  // namespace vantrel::report
