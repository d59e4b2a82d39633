// The engine's rules, boxes, circles and pictures.
#include "report/clsMultiPgPreview.h"

namespace vantrel::report {

void clsMultiPgPreview::pLine(float leftMargin, float rightMargin, int lineWidth,
                              bool includeSpace) {
    if (leftMargin == -1) leftMargin = CurrentX();
    const float gap = ruleGap();
    if (includeSpace) CurrentY(CurrentY() + gap);
    const bool widthChanged = lineWidth > 0;
    const int savedWidth = DrawWidth();
    if (widthChanged) DrawWidth(lineWidth);
    PageSurface& s = surface();
    const double savedX = s.currentX;
    if (!(rightMargin > leftMargin)) rightMargin = pageWidth_;
    const double y = s.currentY;
    s.line(leftMargin, y, rightMargin, y);
    s.currentX = savedX;
    if (widthChanged) DrawWidth(savedWidth);
    if (includeSpace) CurrentY(CurrentY() + gap);
}

void clsMultiPgPreview::pDoubleLine(float leftPos, float rightPos, int lineWidth,
                                    bool includeSpace) {
    const float gap = ruleGap();
    const bool widthChanged = lineWidth > 0;
    const int savedWidth = DrawWidth();
    if (widthChanged) DrawWidth(lineWidth);
    PageSurface& s = surface();
    const double savedX = s.currentX;
    if (!(rightPos > leftPos)) rightPos = pageWidth_;
    for (int rule = 0; rule < 2; ++rule) {
        s.currentY += gap;
        const double y = s.currentY;
        s.line(leftPos, y, rightPos, y);
    }
    s.currentY += gap;
    s.currentX = savedX;
    if (widthChanged) DrawWidth(savedWidth);
    if (includeSpace) CurrentY(CurrentY() + gap);
}

void clsMultiPgPreview::pVerticalLine(float leftPos, float topPos, float bottomPos,
                                      int lineWidth) {
    const int savedWidth = DrawWidth();
    const float savedX = CurrentX();
    const float savedY = CurrentY();
    if (lineWidth > 0) DrawWidth(lineWidth);
    if (bottomPos == -1) {
        const int size = FontSize();
        FontSize(10);
        bottomPos = pageHeight_ - 2 * GetTextHeight("Sample Text");
        FontSize(size);
    }
    if (leftPos == -1) leftPos = CurrentX();
    if (leftPos > pageWidth_) leftPos = pageWidth_ - 0.01f;
    if (topPos == -1) topPos = CurrentY();
    surface().line(leftPos, topPos, leftPos, bottomPos);
    CurrentX(savedX);
    CurrentY(savedY);
    DrawWidth(savedWidth);
}

void clsMultiPgPreview::pBox(float left, float top, float width, float height, Color colorLine,
                             Color colorFill, int filledBox) {
    const float savedY = CurrentY();
    const float savedX = CurrentX();
    if (colorLine == kNoColor) colorLine = ForeColor();
    if (left == -1) left = CurrentX();
    if (top == -1) top = CurrentY();
    if (width == -1) width = pageWidth_;
    if (height == -1) height = GetTextHeight("Sample Text");
    PageSurface& s = surface();
    if (filledBox == 1) {
        s.fillStyle = kFillTransparent;
        s.box(left, top, left + width, top + height, colorLine);
    } else {
        s.fillColor = colorFill == kNoColor ? colorLine : colorFill;
        s.fillStyle = filledBox;
        s.box(left, top, left + width, top + height, colorLine);
        s.fillStyle = kFillTransparent;
    }
    CurrentY(savedY);
    CurrentX(savedX);
}

void clsMultiPgPreview::pCircle(float left, float top, float radius, Color colorLine,
                                Color colorFill, int filledCircle, float aspectRatio) {
    if (colorLine == kNoColor) colorLine = ForeColor();
    if (colorFill == kNoColor) colorFill = colorLine;
    PageSurface& s = surface();
    if (filledCircle != 1) {
        s.fillStyle = filledCircle;
        s.fillColor = colorFill;
    }
    s.circle(left, top, radius, colorLine, aspectRatio);
    s.fillStyle = kFillTransparent;
}

PictureFit clsMultiPgPreview::pPrintPicture(const Picture& picture, float leftMargin,
                                            float topMargin, float width, float height,
                                            bool scaleToFit, bool maintainRatio) {
    if (width == 0) width = height;
    if (height == 0) height = width;
    if (width == 0 && height == 0) scaleToFit = true;
    const PictureFit used{leftMargin, topMargin, width, height, scaleToFit};
    if (picture.width <= 0 || picture.height <= 0) throw EngineError("Invalid picture");

    PageSurface& s = surface();
    const double ratio = static_cast<double>(picture.height) / picture.width;
    const double innerW = s.scaleWidth(), innerH = s.scaleHeight();
    double w = scaleToFit ? innerW : width;
    double h = scaleToFit ? innerH : height;
    double x, y;
    if (maintainRatio && h / w > ratio) {
        h = ratio * w;
        x = leftMargin == -1 ? s.scaleLeft() : leftMargin;
        y = topMargin == -1 ? (innerH - h) / 2 : topMargin;
    } else if (maintainRatio) {
        w = h / ratio;
        x = leftMargin == -1 ? (innerW - w) / 2 : leftMargin;
        y = topMargin == -1 ? s.scaleTop() : topMargin;
    } else {
        x = leftMargin == -1 ? s.scaleLeft() : leftMargin;
        y = topMargin == -1 ? (innerH - h) / 2 : topMargin;
    }
    s.paintPicture(picture, x, y, w, h);
    return used;
}

}  // namespace vantrel::report
