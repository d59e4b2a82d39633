// The engine's document lifecycle and properties.
#include "report/clsMultiPgPreview.h"

#include <cmath>

#include "report/PageFiles.h"
#include "report/TextUtils.h"

namespace vantrel::report {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerCm = 567.0;
constexpr int kMaxPageIndex = 32767;

// The document steps go on when one of them fails.
template <typename Step>
void Try(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

ScrollRange RangeFor(double maximum) {
    const int max = RoundHalfEven(maximum);
    return {-500, max, RoundHalfEven(max * 0.1), RoundHalfEven(max * 0.5)};
}

}  // namespace

clsMultiPgPreview::clsMultiPgPreview(PrinterFacts& printer, PreviewHost& preview,
                                     ColumnShift& columns, Clock clock)
    : printer_(printer), preview_(preview), columns_(columns), clock_(std::move(clock)) {
    Orientation(1);
    italicTitle_ = true;
    oScaleMode = kInches;
}

PageSurface& clsMultiPgPreview::surface() {
    if (!surface_) throw EngineError("no document is open");
    return *surface_;
}

float clsMultiPgPreview::ruleGap() const { return oScaleMode == kCentimetres ? 0.07f : 0.03f; }

std::tm clsMultiPgPreview::now() const {
    const std::time_t t = clock_ ? clock_() : std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return local;
}

// ---- Document lifecycle ----------------------------------------------------

void clsMultiPgPreview::pStartDoc() {
    pageIndex_ = 0;
    tempFolder_ = PrivatePageFolder();

    savedPrinterUnit_ = printer_.scaleMode();
    printer_.setScaleMode(oScaleMode);
    if (auto w = printer_.printableWidth()) pageWidth_ = static_cast<float>(*w);
    if (auto h = printer_.printableHeight()) pageHeight_ = static_cast<float>(*h);

    Try([&] { surface_ = &preview_.loadPreview(); });
    if (!surface_) return;
    PageSurface& s = *surface_;
    savedSurfaceUnit_ = s.scaleMode();
    s.setScaleMode(oScaleMode);

    const bool cm = oScaleMode == kCentimetres;
    const double margin = cm ? 0.6 : 0.25;
    const double twipsPerUnit = cm ? kTwipsPerCm : kTwipsPerInch;
    s.setSizeTwips((pageWidth_ + margin) * twipsPerUnit, (pageHeight_ + margin) * twipsPerUnit);

    Try([&] {
        preview_.setScrollRanges(RangeFor(0.5 * s.heightTwips()), RangeFor(0.25 * s.widthTwips()));
    });
    s.scale(pageWidth_, pageHeight_);
    if (auto f = printer_.defaultFont()) {
        s.font.name = f->name;
        s.font.size = f->size;
    }
    if (auto c = printer_.foreColor()) s.foreColor = *c;
    s.clearPicture();
}

void clsMultiPgPreview::pNewPage() {
    if (!surface_) return;
    surface_->saveImage(PageFilePath(tempFolder_, pageIndex_));
    surface_->cls();
    if (pageIndex_ < kMaxPageIndex) ++pageIndex_;
}

void clsMultiPgPreview::pEndDoc(int modal) {
    if (!surface_) return;
    if (savedSurfaceUnit_) surface_->setScaleMode(*savedSurfaceUnit_);
    surface_->saveImage(PageFilePath(tempFolder_, pageIndex_));
    Try([&] { preview_.setPageNumber(pageIndex_); });
    Try([&] { preview_.showPageFile(PageFilePath(tempFolder_, 0)); });
    Try([&] { preview_.showPreview(modal == 1); });
}

// ---- Properties ------------------------------------------------------------

int clsMultiPgPreview::PrintCopies() { return printer_.copies().value_or(0); }
void clsMultiPgPreview::PrintCopies(int number) { printer_.setCopies(number); }

void clsMultiPgPreview::Orientation(int value) {
    printer_.setOrientation(value);
    orientation_ = value;
}

float clsMultiPgPreview::GetPaperWidth() {
    pageWidth_ = 8.0f;
    return pageWidth_;
}

float clsMultiPgPreview::CurrentX() { return static_cast<float>(surface().currentX); }
void clsMultiPgPreview::CurrentX(float x) { surface().currentX = x; }

float clsMultiPgPreview::CurrentY() {
    const auto y = static_cast<float>(surface().currentY);
    if (!columns_.secondColumn) {
        columns_.columnShiftUsed = false;
        return y;
    }
    if (columns_.columnShiftUsed) return y;
    // The first read in a right-hand column undoes the 2g that the left
    // column's rule advanced, so both columns' rules share one line.
    columns_.columnShiftUsed = true;
    return y - 0.06f;
}

void clsMultiPgPreview::CurrentY(float y) { surface().currentY = y; }

int clsMultiPgPreview::DrawWidth() { return 2 * surface().drawWidth(); }

void clsMultiPgPreview::DrawWidth(int halfPixels) {
    const int pixels = RoundHalfEven(std::max(halfPixels, 1) / 2.0);
    surface().setDrawWidth(std::max(1, pixels));
}

Color clsMultiPgPreview::BackColor() { return surface().backColor; }

void clsMultiPgPreview::BackColor(Color color) {
    PageSurface& s = surface();
    s.fontTransparent = color == kNoColor;
    s.textBackColor = color == kNoColor ? kWhite : color;
}

int clsMultiPgPreview::FontSize() { return surface().font.size; }
void clsMultiPgPreview::FontSize(int points) { surface().font.size = points; }
Color clsMultiPgPreview::ForeColor() { return surface().foreColor; }
void clsMultiPgPreview::ForeColor(Color color) { surface().foreColor = color; }
bool clsMultiPgPreview::FontBold() { return surface().font.bold; }
void clsMultiPgPreview::FontBold(bool yes) { surface().font.bold = yes; }
bool clsMultiPgPreview::FontItalic() { return surface().font.italic; }
void clsMultiPgPreview::FontItalic(bool yes) { surface().font.italic = yes; }
bool clsMultiPgPreview::FontUnderline() { return surface().font.underline; }
void clsMultiPgPreview::FontUnderline(bool yes) { surface().font.underline = yes; }
bool clsMultiPgPreview::FontStrikethru() { return surface().font.strikethru; }
void clsMultiPgPreview::FontStrikethru(bool yes) { surface().font.strikethru = yes; }
bool clsMultiPgPreview::FontTransparent() { return surface().fontTransparent; }
void clsMultiPgPreview::FontTransparent(bool yes) { surface().fontTransparent = yes; }
std::string clsMultiPgPreview::FontName() { return surface().font.name; }

void clsMultiPgPreview::FontName(const std::string& name) {
    surface().font.name = name;
    surface().print("", true);
}

void clsMultiPgPreview::pFontName(const std::string& name) { FontName(name); }

float clsMultiPgPreview::GetTextWidth(const std::string& text) {
    return static_cast<float>(surface().textWidth(text));
}

float clsMultiPgPreview::GetTextHeight(const std::string& text) {
    return static_cast<float>(surface().textHeight(text));
}

std::string clsMultiPgPreview::GetRemoveCRLF(const std::string& text) const {
    return report::GetRemoveCRLF(text);
}

std::string clsMultiPgPreview::GetStripQuotes(const std::string& text) const {
    return report::GetStripQuotes(text);
}

std::string clsMultiPgPreview::GetFormalCase(const std::string& text) const {
    return report::GetFormalCase(text);
}

}  // namespace vantrel::report
