#pragma once
// Connects the main window's Print and Print Preview commands to the report,
// drawn from what the editor shows at the moment of printing.
#include "report/ReportContent.h"

namespace vantrel {
class MDIFormMain;
class frmMain;
}

namespace vantrel::report {

void InstallReportCommands(MDIFormMain& window);

// The report's values: the editor taken into its editing model.
ReportContent ReportContentFromEditor(frmMain& editor);

}  // namespace vantrel::report
