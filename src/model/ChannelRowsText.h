#pragma once
// Channel rows as tab-separated text, the form spreadsheets put on and take
// off the clipboard: a header line with the grid's column texts, then one
// line per channel with the cells as the grid shows them.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/EditingModel.h"

namespace vantrel {

// The header line and one line per channel (in the order given), each line
// ending in a line feed; cellText gives the text of channel n, column c.
std::string FormatChannelRows(const std::function<std::string(int n, int c)>& cellText,
                              const std::vector<int>& channels);
std::string FormatChannelRows(const EditingModel& model, const std::vector<int>& channels);

// One pasted line: the text for each grid column 1..13 it carries (the
// channel-number column is not taken: rows go where they are pasted).
struct PastedRow {
    std::array<std::optional<std::string>, kChannelColumnCount> cells;
};

// Reads tab-separated lines (CR LF or LF). A first line naming grid columns
// ("Rx Freq.", "PL Option", ...; the two "PL Option" columns in grid order,
// or "PL Option (Rx)" / "PL Option (Tx)") says which column each field goes
// to, and fields under other names are left out. Without such a line a row
// of 14 or more fields starts with the channel number and a shorter one with
// "Rx Freq.". Blank lines are skipped; fields lose surrounding blanks and
// quotes.
std::vector<PastedRow> ParseChannelRows(std::string_view text);

}  // namespace vantrel
