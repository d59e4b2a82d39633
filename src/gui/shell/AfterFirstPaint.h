#pragma once
// Work that can wait until a window is on the screen: the user sees the
// window first, and the work runs right after it has been painted.
#include <functional>

class QWidget;

namespace vantrel {

// Runs `then` from the event loop once the shown top-level `window` has been
// exposed and painted (at once, from the event loop, when it already is), or
// half a second after the call when the window has not been painted by then
// (minimised, on another workspace). Nothing runs if the window goes away
// first.
void AfterFirstPaint(QWidget& window, std::function<void()> then);

}  // namespace vantrel
