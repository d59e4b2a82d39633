#include "gui/report/ImageView.h"

#include <QPainter>

namespace vantrel::report {

ImageView::ImageView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void ImageView::setImage(const QImage& image, const QRect& target) {
    image_ = image;
    target_ = target;
    update();
}

void ImageView::clearImage() {
    image_ = QImage();
    update();
}

void ImageView::paintEvent(QPaintEvent*) {
    if (image_.isNull()) return;
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(target_.isEmpty() ? rect() : target_, image_);
}

}  // namespace vantrel::report
