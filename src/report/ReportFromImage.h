#pragma once
// The report's values as the editor shows them, taken from the editing model:
// for printing without the editor (the command line) and for the editor.
#include "codeplug/AppState.h"
#include "model/EditingModel.h"
#include "report/ReportContent.h"

namespace vantrel::report {

// What the report prints of the model's editor.
ReportContent ReportContentFromModel(const EditingModel& model);

// Opens the state's image in the editor (File > Open's population, with its
// corrections written into `state`) and returns what the report then prints.
ReportContent ReportContentFromImage(AppState& state);

}  // namespace vantrel::report
