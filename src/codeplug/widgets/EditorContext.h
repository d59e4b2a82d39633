#pragma once
// What every part of the editor form shares: the program state, the prompts,
// the first panel of the status bar, and a few questions one part of the form
// asks another.
#include <QString>
#include <functional>

#include "codeplug/AppState.h"
#include "model/EditingModel.h"
#include "shell/widgets/Prompts.h"

namespace vantrel {

// An edit for the model, and what of the model's copies to keep from before
// the form was taken (the control the user just changed shows the new value
// already; the model must see the old one to run the change).
using ModelEdit = std::function<EditResult(EditingModel&)>;
using KeepBefore = std::function<void(EditingCopies& now, const EditingCopies& before)>;

struct EditorContext {
    AppState& state;
    Prompts& prompts;
    // Shows a hint in the first panel of the main window's status bar.
    std::function<void(const QString&)> setStatusText = [](const QString&) {};

    // Filled in by the editor form `frmMain`: whether "Priority Scan Enable"
    // is ticked.
    std::function<bool()> prioScanTicked = [] { return false; };

    // Runs a user's edit in the editing model and shows the result
    // (frmMain::forward); the default runs nothing.
    std::function<EditResult(const ModelEdit&, const KeepBefore&)> forward =
        [](const ModelEdit&, const KeepBefore&) { return EditResult{}; };

    // Whether the print preview or the about box is showing, and closing the
    // read/write dialog (filled in by the main window and the dialog's owner).
    std::function<bool()> previewOrAboutShown = [] { return false; };
    std::function<void()> closeReadWriteDialog = [] {};
};

}  // namespace vantrel
