#pragma once
// What every part of the editor form shares: the program state, the prompts,
// the first panel of the status bar, and a few questions one part of the form
// asks another.
#include <QString>
#include <functional>

#include "codeplug/AppState.h"
#include "shell/widgets/Prompts.h"

namespace vantrel {

struct EditorContext {
    AppState& state;
    Prompts& prompts;
    // Shows a hint in the first panel of the main window's status bar.
    std::function<void(const QString&)> setStatusText = [](const QString&) {};

    // Filled in by the editor form `frmMain`:
    // the text of user TPL box i (0..2) of the receive or transmit column;
    std::function<QString(bool tx, int i)> userTplText = [](bool, int) { return QString("1"); };
    // whether all six user TPL boxes hold text (timing and priority edits
    // reach the image only then);
    std::function<bool()> userTplFilled = [] { return true; };
    // gives the focus to the first empty user TPL box (receive 1..3, transmit 1..3);
    std::function<void()> focusFirstEmptyUserTpl = [] {};
    // whether "Priority Scan Enable" is ticked.
    std::function<bool()> prioScanTicked = [] { return false; };

    // Filled in by the windows that own them: whether the print preview or
    // the about box is showing, and closing the read/write dialog.
    std::function<bool()> previewOrAboutShown = [] { return false; };
    std::function<void()> closeReadWriteDialog = [] {};
};

}  // namespace vantrel
