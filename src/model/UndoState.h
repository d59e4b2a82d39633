#pragma once
// One undo step as bytes: the image, the band facts, the password-kept mark
// and the editing copies but the tab shown. Two steps differ where their
// bytes do, so the history keeps only what changed from one to the next.
#include <string>

#include "model/EditingModel.h"

namespace vantrel {

std::string UndoStateBytes(const EditingModel& model);
// Puts the step back into the model (the tab shown and the program's
// flags stay); false when the bytes are not a step.
bool RestoreUndoState(EditingModel& model, const std::string& bytes);

}  // namespace vantrel
