#pragma once
// The two checks of the editor's data that run before a write and before a
// save: the user-defined TPL frequencies and the priority channel.
#include <array>

#include "shell/widgets/Prompts.h"

class QLineEdit;
class QListWidget;
class QTabWidget;

namespace vantrel {

// For tone 0, 1, 2 the receive box, then the transmit box: the first box whose
// numeric value is below 67 Hz gets "Invalid Frequency", is emptied and fails
// the check.
bool CheckUserTplFrequencies(Prompts& prompts, const std::array<QLineEdit*, 3>& rxBoxes,
                             const std::array<QLineEdit*, 3>& txBoxes);

// Fails, with its message and the first tab shown, when the priority channel is
// one of the channels outside the scan list, or is 0 or empty.
bool CheckPriorityChannel(Prompts& prompts, const QLineEdit& priorityBox, const QListWidget& channelList,
                          QTabWidget& tabs);

}  // namespace vantrel
