#pragma once
// The whole editor form as the editing model's copies and back: every box,
// list, label, switch and cell the editor shows beside the image. Undo and
// redo take the editor after each user action and show a kept state again.
namespace vantrel {

class EditingModel;
class frmMain;

// Everything the form shows, into the model's editing copies (the image is
// the state the form already edits).
void takeEditor(EditingModel& model, const frmMain& editor);

// The model's copies into the form without running any handler, touching
// only what differs: texts, lists, selections, grid cells, labels. Focus,
// enables and colours stay the widgets' own.
void refreshEditor(const EditingModel& model, frmMain& editor);

// A kept state shown whole (undo, redo, a load): refreshEditor, then the
// lock or unlock and the enables they imply; an open cell edit is dropped.
void showEditor(const EditingModel& model, frmMain& editor);

}  // namespace vantrel
