#pragma once
// The report page-layout engine. A caller opens a document, draws text,
// rules, boxes, circles and pictures at positions in page units (inches, or
// centimetres when oScaleMode is 7) and closes the document. Pages are drawn
// on the preview window's page picture and kept as page files; closing the
// document shows the preview. The engine measures the page against the
// printer but never draws on it.
//
// Members that the original interface passed by reference and wrote back
// return the written-back value instead.
#include <ctime>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "report/PageSurface.h"
#include "report/PreviewHost.h"
#include "report/PrinterFacts.h"

namespace vantrel::report {

// The report writer raises secondColumn while it draws a right-hand table
// column; the engine's CurrentY read then undoes the left column's rule gap
// once (columnShiftUsed latches that it has).
struct ColumnShift {
    bool secondColumn = false;
    bool columnShiftUsed = false;
};

// A failing member that passes its failure to the caller.
struct EngineError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct PictureFit {
    float leftMargin, topMargin, width, height;
    bool scaleToFit;
};

class clsMultiPgPreview {
public:
    using Clock = std::function<std::time_t()>;

    clsMultiPgPreview(PrinterFacts& printer, PreviewHost& preview, ColumnShift& columns,
                      Clock clock = nullptr);

    short oScaleMode = kInches;

    // Text and drawing operations.
    void pPrintRotate(const std::string& text = "", int degree = 0, float leftMargin = -1);
    void pCenterMultiline(const std::string& text, float leftMargin = 0, float rightMargin = -1,
                          bool removeCrLf = true, bool sameLine = false);
    int PrintCopies();
    void PrintCopies(int number);
    void pCancled();
    void pMultiline(const std::string& text, float leftMargin = -1, float rightMargin = -1,
                    const std::string& indentChar = "", bool sameLine = false,
                    bool usePageBreaks = true);
    PictureFit pPrintPicture(const Picture& picture, float leftMargin = -1, float topMargin = -1,
                             float width = 0, float height = 0, bool scaleToFit = false,
                             bool maintainRatio = true);
    bool FontStrikethru();
    void FontStrikethru(bool yes);
    void pRightTab(const std::string& text, float xFromRight = 0.1f, bool sameLine = false);
    // Returns the column width used (page width - left margin for -1).
    float pCenter(const std::string& text, bool sameLine = false, float colWidth = -1,
                  float leftMargin = 0);
    void pRightJust(const std::string& text, float rightMargin = -1, bool sameLine = false);
    void pBox(float left = -1, float top = -1, float width = -1, float height = -1,
              Color colorLine = kNoColor, Color colorFill = kNoColor, int filledBox = 1);
    void pCircle(float left, float top, float radius, Color colorLine = kNoColor,
                 Color colorFill = kNoColor, int filledCircle = 1, float aspectRatio = 1.0f);

    // Document lifecycle.
    void pEndDoc(int modal = 1);
    void pNewPage();
    void pStartDoc();

    int FontSize();
    void FontSize(int points);
    Color ForeColor();
    void ForeColor(Color color);
    void pFontName(const std::string& name = "Times New Roman");
    void pLine(float leftMargin = -1, float rightMargin = -1, int lineWidth = 1,
               bool includeSpace = true);
    void pPrint(const std::string& text = "", float leftMargin = -1, bool sameLine = false);
    void pPrintedDate(bool printCentered = false, float leftMargin = -1, bool sameLine = false);
    bool FontBold();
    void FontBold(bool yes);
    bool FontItalic();
    void FontItalic(bool yes);
    bool pEndOfPage(float less = 0, bool saveRoomForFooter = true);
    bool FontUnderline();
    void FontUnderline(bool yes);
    void pHalfSpace();
    void pDoubleLine(float leftPos = 0, float rightPos = -1, int lineWidth = 1,
                     bool includeSpace = true);
    void pVerticalLine(float leftPos = -1, float topPos = -1, float bottomPos = -1,
                       int lineWidth = 0);
    void pSpaces(float rightMargin = -1, float leftMargin = -1, bool useSymbol = false);
    void p15Space();
    // Returns the footer text used (the date stamp when none was given).
    std::string pFooter(const std::string& footerText = "");
    void pHeader(const std::string& mainTitle = "",
                 const std::optional<std::string>& subTitle = std::nullopt,
                 std::optional<bool> italicMain = std::nullopt);
    void pBullet(float leftMargin = -1);
    void pQuarterSpace();
    void pDots(float rightMargin, float leftMargin = 0);

    // Page facts and properties.
    int GetPage() const { return pageIndex_ + 1; }
    bool SendToPrinter() const { return false; }
    void SendToPrinter(bool) {}
    float GetPaperHeight() const { return pageHeight_; }
    float GetPaperWidth();
    float CurrentX();
    void CurrentX(float x);
    float CurrentY();
    void CurrentY(float y);
    std::string GetStripQuotes(const std::string& text) const;
    int Orientation() const { return orientation_; }
    void Orientation(int value);
    int DrawWidth();
    void DrawWidth(int halfPixels);
    Color BackColor();
    void BackColor(Color color);
    std::string FontName();
    void FontName(const std::string& name);
    float GetTextWidth(const std::string& text);
    float GetTextHeight(const std::string& text = "Sample Text");
    bool FontTransparent();
    void FontTransparent(bool yes);
    const std::string& ReportTitle() const { return reportTitle_; }
    void ReportTitle(const std::string& title) { reportTitle_ = title; }
    const std::string& ReportSubTitle() const { return reportSubTitle_; }
    void ReportSubTitle(const std::string& subTitle) { reportSubTitle_ = subTitle; }

    std::string GetRemoveCRLF(const std::string& text) const;
    std::string GetFormalCase(const std::string& text) const;

    // Facts for callers and tests.
    int pageIndex() const { return pageIndex_; }
    const std::string& tempFolder() const { return tempFolder_; }

private:
    PageSurface& surface();
    float ruleGap() const;
    std::tm now() const;
    void pageBreak();

    PrinterFacts& printer_;
    PreviewHost& preview_;
    ColumnShift& columns_;
    Clock clock_;

    PageSurface* surface_ = nullptr;
    std::optional<int> savedPrinterUnit_;
    std::optional<int> savedSurfaceUnit_;
    float pageWidth_ = 0;
    float pageHeight_ = 0;
    int orientation_ = 1;
    std::string reportTitle_;
    std::string reportSubTitle_;
    bool italicTitle_ = true;
    int pageIndex_ = 0;
    std::string tempFolder_;
};

}  // namespace vantrel::report
