#pragma once
// What the editor does with a data file between opening it and sending or
// saving it, for the paths that have no editor window (vantrelctl write,
// check and read -o). They run the editing model, so they refuse and correct
// exactly what the editor refuses and corrects.
#include <string>

#include "model/EditingModel.h"

namespace vantrel {
struct PathReport {
    Messages opening;  // shown while the file is opened
    Messages writing;  // shown by the Write command's checks
    bool refused = false;  // the file cannot be opened, or the write is refused
};

// File > Open of path in a freshly started editor; a protected codeplug is
// unlocked as by its right password. Then the Write command: its checks and,
// when they pass, its image changes.
PathReport OpenForWrite(EditingModel& model, const std::string& path);

}  // namespace vantrel
