#pragma once
// Pasting channel rows into the editor and clearing rows, all or nothing:
// the edits run on a copy of the model, and the model takes the result only
// when every row was taken. Each value goes through the same model operation
// as typing it or choosing it in the grid.
#include <string>
#include <string_view>
#include <vector>

#include "model/EditingModel.h"

namespace vantrel {

struct PasteOutcome {
    bool applied = false;
    int rows = 0;  // rows in the text
    // One line per value that could not be taken, with its channel, column
    // and the reason ("Channel 3, Rx Freq. \"520\": Out of Frequency Range").
    std::vector<std::string> problems;
};

// The rows of `text` (ParseChannelRows) into the channels from firstChannel
// on. Within a row the frequencies go first, then the signalling, then the
// switches, so every switch sees the signalling it depends on. An empty
// signalling or switch field, or a switch that is greyed (it has no effect
// with the row's signalling), leaves the cell as it is.
PasteOutcome PasteChannelRows(EditingModel& model, int firstChannel, std::string_view text);

// Deletes both frequencies of each channel, as the Delete key does in the
// two frequency columns. Refused as a whole (with the Delete key's message)
// when one of them is the priority channel while priority scan is ticked.
EditResult ClearChannelRows(EditingModel& model, const std::vector<int>& channels);

}  // namespace vantrel
