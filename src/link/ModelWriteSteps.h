#pragma once
// The editor's steps inside the write exchange, taken from the editing model.
#include "link/WriteProtocol.h"
#include "model/EditingModel.h"

namespace vantrel {

// The editor's steps inside the write exchange: the password box into the
// image, the user tones from their boxes.
link::WriteSteps ModelWriteSteps(EditingModel& model);

}  // namespace vantrel
