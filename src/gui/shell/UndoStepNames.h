#pragma once
// What an undo step did, as the Edit menu names it ("Undo Scan Speed"): the
// setting of the control the user worked in, or the load or command that
// made the step.
#include <QString>

#include "model/EditingModel.h"

class QObject;

namespace vantrel {

// The setting behind a control of the editor (or of the tone dialog), found
// from the control or the nearest of its parents that has one; empty for a
// control that edits nothing.
QString StepNameOfControl(const QObject* control);

// The step a whole-image load makes.
QString StepNameOfLoad(LoadKind kind);

}  // namespace vantrel
