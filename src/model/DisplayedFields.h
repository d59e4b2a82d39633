#pragma once
// Every field the editor displays, by the name the editor labels it with and
// the text it shows (leading blanks dropped), in the editor's order: what
// `vantrelctl show` prints and what a comparison of two codeplugs compares.
#include <string>
#include <vector>

#include "model/EditingModel.h"

namespace vantrel {

struct DisplayedField {
    std::string section;  // "Radio Information", "Scan", ..., "Channel 3", "Scan List"
    std::string name;     // "Scan Speed (msec)", "Rx Freq.", ...
    std::string text;
};

std::vector<DisplayedField> DisplayedFields(const EditingModel& model);

// The grid's column headers by column 1..13; the two "PL Option" columns are
// told apart as "PL Option (Rx)" and "PL Option (Tx)".
std::string ColumnName(int column);

}  // namespace vantrel
