#pragma once
// Connects the main window's Print and Print Preview commands to the report,
// drawn from the editor form's controls at the moment of printing.
namespace vantrel {
class MDIFormMain;
}

namespace vantrel::report {

void InstallReportCommands(MDIFormMain& window);

}  // namespace vantrel::report
