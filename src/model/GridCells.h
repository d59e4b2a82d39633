#pragma once
// The channel grid's cells and edit routines. The cells are texts compared as
// texts, as the grid compares them: a cell keeps its old text where the image
// has no text for it.
#include <string>
#include <string_view>

#include "channels/FrequencyCodec.h"
#include "model/ModelPart.h"
#include "model/PriorityBox.h"
#include "model/ScanMembership.h"

namespace vantrel {

class GridCells : public ModelPart {
public:
    GridCells(AppState& state, EditingCopies& copies, Messages& pending, PriorityBox& priority,
              ScanMembership& scan)
        : ModelPart(state, copies, pending), priority_(priority), scan_(scan) {}

    EditResult SetCellText(int channel, int column, std::string_view text);
    EditResult CommitFrequency(int channel, Side side, std::string_view text, FrequencyStatus* status = nullptr);
    EditResult DeleteKey(int channel, int column);
    EditResult StepSwitch(int channel, int column);
    EditResult ChooseSignal(int channel, Side side, int code, bool inverted = false);

    // Rows for the model's channel count (the priority channel follows).
    void sizeChannelGrid();
    void TrimChannels();
    void showChannelGrid();
    // Switches without effect in a channel's signalling greyed; all greyed
    // while the codeplug is locked.
    void shadeChannelGrid();
    void greyChannelGrid();

private:
    void sizeRows();
    void setCell(int row, int column, const std::string& text);
    void setGrey(int row, int column, bool grey);
    bool isPriorityRow(int row) const;
    void updateTalkaround(int row);

    PriorityBox& priority_;
    ScanMembership& scan_;
};

}  // namespace vantrel
