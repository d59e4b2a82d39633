#pragma once
// The printer as a page surface: a painter on a QPrinter (paper or PDF) with
// its origin at the top-left corner of the printable area. begin() starts
// the printer document, newPage() moves to the top of the next sheet and end() sends it.
#include <QPainter>

#include "report/print/PainterSurface.h"

class QPrinter;

namespace vantrel::report {

class PrinterSurface : public PainterSurface {
public:
    explicit PrinterSurface(QPrinter& printer);
    ~PrinterSurface() override;

    bool begin();
    bool newPage();
    bool end();
    bool isActive() const { return painter_.isActive(); }

    // Paper cannot be blanked or saved, and its size is the printer's.
    void clearPicture() override {}
    bool saveImage(const std::string&) override { return false; }
    void setSizeTwips(double, double) override {}
    double widthTwips() const override;
    double heightTwips() const override;

protected:
    QPainter& painter() override { return painter_; }
    double pixelWidth() const override;
    double pixelHeight() const override;
    double dpiX() const override;
    double dpiY() const override;

private:
    QPrinter& printer_;
    QPainter painter_;
};

}  // namespace vantrel::report
