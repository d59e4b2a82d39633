#pragma once
// The channel grid and the scan lists as the editing model's copies and
// back, for the commands that edit channels through the model (paste, delete
// of rows, CSV import): the model is taken from the editor, edited, and the
// editor then shows the result at once, as one step.
namespace vantrel {

class ChannelGrid;
class EditingModel;
class ScanListPanel;

// The grid, the scan lists, the priority box and the boxes the cell rules
// consult, as the model's editing copies.
void takeFromEditor(EditingModel& model, const ChannelGrid& grid, const ScanListPanel& scan);

// The model's grid (rows, cells, grey marks, reverse-burst steps) into the
// grid, touching only what differs.
void showCells(const EditingModel& model, ChannelGrid& grid);
// The model's priority box and up-down into the panel, and its scan lists
// when they differ; true when the lists did.
bool showScanLists(const EditingModel& model, ScanListPanel& scan);

// The channels after a change: grid cells, shading, reverse-burst steps and
// scan lists; the grid then signals one edit.
void showInEditor(const EditingModel& model, ChannelGrid& grid, ScanListPanel& scan);

}  // namespace vantrel
