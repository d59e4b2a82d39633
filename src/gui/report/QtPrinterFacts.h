#pragma once
// The engine's printer measurements taken from a QPrinter: the default
// printer, or a PDF printer when none is installed.
#include "report/PrinterFacts.h"

class QPrinter;

namespace vantrel::report {

class QtPrinterFacts : public PrinterFacts {
public:
    explicit QtPrinterFacts(QPrinter& printer) : printer_(printer) {}

    std::optional<int> scaleMode() const override { return mode_; }
    bool setScaleMode(int mode) override {
        mode_ = mode;
        return true;
    }
    std::optional<double> printableWidth() const override;
    std::optional<double> printableHeight() const override;
    std::optional<SurfaceFont> defaultFont() const override { return SurfaceFont{"Arial", 10}; }
    std::optional<Color> foreColor() const override { return kBlack; }
    std::optional<int> copies() const override;
    bool setCopies(int copies) override;
    bool setOrientation(int orientation) override;

private:
    QPrinter& printer_;
    int mode_ = kTwips;
};

}  // namespace vantrel::report
