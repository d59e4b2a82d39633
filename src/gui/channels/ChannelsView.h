#pragma once
// The channel grid and the scan lists painted from the editing model.
#include <bitset>

#include "codeplug/ByteMap.h"

namespace vantrel {

class ChannelGrid;
class EditingModel;
class ScanListPanel;

// The model's grid size, and the given rows (cells, grey marks,
// reverse-burst steps), touching only what differs.
void showCells(const EditingModel& model, ChannelGrid& grid, const std::bitset<bytemap::MaxChannels + 1>& rows);
// The model's priority box and up-down, and its scan lists when they
// differ; true when the lists did.
bool showScanLists(const EditingModel& model, ScanListPanel& scan);

}  // namespace vantrel
