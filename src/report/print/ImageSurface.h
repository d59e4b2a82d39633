#pragma once
// The preview page: a bitmap at screen resolution that the engine draws on
// and saves as a BMP page file, and that shows a page file read back.
#include <QImage>
#include <QPainter>
#include <QString>

#include "report/print/PainterSurface.h"

namespace vantrel::report {

class ImageSurface : public PainterSurface {
public:
    // dpi: the screen's logical resolution (96 unless the screen says otherwise).
    explicit ImageSurface(double dpi = 96);
    ~ImageSurface() override;

    const QImage& image() const { return image_; }
    // Replaces the page with a page file; false when it cannot be read.
    bool loadImage(const QString& path);

    // A rule the printer draws one dot wide is far finer than a screen
    // pixel: the preview draws it light, as fine as it will look on paper,
    // not as a black border.
    void drawLine(double x1, double y1, double x2, double y2) override;

    void clearPicture() override;
    bool saveImage(const std::string& path) override;
    void setSizeTwips(double width, double height) override;
    double widthTwips() const override;
    double heightTwips() const override;

protected:
    QPainter& painter() override;
    double pixelWidth() const override { return image_.width(); }
    double pixelHeight() const override { return image_.height(); }
    double dpiX() const override { return dpi_; }
    double dpiY() const override { return dpi_; }

private:
    void resetImage(QImage image);

    double dpi_;
    QImage image_;
    QPainter painter_;
};

}  // namespace vantrel::report
