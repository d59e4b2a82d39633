#pragma once
// What the print engine asks of the current printer: its unit, printable
// area, default font, copy count and orientation. The Qt implementation asks
// a QPrinter; FixedPrinter answers for a standard Letter page so that tests
// and the command line need neither a display nor a printer.
#include <optional>
#include <string>

#include "report/PageSurface.h"

namespace vantrel::report {

class PrinterFacts {
public:
    virtual ~PrinterFacts() = default;

    // Each call may fail when there is no usable printer: a failed query
    // returns nullopt, a failed setting returns false.
    virtual std::optional<int> scaleMode() const = 0;
    virtual bool setScaleMode(int mode) = 0;
    // Printable width and height in the printer's current unit.
    virtual std::optional<double> printableWidth() const = 0;
    virtual std::optional<double> printableHeight() const = 0;
    virtual std::optional<SurfaceFont> defaultFont() const = 0;
    virtual std::optional<Color> foreColor() const = 0;
    virtual std::optional<int> copies() const = 0;
    virtual bool setCopies(int copies) = 0;
    virtual bool setOrientation(int orientation) = 0;   // 1 portrait, 2 landscape
};

// Converts inches into a printer unit code (twips, inches, centimetres;
// anything else counts as inches).
double InchesToUnit(double inches, int mode);

// A Letter page (8.5 x 11 in) with quarter-inch margins and Arial 10.
class FixedPrinter : public PrinterFacts {
public:
    double printableWidthInches = 8.0;
    double printableHeightInches = 10.5;
    SurfaceFont font{"Arial", 10};
    int copyCount = 1;
    int orientation = 1;

    std::optional<int> scaleMode() const override { return mode_; }
    bool setScaleMode(int mode) override {
        mode_ = mode;
        return true;
    }
    std::optional<double> printableWidth() const override {
        return InchesToUnit(printableWidthInches, mode_);
    }
    std::optional<double> printableHeight() const override {
        return InchesToUnit(printableHeightInches, mode_);
    }
    std::optional<SurfaceFont> defaultFont() const override { return font; }
    std::optional<Color> foreColor() const override { return kBlack; }
    std::optional<int> copies() const override { return copyCount; }
    bool setCopies(int copies) override {
        copyCount = copies;
        return true;
    }
    bool setOrientation(int value) override {
        orientation = value;
        return true;
    }

private:
    int mode_ = kTwips;
};

}  // namespace vantrel::report
