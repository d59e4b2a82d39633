#include "gui/common/ProgramIcons.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "base/DataFolder.h"

namespace vantrel {

namespace {

// Colours of a drawn picture; a disabled picture draws every part grey.
struct Ink {
    bool enabled;
    QColor operator()(QColor c) const {
        if (enabled) return c;
        const int g = 96 + qGray(c.rgb()) / 3;
        return QColor(g, g, g);
    }
};

const QColor kOutline(0x2b, 0x2f, 0x36);
constexpr double kDisabledOpacity = 0.45;
const QColor kPaper(0xff, 0xff, 0xff);

void Outlined(QPainter& p, const Ink& ink, const QColor& fill) {
    p.setPen(QPen(ink(kOutline), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink(fill));
}

// The pictures, drawn on a 24 x 24 grid.
void DrawOpen(QPainter& p, const Ink& ink) {
    Outlined(p, ink, QColor(0xe0, 0xb0, 0x4c));
    QPainterPath back;
    back.moveTo(2, 5);
    back.lineTo(9, 5);
    back.lineTo(11, 7);
    back.lineTo(20, 7);
    back.lineTo(20, 19);
    back.lineTo(2, 19);
    back.closeSubpath();
    p.drawPath(back);
    Outlined(p, ink, QColor(0xf6, 0xd3, 0x7a));
    p.drawPolygon(QPolygonF({QPointF(5, 10), QPointF(23, 10), QPointF(20, 19), QPointF(2, 19)}));
}

void DrawSave(QPainter& p, const Ink& ink) {
    Outlined(p, ink, QColor(0x2f, 0x5f, 0xb3));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
    Outlined(p, ink, kPaper);
    p.drawRect(QRectF(6, 3, 12, 7));
    Outlined(p, ink, QColor(0xb8, 0xc2, 0xd3));
    p.drawRect(QRectF(7, 14, 10, 7));
}

// A screen on the left, a radio on the right and an arrow between them.
void DrawLink(QPainter& p, const Ink& ink, bool towardsRadio) {
    Outlined(p, ink, QColor(0xd8, 0xe4, 0xf4));
    p.drawRect(QRectF(1, 5, 10, 8));
    p.drawLine(QPointF(6, 13), QPointF(6, 16));
    p.drawLine(QPointF(3, 16), QPointF(9, 16));
    Outlined(p, ink, QColor(0x1f, 0x3d, 0x7a));
    p.drawRoundedRect(QRectF(16, 7, 6, 14), 1.5, 1.5);
    p.drawLine(QPointF(17.5, 7), QPointF(17.5, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(ink(QColor(0x9f, 0xe0, 0xa8)));
    p.drawRect(QRectF(17.3, 9, 3.4, 3));
    const QColor arrow = towardsRadio ? QColor(0xd0, 0x20, 0x20) : QColor(0x1a, 0x9a, 0x2a);
    p.setPen(QPen(ink(arrow), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const qreal from = towardsRadio ? 8 : 15, to = towardsRadio ? 15 : 8, y = 19;
    const qreal head = towardsRadio ? -3 : 3;
    p.drawLine(QPointF(from, y), QPointF(to, y));
    p.drawPolyline(QPolygonF({QPointF(to + head, y - 3), QPointF(to, y), QPointF(to + head, y + 3)}));
}

void DrawRead(QPainter& p, const Ink& ink) { DrawLink(p, ink, false); }
void DrawWrite(QPainter& p, const Ink& ink) { DrawLink(p, ink, true); }

void DrawPage(QPainter& p, const Ink& ink, const QRectF& r) {
    Outlined(p, ink, kPaper);
    p.drawRect(r);
    p.setPen(QPen(ink(QColor(0x8a, 0x94, 0xa6)), 1));
    for (qreal y = r.top() + 3; y < r.bottom() - 2; y += 3) p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void DrawPreview(QPainter& p, const Ink& ink) {
    DrawPage(p, ink, QRectF(3, 2, 13, 18));
    p.setPen(QPen(ink(kOutline), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(17.5, 17.5), QPointF(22, 22));
    Outlined(p, ink, QColor(0xcf, 0xe8, 0xff));
    p.setPen(QPen(ink(kOutline), 1.8));
    p.drawEllipse(QPointF(14, 14), 4.5, 4.5);
}

void DrawPrint(QPainter& p, const Ink& ink) {
    DrawPage(p, ink, QRectF(6, 2, 12, 9));
    Outlined(p, ink, QColor(0x8a, 0x94, 0xa6));
    p.drawRoundedRect(QRectF(2, 9, 20, 9), 2, 2);
    DrawPage(p, ink, QRectF(6, 15, 12, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(ink(QColor(0x1a, 0x9a, 0x2a)));
    p.drawEllipse(QPointF(19, 12), 1, 1);
}

void DrawHelp(QPainter& p, const Ink& ink) {
    Outlined(p, ink, QColor(0x2f, 0x6f, 0xd0));
    p.drawEllipse(QPointF(12, 12), 10, 10);
    p.setPen(ink(kPaper));
    QFont f = p.font();
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(2, 2, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
}

using Drawing = void (*)(QPainter&, const Ink&);

struct CommandPicture {
    const char* key;
    const char* themeName;  // nullptr: no theme has a fitting one
    Drawing draw;
};

const CommandPicture kPictures[] = {
    {"Open", "document-open", DrawOpen},
    {"Save", "document-save", DrawSave},
    {"Read", nullptr, DrawRead},
    {"Write", nullptr, DrawWrite},
    {"Print Preview", "document-print-preview", DrawPreview},
    {"Print", "document-print", DrawPrint},
    {"Help", "help-contents", DrawHelp},
};

const CommandPicture* FindPicture(const QString& key) {
    for (const CommandPicture& c : kPictures)
        if (key == QLatin1String(c.key)) return &c;
    return nullptr;
}

// Draws the picture at any size, the disabled state included.
class DrawnIcon : public QIconEngine {
public:
    explicit DrawnIcon(Drawing draw) : draw_(draw) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        // Drawn on a layer of its own first, so a disabled picture is faint
        // as a whole, not darker where its parts overlap.
        const bool enabled = mode != QIcon::Disabled;
        QImage layer(rect.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter p(&layer);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(rect.width() / 24.0, rect.height() / 24.0);
            draw_(p, Ink{enabled});
        }
        painter->save();
        if (!enabled) painter->setOpacity(kDisabledOpacity);
        painter->drawImage(rect.topLeft(), layer);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }
    QIconEngine* clone() const override { return new DrawnIcon(draw_); }

private:
    Drawing draw_;
};

// hicolor is the fallback theme every desktop has: it holds programs' own
// icons, not the pictures of commands, and looking a name up in it costs a
// file check in each of its hundreds of folders.
bool DesktopHasIconTheme() {
    const QString theme = QIcon::themeName();
    return !theme.isEmpty() && theme != QLatin1String("hicolor");
}

}  // namespace

const QIcon& ProgramIcon() {
    static const QIcon icon(QString::fromStdString(DataFilePath("vantrel-cps.png")));
    return icon;
}

QIcon DrawnToolbarIcon(const QString& key) {
    const CommandPicture* c = FindPicture(key);
    return c ? QIcon(new DrawnIcon(c->draw)) : QIcon();
}

QIcon ToolbarIcon(const QString& key) {
    const CommandPicture* c = FindPicture(key);
    if (!c) return {};
    if (c->themeName && DesktopHasIconTheme() && QIcon::hasThemeIcon(QLatin1String(c->themeName)))
        return QIcon::fromTheme(QLatin1String(c->themeName));
    return DrawnToolbarIcon(key);
}

}  // namespace vantrel
