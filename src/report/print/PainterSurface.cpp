#include "report/print/PainterSurface.h"

#include <QFontMetricsF>
#include <QImage>

#include <cmath>
#include <map>

namespace vantrel::report {

namespace {

const std::map<std::string, QString>& FontFamilies() {
    static const std::map<std::string, QString> families = {
        {"Arial", QStringLiteral("Liberation Sans")},
        {"Times New Roman", QStringLiteral("Liberation Serif")},
        {"Courier New", QStringLiteral("Liberation Mono")},
        {"Symbol", QStringLiteral("DejaVu Sans")},
    };
    return families;
}

// The Symbol font's code points that the engine uses.
const std::map<char32_t, char32_t>& SymbolGlyphs() {
    static const std::map<char32_t, char32_t> glyphs = {
        {0x5C, 0x2234},   // backslash: "therefore", the filler
        {0xB7, 0x2022},   // middle dot: the bullet
    };
    return glyphs;
}

// Hatch patterns by fill style code (0 solid, 1 transparent).
Qt::BrushStyle HatchFor(int fillStyle) {
    static const Qt::BrushStyle hatches[] = {Qt::SolidPattern, Qt::NoBrush,
                                             Qt::HorPattern,   Qt::VerPattern,
                                             Qt::BDiagPattern, Qt::FDiagPattern,
                                             Qt::CrossPattern, Qt::DiagCrossPattern};
    return fillStyle >= 0 && fillStyle < 8 ? hatches[fillStyle] : Qt::NoBrush;
}

}  // namespace

QColor ToQColor(Color color) {
    if (color < 0) color = kBlack;
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QFont ToQFont(const SurfaceFont& font) {
    const auto mapped = FontFamilies().find(font.name);
    QFont f(mapped != FontFamilies().end() ? mapped->second : QString::fromStdString(font.name));
    // A zero size (half of one point) still needs a valid font.
    f.setPointSizeF(font.size > 0 ? font.size : 0.5);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikethru);
    return f;
}

QString ToDrawnText(const std::string& text, const SurfaceFont& font) {
    QString s = QString::fromStdString(text);
    if (font.name != "Symbol") return s;
    QString out;
    for (char32_t c : s.toUcs4()) {
        const auto glyph = SymbolGlyphs().find(c);
        const char32_t drawn = glyph != SymbolGlyphs().end() ? glyph->second : c;
        out += QString::fromUcs4(&drawn, 1);
    }
    return out;
}

double PainterSurface::textWidth(const std::string& text) {
    const QFontMetricsF fm(ToQFont(font), painter().device());
    return fm.horizontalAdvance(ToDrawnText(text, font)) / unitsToPixelsX();
}

double PainterSurface::textHeight(const std::string&) {
    const QFontMetricsF fm(ToQFont(font), painter().device());
    return fm.height() / unitsToPixelsY();
}

QPointF PainterSurface::toDevice(double x, double y) const {
    return {x * unitsToPixelsX(), y * unitsToPixelsY()};
}

QPen PainterSurface::pen(Color color) const {
    QPen p(ToQColor(color));
    p.setWidthF(drawWidth());
    p.setCapStyle(Qt::SquareCap);
    return p;
}

QBrush PainterSurface::fillBrush() const { return QBrush(ToQColor(fillColor), HatchFor(fillStyle)); }

void PainterSurface::drawTextAt(const QPointF& topLeft, const std::string& text) {
    QPainter& p = painter();
    const QFont f = ToQFont(font);
    p.setFont(f);
    const QFontMetricsF fm(f, p.device());
    const QString drawn = ToDrawnText(text, font);
    if (!fontTransparent)
        p.fillRect(QRectF(topLeft, QSizeF(fm.horizontalAdvance(drawn), fm.height())),
                   ToQColor(textBackColor));
    p.setPen(ToQColor(foreColor));
    p.drawText(QPointF(topLeft.x(), topLeft.y() + fm.ascent()), drawn);
}

void PainterSurface::drawText(double x, double y, const std::string& text) {
    if (!text.empty()) drawTextAt(toDevice(x, y), text);
}

void PainterSurface::drawRotatedText(double x, double y, const std::string& text, int degrees) {
    QPainter& p = painter();
    p.save();
    p.translate(toDevice(x, y));
    p.rotate(-degrees);   // counter-clockwise on the page
    drawTextAt(QPointF(0, 0), text);
    p.restore();
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2) {
    QPainter& p = painter();
    p.setPen(pen(foreColor));
    p.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterSurface::drawBox(double x1, double y1, double x2, double y2, Color color) {
    QPainter& p = painter();
    p.setPen(pen(color));
    p.setBrush(fillBrush());
    p.drawRect(QRectF(toDevice(x1, y1), toDevice(x2, y2)).normalized());
    p.setBrush(Qt::NoBrush);
}

void PainterSurface::drawCircle(double x, double y, double radius, Color color, double aspect) {
    // The radius is the longer half-axis: across for flat shapes, up for tall ones.
    double rx = radius, ry = radius * aspect;
    if (aspect > 1) {
        rx = radius / aspect;
        ry = radius;
    }
    QPainter& p = painter();
    p.setPen(pen(color));
    p.setBrush(fillBrush());
    p.drawEllipse(toDevice(x, y), rx * unitsToPixelsX(), ry * unitsToPixelsY());
    p.setBrush(Qt::NoBrush);
}

void PainterSurface::paintPicture(const Picture& picture, double x, double y, double width,
                                  double height) {
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() < static_cast<std::size_t>(picture.width) * picture.height)
        return;
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                       picture.height, picture.width * 4, QImage::Format_ARGB32);
    QPainter& p = painter();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(toDevice(x, y), toDevice(x + width, y + height)), image);
    p.restore();
}

}  // namespace vantrel::report
