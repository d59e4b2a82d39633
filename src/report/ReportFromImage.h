#pragma once
// The report's values taken from an image the way the editor's population
// would show them, for printing without the editor (the command line).
#include "codeplug/AppState.h"
#include "report/ReportContent.h"

namespace vantrel::report {

// Runs the population's band step on `state` (writing ChannelCount, as the
// editor does) and returns what the editor would then show.
ReportContent ReportContentFromImage(AppState& state);

}  // namespace vantrel::report
