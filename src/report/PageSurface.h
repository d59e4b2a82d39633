#pragma once
// The drawing surface that the print engine and the printed report draw on:
// the preview's page picture or the printer. Positions are in the surface's
// current scale (inches, centimetres, twips, pixels or a user scale set by
// scale()); a concrete surface maps them onto its device pixels.
#include <cstdint>
#include <string>
#include <vector>

namespace vantrel::report {

// 24-bit RGB in the low three bytes, red lowest; -1 means "no colour given".
using Color = std::int32_t;
constexpr Color kBlack = 0;
constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kNoColor = -1;

// Unit codes of a surface's scale.
enum ScaleMode : int { kUserScale = 0, kTwips = 1, kPixels = 3, kInches = 5, kCentimetres = 7 };

// Fill styles: 0 solid, 1 transparent; other codes are hatch patterns.
constexpr int kFillSolid = 0;
constexpr int kFillTransparent = 1;

struct SurfaceFont {
    std::string name = "Times New Roman";
    int size = 10;   // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
};

// A bitmap to paint onto a surface: 0xAARRGGBB pixels, row by row.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class PageSurface {
public:
    virtual ~PageSurface() = default;

    // Current drawing position; text is drawn with its top-left corner there.
    double currentX = 0;
    double currentY = 0;

    SurfaceFont font;
    bool fontTransparent = true;   // false: text paints its background
    Color foreColor = kBlack;
    Color backColor = kWhite;      // the surface's own background
    Color textBackColor = kWhite;  // background painted behind opaque text
    int fillStyle = kFillTransparent;
    Color fillColor = kBlack;

    int drawWidth() const { return drawWidth_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }

    // Same-line mode advances currentX by the text's width; newline mode goes
    // to the left edge of the scale and down by the text's line height.
    void print(const std::string& text, bool sameLine);
    // Text rotated counter-clockwise by `degrees`, then same-line advance.
    void printRotated(const std::string& text, int degrees);

    virtual double textWidth(const std::string& text) = 0;
    virtual double textHeight(const std::string& text) = 0;

    // Straight line in the foreground colour; the position ends at (x2, y2).
    void line(double x1, double y1, double x2, double y2);
    // Rectangle outlined in `color`, its interior per fillStyle and fillColor.
    void box(double x1, double y1, double x2, double y2, Color color);
    void circle(double x, double y, double radius, Color color, double aspect);
    virtual void paintPicture(const Picture& picture, double x, double y, double width,
                              double height) = 0;

    // Clears to the background and goes to (0, 0).
    void cls();
    // Blanks the page without moving the position.
    virtual void clearPicture() = 0;
    // Writes the persistent page bitmap; false when it could not be written.
    virtual bool saveImage(const std::string& path) = 0;

    // Outer size in twips. Surfaces with a fixed page (the printer) ignore it.
    virtual void setSizeTwips(double width, double height) = 0;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;

    int scaleMode() const { return scaleMode_; }
    void setScaleMode(int mode);
    // Maps the inner area onto a user scale of width x height.
    void scale(double width, double height);
    double scaleWidth() const;
    double scaleHeight() const;
    double scaleLeft() const { return 0; }
    double scaleTop() const { return 0; }

protected:
    // Device facts of the concrete surface: inner size in pixels and DPI.
    virtual double pixelWidth() const = 0;
    virtual double pixelHeight() const = 0;
    virtual double dpiX() const = 0;
    virtual double dpiY() const = 0;

    // Device pixels per scale unit, for the concrete surface's mapping.
    double unitsToPixelsX() const;
    double unitsToPixelsY() const;

    virtual void drawText(double x, double y, const std::string& text) = 0;
    virtual void drawRotatedText(double x, double y, const std::string& text, int degrees) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawBox(double x1, double y1, double x2, double y2, Color color) = 0;
    virtual void drawCircle(double x, double y, double radius, Color color, double aspect) = 0;

private:
    void restorePosition(double px, double py);

    int drawWidth_ = 1;
    int scaleMode_ = kPixels;
    double userWidth_ = 0;
    double userHeight_ = 0;
};

}  // namespace vantrel::report
