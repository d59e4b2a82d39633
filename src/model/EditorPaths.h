#pragma once
// What the editor does with a data file between opening it and sending or
// saving it, for the paths that have no editor window (vantrelctl write,
// check and read -o). They run the editing model, so they refuse and correct
// exactly what the editor refuses and corrects.
#include <string>
#include <vector>

#include "link/WriteProtocol.h"
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

// The editor's steps inside the write exchange: the password box into the
// image, the user tones from their boxes.
link::WriteSteps ModelWriteSteps(EditingModel& model);

// One line per image byte that differs: "byte 14 (PrioScanChNo): 12 -> 8".
std::vector<std::string> ByteChanges(const CodeplugImage& before, const CodeplugImage& after);

// A message as one terminal line: the lines of its text trimmed and joined
// by a blank ("Error! Prio. Scan Ch. No. not in active scan list").
std::string MessageLine(const Message& m);

}  // namespace vantrel
