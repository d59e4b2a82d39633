#pragma once
// What every part of the editor form shares: the program state, the prompts,
// the editing model, the first panel of the status bar, and a few questions
// one part of the form asks another.
#include <QString>
#include <functional>

#include "codeplug/AppState.h"
#include "gui/common/Prompts.h"
#include "model/EditingModel.h"

namespace vantrel {

// A user's gesture as one model operation, carrying the value typed or chosen.
using ModelEdit = std::function<EditResult(EditingModel&)>;

struct EditorContext {
    AppState& state;
    Prompts& prompts;
    // The editor's model: the only source of what the form shows.
    EditingModel& model;
    // Shows a hint in the first panel of the main window's status bar.
    std::function<void(const QString&)> setStatusText = [](const QString&) {};

    // Runs a gesture's operation in the model, repaints what it changed and
    // the gesture's own section (its control may show a value the model did
    // not take), then shows the operation's messages (frmMain::forward).
    std::function<EditResult(const ModelEdit&, ChangeNotice)> forward =
        [](const ModelEdit&, ChangeNotice) { return EditResult{}; };
    // A key or a click that edits a box: the data count as changed.
    void touch() { model.Touch(); }

    // Whether the print preview or the about box is showing, and closing the
    // read/write dialog (filled in by the main window and the dialog's owner).
    std::function<bool()> previewOrAboutShown = [] { return false; };
    std::function<void()> closeReadWriteDialog = [] {};
};

// The notice of a gesture on one section, or on one grid row.
inline ChangeNotice Gesture(Section s) {
    ChangeNotice n;
    n.add(s);
    return n;
}
inline ChangeNotice GestureOnRow(int row) {
    ChangeNotice n;
    n.addRow(row);
    return n;
}

}  // namespace vantrel
