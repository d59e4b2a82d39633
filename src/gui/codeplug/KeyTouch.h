#pragma once
// Which key presses in an editor box count as a touch of the data. A key that
// types or edits (a character, Backspace, Delete, Enter) does; a modifier held
// for a menu shortcut (Ctrl+O, Alt+F) or Tab leaving the box does not, so
// opening or closing right after a save asks no needless save question.
#include <QKeyEvent>

namespace vantrel {

inline bool TouchesEditor(const QKeyEvent& k) {
    return !k.text().isEmpty() && k.key() != Qt::Key_Tab && k.key() != Qt::Key_Backtab;
}

}  // namespace vantrel
