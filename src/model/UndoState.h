#pragma once
// One undo step as bytes, in parts: the image with the band facts and the
// password-kept mark; the editing copies but the tab shown and the grid; one
// part per grid row. Two steps differ where their bytes do, so the history
// keeps only what changed from one to the next.
#include <string>
#include <vector>

#include "model/EditingModel.h"

namespace vantrel {

using UndoStateParts = std::vector<std::string>;

UndoStateParts UndoStateBytes(const EditingModel& model);
// Puts the step back into the model (the tab shown and the program's
// flags stay); false when the bytes are not a step.
bool RestoreUndoState(EditingModel& model, const UndoStateParts& bytes);

}  // namespace vantrel
