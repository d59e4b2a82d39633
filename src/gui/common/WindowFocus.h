#pragma once
// "The focus goes to the editor window" means what a window that becomes
// active again does: the control inside it that had the focus last gets it
// back. The window's own widget takes no keys, so focusing it would leave the
// keyboard doing nothing until the user clicks into the form. A window that
// was disabled meanwhile has forgotten that control; the caller that noted it
// before passes it as `last`.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

namespace vantrel {

inline void FocusWindow(QWidget* window, QWidget* last = nullptr) {
    if (!window) return;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        if (QMdiArea* area = frame->mdiArea()) area->setActiveSubWindow(frame);
    if (!last) last = window->focusWidget();
    const bool usable = last && last != window && window->isAncestorOf(last) && last->isVisible() && last->isEnabled();
    (usable ? last : window)->setFocus();
}

}  // namespace vantrel
