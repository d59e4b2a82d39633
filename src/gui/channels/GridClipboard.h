#pragma once
// Copy, cut, paste and delete of whole channel rows of the grid. The rows go
// to the clipboard as tab-separated text with a header line, so spreadsheets
// take them; a paste runs every value through the editing model's cell
// operations and keeps the change only when every row was taken.
#include <vector>

#include "gui/codeplug/EditorContext.h"

namespace vantrel {

class ChannelGrid;
class ScanListPanel;

class GridClipboard {
public:
    GridClipboard(EditorContext& ctx, ChannelGrid& grid, ScanListPanel& scan);

    // The channels of the rows that hold a selected cell, in order; the
    // current row when nothing is selected.
    std::vector<int> selectedChannels() const;

    void copy() const;
    void cut();
    void paste();
    void deleteRows();

private:
    bool usable() const;
    // The grid and the scan lists repaint from the model; one edit.
    void showEdited();

    EditorContext& ctx_;
    ChannelGrid& grid_;
    ScanListPanel& scan_;
};

}  // namespace vantrel
