// The engine's text operations: plain, wrapped, centred and justified text,
// fillers, spacing, the date stamp, footer, header and page breaks.
#include <algorithm>
#include <vector>

#include "report/TextUtils.h"
#include "report/clsMultiPgPreview.h"

namespace vantrel::report {

namespace {

// Character positions are 16-bit counters.
constexpr std::size_t kMaxWrapLength = 32767;

// A text split into characters (UTF-8 sequences), so that positions count
// characters, not bytes.
class Chars {
public:
    explicit Chars(const std::string& text) {
        for (std::size_t i = 0; i < text.size();) {
            std::size_t n = 1;
            const auto lead = static_cast<unsigned char>(text[i]);
            if (lead >= 0xF0) n = 4;
            else if (lead >= 0xE0) n = 3;
            else if (lead >= 0xC0) n = 2;
            n = std::min(n, text.size() - i);
            chars_.push_back(text.substr(i, n));
            i += n;
        }
        if (chars_.size() > kMaxWrapLength) throw EngineError("Overflow");
    }
    std::size_t size() const { return chars_.size(); }
    // Character i, 1-based.
    unsigned char code(std::size_t i) const { return static_cast<unsigned char>(chars_[i - 1][0]); }
    // `count` characters from 1-based `start` (clipped to the text).
    std::string mid(std::size_t start, std::size_t count) const {
        std::string out;
        for (std::size_t i = start; i < start + count && i <= chars_.size(); ++i) out += chars_[i - 1];
        return out;
    }
    std::string rest(std::size_t start) const { return mid(start, chars_.size()); }

private:
    std::vector<std::string> chars_;
};

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

constexpr unsigned char kCr = 13;
constexpr unsigned char kFirstVisible = 33;   // "!"

// Saves the font settings that a member changes and puts them back.
class FontKeeper {
public:
    explicit FontKeeper(clsMultiPgPreview& e)
        : e_(e), name_(e.FontName()), size_(e.FontSize()), bold_(e.FontBold()),
          italic_(e.FontItalic()), underline_(e.FontUnderline()), strike_(e.FontStrikethru()) {}
    void restore() {
        e_.FontName(name_);
        e_.FontSize(size_);
        e_.FontBold(bold_);
        e_.FontItalic(italic_);
        e_.FontUnderline(underline_);
        e_.FontStrikethru(strike_);
    }
    void plain() {
        e_.FontBold(false);
        e_.FontItalic(false);
        e_.FontUnderline(false);
        e_.FontStrikethru(false);
    }

private:
    clsMultiPgPreview& e_;
    std::string name_;
    int size_;
    bool bold_, italic_, underline_, strike_;
};

}  // namespace

void clsMultiPgPreview::pPrint(const std::string& text, float leftMargin, bool sameLine) {
    if (!text.empty()) {
        if (leftMargin == -1) leftMargin = CurrentX();
        const float w = GetTextWidth(text);
        const bool tooWide = static_cast<float>(w + leftMargin) > pageWidth_;
        if (HasLineBreak(text) || tooWide) {
            pMultiline(text, leftMargin, pageWidth_ - 0.1f, "", sameLine, true);
            return;
        }
    }
    if (leftMargin >= 0) CurrentX(leftMargin);
    surface().print(text, sameLine);
}

void clsMultiPgPreview::pMultiline(const std::string& text, float leftMargin, float rightMargin,
                                   const std::string& indentChar, bool sameLine,
                                   bool usePageBreaks) {
    if (leftMargin == -1) leftMargin = CurrentX();
    if (pageWidth_ - 0.1f < leftMargin) leftMargin = pageWidth_ - 0.5f;
    if (rightMargin < leftMargin) rightMargin = pageWidth_ - 0.1f;
    const float available = rightMargin - leftMargin;
    if (text.empty()) {
        pPrint("", -1, sameLine);
        return;
    }

    const Chars chars(text);
    const std::size_t length = chars.size();
    const bool hasBreaks = HasLineBreak(text);
    const auto finish = [&](std::string line) {
        if (hasBreaks) line = Trim(report::GetRemoveCRLF(line));
        return line;
    };
    std::string prefix;
    std::size_t start = 1, consumed = 0, lastBreak = length;
    bool firstLineDone = false;

    for (std::size_t i = 1; i <= length; ++i) {
        const std::size_t pos = i - consumed;
        if (chars.code(i) < kFirstVisible) lastBreak = pos;
        const float used = GetTextWidth(chars.mid(start, pos)) + GetTextWidth(prefix);
        const bool full = used >= available;
        if (chars.code(i) != kCr && !full) continue;

        if (lastBreak > pos) {
            // No blank in this line: cut before the character that overflowed,
            // less the indent. An indent longer than that cuts nothing.
            const long cut = static_cast<long>(pos) - static_cast<long>(Chars(prefix).size()) - 1;
            lastBreak = static_cast<std::size_t>(std::max(cut, 0L));
        }
        const std::string line = prefix + finish(chars.mid(start, lastBreak));
        CurrentX(leftMargin);
        surface().print(line, false);
        consumed += lastBreak;
        start = consumed + 1;
        lastBreak = length;
        if (!firstLineDone) {
            firstLineDone = true;
            prefix = indentChar;
        }
        if (usePageBreaks && pEndOfPage(0, true)) pageBreak();
    }
    const std::string line = prefix + finish(chars.rest(start));
    CurrentX(leftMargin);
    surface().print(line, sameLine);
}

void clsMultiPgPreview::pageBreak() {
    pFooter("");
    pNewPage();
    pHeader("");
}

void clsMultiPgPreview::pCenterMultiline(const std::string& text, float leftMargin,
                                         float rightMargin, bool removeCrLf, bool sameLine) {
    if (rightMargin == -1) rightMargin = pageWidth_;
    const float available = rightMargin - leftMargin;
    if (text.empty()) {
        pPrint("", -1, false);
        return;
    }
    const Chars chars(text);
    const std::size_t length = chars.size();
    const bool hasBreaks = HasLineBreak(text);
    const auto printCentred = [&](const std::string& piece, bool same) {
        std::string line = Trim(piece);
        if (hasBreaks) line = report::GetRemoveCRLF(line);
        CurrentX((available - GetTextWidth(line)) / 2 + leftMargin);
        surface().print(line, same);
    };
    std::size_t start = 1, consumed = 0, lastBreak = length;
    for (std::size_t i = 1; i <= length; ++i) {
        const std::size_t pos = i - consumed;
        if (chars.code(i) < kFirstVisible) lastBreak = pos;
        const bool full = GetTextWidth(chars.mid(start, pos)) >= available;
        if (!full && !(chars.code(i) == kCr && !removeCrLf)) continue;
        if (lastBreak > pos) lastBreak = pos - 1;
        printCentred(chars.mid(start, lastBreak), false);
        consumed += lastBreak;
        start = consumed + 1;
        lastBreak = length;
    }
    printCentred(chars.rest(start), sameLine);
}

float clsMultiPgPreview::pCenter(const std::string& text, bool sameLine, float colWidth,
                                 float leftMargin) {
    if (colWidth == -1) colWidth = pageWidth_ - leftMargin;
    const float w = GetTextWidth(text);
    if (w > pageWidth_) {
        pCenterMultiline(text, leftMargin, colWidth + leftMargin, true, sameLine);
    } else {
        CurrentX((colWidth - w) / 2 + leftMargin);
        pPrint(text, -1, sameLine);
    }
    return colWidth;
}

void clsMultiPgPreview::pRightJust(const std::string& text, float rightMargin, bool sameLine) {
    const float w = GetTextWidth(text);
    if (rightMargin == -1) rightMargin = CurrentX() + w;
    CurrentX(rightMargin - w);
    surface().print(text, sameLine);
}

void clsMultiPgPreview::pRightTab(const std::string& text, float xFromRight, bool sameLine) {
    const float w = GetTextWidth(text);
    CurrentX(pageWidth_ - (w + xFromRight));
    surface().print(text, sameLine);
}

void clsMultiPgPreview::pPrintRotate(const std::string& text, int degree, float leftMargin) {
    if (text.empty()) return;
    degree = std::clamp(degree, 0, 359);
    try {
        if (leftMargin != -1) CurrentX(leftMargin);
        surface().printRotated(text, degree);
    } catch (const std::exception&) {
        // A rotated print that fails ends quietly.
    }
}

void clsMultiPgPreview::pCancled() {
    FontSize(12);
    FontBold(true);
    ForeColor(kRed);
    pPrint("", -1, false);
    pPrint("**** PRINTING CANCLED ****", 0.5f, false);
}

bool clsMultiPgPreview::pEndOfPage(float less, bool saveRoomForFooter) {
    PageSurface& s = surface();
    double reserve = s.textHeight("TextString");
    if (saveRoomForFooter) {
        const int size = s.font.size;
        s.font.size = 10;
        reserve = 2 * s.textHeight("TextString");
        s.font.size = size;
    }
    const double y = s.currentY + s.textHeight("TextString") + reserve + less;
    return static_cast<float>(y) >= pageHeight_;
}

// ---- Fillers -----------------------------------------------------------------

void clsMultiPgPreview::pSpaces(float rightMargin, float leftMargin, bool useSymbol) {
    const std::string name = FontName();
    const Color color = ForeColor();
    if (leftMargin != -1) CurrentX(leftMargin);
    if (rightMargin == -1) rightMargin = pageWidth_;
    std::string filler = " ";
    if (useSymbol) {
        FontName("Symbol");
        filler = "\\";
        ForeColor(kGreen);
    }
    // A filler that does not advance (zero width) would never reach the margin.
    for (float x = CurrentX(), last = x - 1; x < rightMargin && x > last; last = x, x = CurrentX())
        pPrint(filler, -1, true);
    FontName(name);
    ForeColor(color);
}

void clsMultiPgPreview::pDots(float rightMargin, float leftMargin) {
    if (leftMargin > 0) CurrentX(leftMargin);
    for (float x = CurrentX(), last = x - 1; x < rightMargin && x > last; last = x, x = CurrentX())
        pPrint(".", -1, true);
}

void clsMultiPgPreview::pBullet(float leftMargin) {
    if (leftMargin == -1) leftMargin = CurrentX();
    const std::string name = FontName();
    const bool bold = FontBold(), italic = FontItalic(), underline = FontUnderline(),
               strike = FontStrikethru();
    FontName("Symbol");
    FontBold(false);
    FontItalic(false);
    FontUnderline(false);
    FontStrikethru(false);
    pPrint("\xC2\xB7  ", leftMargin, true);   // character 183, the Symbol font's bullet
    FontName(name);
    FontBold(bold);
    FontItalic(italic);
    FontUnderline(underline);
    FontStrikethru(strike);
}

// ---- Spacing -----------------------------------------------------------------

void clsMultiPgPreview::pHalfSpace() {
    const int size = FontSize();
    FontSize(std::max(1, size / 2));
    pPrint("", -1, false);
    FontSize(size);
}

void clsMultiPgPreview::pQuarterSpace() {
    const int size = FontSize();
    FontSize(std::max(1, size / 4));
    pPrint("", -1, false);
    FontSize(size);
}

void clsMultiPgPreview::p15Space() {
    const int size = FontSize();
    pPrint("", -1, false);
    FontSize(size / 2);
    pPrint("", -1, false);
    FontSize(size);
}

// ---- Date stamp, footer, header --------------------------------------------

void clsMultiPgPreview::pPrintedDate(bool printCentered, float leftMargin, bool sameLine) {
    FontKeeper keep(*this);
    FontSize(9);
    keep.plain();
    const std::string text = "Printed: " + FormatPrintedStamp(now());
    if (printCentered)
        pCenter(text, sameLine, -1, 0);
    else
        pPrint(text, leftMargin, sameLine);
    keep.restore();
}

std::string clsMultiPgPreview::pFooter(const std::string& footerText) {
    const float margin = oScaleMode == kCentimetres ? 1.25f : 0.5f;
    FontKeeper keep(*this);
    pFontName("Times New Roman");
    FontSize(10);
    keep.plain();
    CurrentY(pageHeight_ - 2 * GetTextHeight("Sample Text"));
    pLine(0, -1, 6, true);
    const std::string text =
        footerText.empty() ? "Printed: " + FormatFooterStamp(now()) : footerText;
    pPrint(text, margin, true);
    pRightJust("Pg. " + std::to_string(GetPage()), pageWidth_ - margin, false);
    keep.restore();
    return text;
}

void clsMultiPgPreview::pHeader(const std::string& mainTitle,
                                const std::optional<std::string>& subTitle,
                                std::optional<bool> italicMain) {
    if (mainTitle.empty() && reportTitle_.empty()) return;
    FontKeeper keep(*this);
    CurrentY(0);
    CurrentX(0);
    if (!mainTitle.empty()) reportTitle_ = mainTitle;
    if (subTitle) reportSubTitle_ = *subTitle;
    if (italicMain) italicTitle_ = *italicMain;
    pFontName("Times New Roman");
    FontSize(16);
    FontBold(true);
    FontItalic(italicTitle_);
    pCenter(reportTitle_, false, -1, 0);
    FontSize(11);
    FontBold(false);
    FontItalic(false);
    if (!reportSubTitle_.empty()) pCenter(reportSubTitle_, false, -1, 0);
    pDoubleLine(0, -1, 1, true);
    pHalfSpace();
    keep.restore();
}

}  // namespace vantrel::report
