#pragma once
// The prompts and the read/write dialog are windows of their own that stay in
// front of the main window. They are not Qt children of it: disabling the main
// window (which these windows do to make themselves modal in effect) would
// disable its child windows as well.
#include <QWidget>
#include <QWindow>

namespace vantrel {

// Keeps `w` in front of `owner` (a transient window of it).
inline void KeepInFrontOf(QWidget* w, QWidget* owner) {
    if (!owner) return;
    w->winId();
    if (QWindow* handle = w->windowHandle()) handle->setTransientParent(owner->window()->windowHandle());
}

}  // namespace vantrel
