#pragma once
// The differences between two codeplugs as the editor shows them: every
// displayed field whose text differs, by its name, with both texts.
#include <string>
#include <vector>

#include "model/EditingModel.h"

namespace vantrel {

struct FieldDifference {
    std::string section;  // "Scan", "Channel 3", ...
    std::string name;     // "Rx Freq.", "Tx Time Out Time (sec)", ...
    std::string before;   // the text in the first codeplug ("" when it has no such field)
    std::string after;
};

// Fields are matched by section and name, so a radio with 8 channels
// compared with one of 16 lists channels 9 to 16 against empty texts.
std::vector<FieldDifference> CompareDisplayedFields(const EditingModel& a, const EditingModel& b);

// "channel 3 Rx Freq. 462.56250 -> 462.55000", "Tx Time Out Time (sec) 60 -> 90";
// an empty text reads "".
std::string DifferenceLine(const FieldDifference& d);

}  // namespace vantrel
