#pragma once
// A page surface drawn with QPainter: the shared drawing of the preview page
// (ImageSurface) and the printer (PrinterSurface). Fonts named Arial, Times
// New Roman and Courier New resolve to the metric-compatible Liberation
// fonts; the Symbol font's bullet and filler are drawn from Unicode.
#include <QColor>
#include <QFont>
#include <QPainter>
#include <QString>

#include "report/PageSurface.h"

namespace vantrel::report {

QColor ToQColor(Color color);
// The Qt font for a surface font; point sizes follow the device's DPI.
QFont ToQFont(const SurfaceFont& font);
// A surface text as drawn in its font (Symbol characters mapped to Unicode).
QString ToDrawnText(const std::string& text, const SurfaceFont& font);

class PainterSurface : public PageSurface {
public:
    double textWidth(const std::string& text) override;
    double textHeight(const std::string& text) override;
    void paintPicture(const Picture& picture, double x, double y, double width,
                      double height) override;

protected:
    // The painter, active on the device while the surface can draw.
    virtual QPainter& painter() = 0;

    void drawText(double x, double y, const std::string& text) override;
    void drawRotatedText(double x, double y, const std::string& text, int degrees) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawBox(double x1, double y1, double x2, double y2, Color color) override;
    void drawCircle(double x, double y, double radius, Color color, double aspect) override;

private:
    QPointF toDevice(double x, double y) const;
    QPen pen(Color color) const;
    QBrush fillBrush() const;
    void drawTextAt(const QPointF& topLeft, const std::string& text);
};

}  // namespace vantrel::report
