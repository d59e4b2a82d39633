#include "gui/common/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace vantrel {

namespace {

// Frame margins: the window system's once it has framed the window, else a
// title bar and a thin border as the widget style draws them.
QMargins FrameMargins(const QWidget& w) {
    const QRect frame = w.frameGeometry();
    const QRect client = w.geometry();
    if (frame != client)
        return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                frame.bottom() - client.bottom()};
    if (w.windowFlags() & Qt::FramelessWindowHint) return {};
    const int border = w.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const int title = w.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    return {border, title + border, border, border};
}

// Puts the frame's top-left at `p`. Before the window exists the position
// is taken as the frame's by the window system; once it exists, moving it
// places the frame as well, provided the frame is known.
void MoveFrameTo(QWidget& w, QPoint p) {
    QWindow* handle = w.windowHandle();
    if (handle && w.isVisible() && w.frameGeometry() == w.geometry())
        handle->setFramePosition(p);
    else
        w.move(p);
}

}  // namespace

QRect AvailableArea(const QWidget& w) {
    const QScreen* screen = w.screen() ? w.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QRect FrameInside(const QWidget& w, QPoint topLeft, QSize client, const QRect& area) {
    const QMargins m = FrameMargins(w);
    QRect frame(topLeft, client.grownBy(m));
    frame.setWidth(std::min(frame.width(), area.width()));
    frame.setHeight(std::min(frame.height(), area.height()));
    frame.moveLeft(std::clamp(frame.left(), area.left(), area.right() + 1 - frame.width()));
    frame.moveTop(std::clamp(frame.top(), area.top(), area.bottom() + 1 - frame.height()));
    return frame;
}

void PlaceWindow(QWidget& w, QPoint topLeft, QSize client) {
    const QRect frame = FrameInside(w, topLeft, client, AvailableArea(w));
    w.resize(frame.size().shrunkBy(FrameMargins(w)));
    MoveFrameTo(w, frame.topLeft());
}

void PlaceBeside(QWidget& w, const QWidget& anchor, QPoint offset) {
    PlaceWindow(w, anchor.mapToGlobal(QPoint(0, 0)) + offset, w.size());
}

void CentreOver(QWidget& w, const QWidget& owner) {
    // A window given its size keeps it; the others take their layout's.
    if (!w.isVisible() && !w.testAttribute(Qt::WA_Resized)) w.adjustSize();
    const QMargins m = FrameMargins(w);
    const QSize frameSize = w.size().grownBy(m);
    const QPoint centre = owner.window()->frameGeometry().center();
    PlaceWindow(w, centre - QPoint(frameSize.width() / 2, frameSize.height() / 2), w.size());
}

}  // namespace vantrel
