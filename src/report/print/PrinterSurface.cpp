#include "report/print/PrinterSurface.h"

#include <QPrinter>

namespace vantrel::report {

PrinterSurface::PrinterSurface(QPrinter& printer) : printer_(printer) {}

PrinterSurface::~PrinterSurface() {
    if (painter_.isActive()) painter_.end();
}

bool PrinterSurface::begin() {
    if (!painter_.begin(&printer_)) return false;
    painter_.setRenderHint(QPainter::TextAntialiasing);
    return true;
}

bool PrinterSurface::newPage() {
    if (!painter_.isActive() || !printer_.newPage()) return false;
    currentX = scaleLeft();
    currentY = scaleTop();
    return true;
}

bool PrinterSurface::end() { return painter_.isActive() && painter_.end(); }

double PrinterSurface::pixelWidth() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).width();
}

double PrinterSurface::pixelHeight() const {
    return printer_.pageLayout().paintRectPixels(printer_.resolution()).height();
}

double PrinterSurface::dpiX() const { return printer_.resolution(); }
double PrinterSurface::dpiY() const { return printer_.resolution(); }

double PrinterSurface::widthTwips() const { return pixelWidth() * 1440.0 / dpiX(); }
double PrinterSurface::heightTwips() const { return pixelHeight() * 1440.0 / dpiY(); }

}  // namespace vantrel::report
