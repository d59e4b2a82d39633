#pragma once
// Where top-level windows appear. A window's position is its frame's (title
// bar included), so a window put at the top of the screen can still be moved
// with the mouse; the whole frame stays inside the screen's available area.
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace vantrel {

// The available area (without panels and docks) of the screen `w` is on.
QRect AvailableArea(const QWidget& w);

// The frame rectangle of `w`'s window at `topLeft`, moved inside `area`.
// The frame is `client` enlarged by `w`'s frame margins (an estimate while
// the window system has not framed it yet).
QRect FrameInside(const QWidget& w, QPoint topLeft, QSize client, const QRect& area);

// Sizes `w` to `client` (smaller where the area is smaller) and puts its
// frame at `topLeft`, inside the available area.
void PlaceWindow(QWidget& w, QPoint topLeft, QSize client);

// Puts `w`'s frame at `offset` from `anchor`'s top-left corner (an offset
// the form designs give relative to their owner, never to the screen).
void PlaceBeside(QWidget& w, const QWidget& anchor, QPoint offset);

// Centres `w` over `owner`'s window, inside the available area; a hidden
// window not yet given a size takes its layout's first.
void CentreOver(QWidget& w, const QWidget& owner);

}  // namespace vantrel
