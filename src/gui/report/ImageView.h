#pragma once
// A plain widget that paints an image into a rectangle of itself: the page
// picture at full size, and the fit-mode picture scaled into its box.
#include <QImage>
#include <QRect>
#include <QWidget>

namespace vantrel::report {

class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);

    // Shows `image` stretched into `target` (an empty target fills the widget).
    void setImage(const QImage& image, const QRect& target = QRect());
    void clearImage();
    const QImage& image() const { return image_; }
    QRect target() const { return target_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image_;
    QRect target_;
};

}  // namespace vantrel::report
