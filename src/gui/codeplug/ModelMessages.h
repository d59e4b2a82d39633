#pragma once
// The editing model's messages shown as the editor shows them: the beep
// first where the message has one, then the box.
#include "gui/common/Prompts.h"
#include "model/Messages.h"

namespace vantrel {

void ShowMessages(Prompts& prompts, const Messages& messages);

}  // namespace vantrel
