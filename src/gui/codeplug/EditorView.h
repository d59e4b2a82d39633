#pragma once
// The editor form painted from the editing model. Only the sections and grid
// rows a change notice names are painted, and only what differs is set (a
// box's text set again would move its cursor and forget its own undo).
// Focus, selection and the half-typed text of an open cell stay the widgets'.
#include "model/ChangeNotice.h"

namespace vantrel {

class EditingModel;
class frmMain;

void showChanges(const EditingModel& model, frmMain& editor, const ChangeNotice& notice);

}  // namespace vantrel
